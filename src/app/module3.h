#pragma once

#include <cstdint>

namespace yorvane {

class Platform;
class Window;

// Puts a window into the always-on-top layer (flag 1) or out of it (flag 0)
// and shows it; any other flag does nothing. Returns 0 when nothing was done.
int32_t SetTopmost(Platform& platform, Window& window, int16_t flag);

}  // namespace yorvane
