#pragma once

namespace yorvane {

// Whether the window manager of the toolkit's X display offers the
// always-on-top layer (_NET_WM_STATE_ABOVE among its _NET_SUPPORTED hints).
// Without one, or under sway's XWayland, the hint has no effect.
bool windowManagerKeepsAbove();

}  // namespace yorvane
