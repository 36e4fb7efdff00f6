#include "platform/qt/screen_source_loader.h"

#include <QDBusConnection>
#include <cstdio>

#include "platform/portal/portal_screen_copy.h"
#include "platform/qt/xcb_screen_grabber.h"

namespace yorvane {

std::unique_ptr<ScreenSource> loadScreenSource(SessionKind session) {
  if (session == SessionKind::X11) {
    std::fprintf(stderr, "yorvane: screen copies from the X server\n");
    return std::make_unique<XcbScreenGrabber>();
  }
  std::fprintf(stderr, "yorvane: screen copies through the desktop's screenshot portal\n");
  return std::make_unique<portal::PortalScreenCopy>(QDBusConnection::sessionBus());
}

}  // namespace yorvane
