#pragma once

#include <QList>
#include <QRect>

namespace pecunor::platform {

// The part of each screen that windows may use (without docks and panels).
QList<QRect> screenAreas();

// Whether the window system tells and takes the positions of top-level
// windows: X11 does, Wayland keeps them to the compositor.
bool windowPositionsKnown();

// The faces the designs name ("MS Sans Serif", "Arial", "Courier New") mapped
// to installed faces of about their widths, so that texts measured for them
// fit. Safe to call more than once.
void installFontSubstitutes();

}  // namespace pecunor::platform
