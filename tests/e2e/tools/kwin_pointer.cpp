// Puts KWin's pointer at X,Y through KWin's fake input protocol and holds it
// there until killed, after a left click at CLICK_X,CLICK_Y if given: a
// headless KWin shows a pointer only while a client gives it a pointer device
// this way, and then takes XWayland's pointer where its own is. KWin offers the
// protocol to a program that a desktop file names with
// X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input.
//
//   yorvane_kwin_pointer X Y [CLICK_X CLICK_Y]
#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input* fake = nullptr;

void announce(void*, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
  if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 3) {
    fake = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3));
  }
}

void withdraw(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kListener = {announce, withdraw};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s X Y [CLICK_X CLICK_Y]\n", argv[0]);
    return 64;
  }
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fprintf(stderr, "no Wayland display\n");
    return 1;
  }
  wl_registry_add_listener(wl_display_get_registry(display), &kListener, nullptr);
  wl_display_roundtrip(display);
  if (!fake) {
    std::fprintf(stderr, "KWin does not offer its fake input to this program\n");
    return 2;
  }
  org_kde_kwin_fake_input_authenticate(fake, "yorvane e2e", "the pointer over the desktop");
  const auto moveTo = [display](const char* x, const char* y) {
    org_kde_kwin_fake_input_pointer_motion_absolute(fake, wl_fixed_from_int(std::atoi(x)),
                                                    wl_fixed_from_int(std::atoi(y)));
    wl_display_roundtrip(display);
  };
  if (argc == 5) {
    moveTo(argv[3], argv[4]);
    // As a hand stops before it clicks: the window has seen the pointer come.
    usleep(300000);
    for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
      org_kde_kwin_fake_input_button(fake, BTN_LEFT, state);
      wl_display_roundtrip(display);
    }
  }
  moveTo(argv[1], argv[2]);
  std::puts("ready");
  std::fflush(stdout);
  pause();
  return 0;
}
