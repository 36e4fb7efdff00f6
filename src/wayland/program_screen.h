#pragma once

#include <QString>

namespace yorvane::wayland {

// The program's window as a desktop request names it.

// The window a desktop's question belongs to, as the portal names a parent
// window ("x11:<id>"): the focused window of the program, else a shown one
// (started by a keyboard shortcut, the program may have no focus); empty when
// none is shown.
QString parentWindowHandle();

}  // namespace yorvane::wayland
