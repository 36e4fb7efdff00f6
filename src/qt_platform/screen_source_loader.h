#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/screen_source.h"

namespace yorvane {

// The way this session's screen is copied, chosen once at start: the X server's
// memory on X11; on Wayland, where XWayland cannot read the screen, KWin's own
// screenshot interface where KWin lets the program use it, else the desktop's
// screenshot portal, with a series' copies from the desktop's screen cast,
// whose permission is kept in stateFolder. The choice is named in one line on
// standard error.
std::unique_ptr<ScreenSource> loadScreenSource(SessionKind session, const std::string& stateFolder);

}  // namespace yorvane
