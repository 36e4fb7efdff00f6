// A clock on the screen, for the latency from a capture's tick to what its
// picture shows: an override-redirect window at the screen's top-left corner
// shows the wall-clock milliseconds (modulo 2^24) as 24 blocks of 16 x 16
// pixels, the highest bit first, white for 1 and black for 0, redrawn every
// millisecond until the program is killed or the display goes.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>

namespace {
constexpr int kBits = 24;
constexpr uint16_t kBlock = 16;

xcb_gcontext_t solidGc(xcb_connection_t* c, xcb_window_t window, uint32_t pixel) {
  const xcb_gcontext_t gc = xcb_generate_id(c);
  xcb_create_gc(c, gc, window, XCB_GC_FOREGROUND, &pixel);
  return gc;
}
}  // namespace

int main() {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fputs("screen_clock: cannot open the X display\n", stderr);
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t window = xcb_generate_id(c);
  const uint32_t values[] = {screen->black_pixel, 1};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, kBits * kBlock, kBlock, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
  xcb_map_window(c, window);
  const xcb_gcontext_t ones = solidGc(c, window, screen->white_pixel);
  const xcb_gcontext_t zeros = solidGc(c, window, screen->black_pixel);

  while (!xcb_connection_has_error(c)) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    xcb_rectangle_t set[kBits];
    xcb_rectangle_t clear[kBits];
    uint32_t setCount = 0;
    uint32_t clearCount = 0;
    for (int bit = 0; bit < kBits; ++bit) {
      const xcb_rectangle_t block{static_cast<int16_t>(bit * kBlock), 0, kBlock, kBlock};
      if ((ms >> (kBits - 1 - bit)) & 1) {
        set[setCount++] = block;
      } else {
        clear[clearCount++] = block;
      }
    }
    xcb_poly_fill_rectangle(c, window, ones, setCount, set);
    xcb_poly_fill_rectangle(c, window, zeros, clearCount, clear);
    xcb_flush(c);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  xcb_disconnect(c);
  return 0;
}
