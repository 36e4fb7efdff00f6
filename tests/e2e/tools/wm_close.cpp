// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW
// client message. Usage: wm_close <window title>
#include <xcb/xcb.h>

#include <cstdio>
#include <string>

#include "x11/xcb_reply.h"

namespace {

using yorvane::xcb::atom;
using yorvane::xcb::Reply;

std::string title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr));
  if (!r) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                     static_cast<size_t>(xcb_get_property_value_length(r.get())));
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
  Reply<xcb_get_window_attributes_reply_t> r(
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
  return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t find(xcb_connection_t* c, xcb_window_t parent, const std::string& wanted,
                  xcb_atom_t netName, xcb_atom_t utf8) {
  Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
  if (!tree) return XCB_WINDOW_NONE;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
    const xcb_window_t w = children[i];
    // Toolkits keep hidden helper windows that may carry the application's
    // name too (Qt's 1x1 client leader); only a window on screen is meant.
    if ((title(c, w, netName, utf8) == wanted ||
         title(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == wanted) &&
        viewable(c, w)) {
      return w;
    }
    if (const xcb_window_t inner = find(c, w, wanted, netName, utf8); inner != XCB_WINDOW_NONE) {
      return inner;
    }
  }
  return XCB_WINDOW_NONE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <window title>\n", argv[0]);
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_window_t w = find(c, root, argv[1], atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"));
  if (w == XCB_WINDOW_NONE) {
    std::fprintf(stderr, "no window on screen titled %s\n", argv[1]);
    return 1;
  }
  xcb_client_message_event_t ev{};
  ev.response_type = XCB_CLIENT_MESSAGE;
  ev.format = 32;
  ev.window = w;
  ev.type = atom(c, "WM_PROTOCOLS");
  ev.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
  ev.data.data32[1] = XCB_CURRENT_TIME;
  // Wait for the server's answer: a server may drop requests it has not yet
  // carried out when the connection closes right behind them.
  const Reply<xcb_generic_error_t> error(
      xcb_request_check(c, xcb_send_event_checked(c, 0, w, XCB_EVENT_MASK_NO_EVENT,
                                                  reinterpret_cast<const char*>(&ev))));
  xcb_disconnect(c);
  if (error) {
    std::fprintf(stderr, "the X server refused the close request (error %d)\n", error->error_code);
    return 1;
  }
  return 0;
}
