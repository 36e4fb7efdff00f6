#include "qt_platform/window_manager.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

#include "x11/xcb_reply.h"

namespace yorvane {

bool windowManagerKeepsAbove() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return false;
  xcb_connection_t* c = x11->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t supported = xcb::atom(c, "_NET_SUPPORTED");
  const xcb_atom_t above = xcb::atom(c, "_NET_WM_STATE_ABOVE");
  // Far more atoms than any window manager announces.
  constexpr uint32_t kLongs = 4096;
  const xcb::Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, kLongs), nullptr));
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == above) return true;
  }
  return false;
}

}  // namespace yorvane
