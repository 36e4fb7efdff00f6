#pragma once

#include <cstdint>

namespace yorvane {

// Buttons held during a mouse event: the sum of these.
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

// A mouse event on a control, as its view reports it.
struct MouseEvent {
  int16_t button = 0;
  int16_t shift = 0;
  float x = 0;  // in the control's own inner unit, from its top-left corner
  float y = 0;
};

}  // namespace yorvane
