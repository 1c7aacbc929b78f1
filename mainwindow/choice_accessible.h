#pragma once

namespace pecunor {

// Every drop-down list of the program, in the window and in every dialog,
// reads its chosen item to screen readers: with the box when it gets the
// focus, and as the newly focused item when a key changes the choice while
// the list is closed. Typed-in boxes (the start date) keep Qt's own reading,
// since their text field speaks for itself. Installed once for the whole run.
void installChoiceAccessibility();

}  // namespace pecunor
