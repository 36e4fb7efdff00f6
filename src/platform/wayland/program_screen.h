#pragma once

#include <QRect>
#include <QString>

namespace yorvane::wayland {

// The program's screen and window as a desktop request names them.

// The primary screen's rectangle of the desktop, in device pixels.
QRect primaryScreenArea();
// The focused window as the portal names a parent window ("x11:<id>"), so the
// desktop can tie its question to it; empty when no window of the program has
// the focus.
QString focusedWindowHandle();

}  // namespace yorvane::wayland
