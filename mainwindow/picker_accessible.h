#pragma once

class QAccessibleInterface;
class QWidget;

namespace pecunor {

// What screen readers see of the date picker: the popup as a dialog inside
// the window that opened it, its month as a list of days named by their full
// dates. Every date is an object of its own, so that a step to the same day
// of another month is a move to another object, which readers announce.
// nullptr for any other widget.
QAccessibleInterface* pickerAccessible(QWidget* widget);

}  // namespace pecunor
