#pragma once

#include "platform/platform.h"

namespace yorvane {

// The session the environment describes: Wayland when WAYLAND_DISPLAY names a
// compositor or XDG_SESSION_TYPE says "wayland" (null for an unset variable).
SessionKind sessionKindOf(const char* waylandDisplay, const char* sessionType);

}  // namespace yorvane
