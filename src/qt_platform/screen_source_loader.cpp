#include "qt_platform/screen_source_loader.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>

#include "wayland/kwin_screen_copy.h"
#include "wayland/portal_screen_copy.h"
#include "wayland/screen_cast_copy.h"
#include "x11/xcb_screen_grabber.h"

namespace yorvane {

namespace {
void say(const char* how) {
  std::fprintf(stderr, "yorvane: screen copies %s\n", how);
}
}  // namespace

std::unique_ptr<ScreenSource> loadScreenSource(SessionKind session,
                                               const std::string& stateFolder) {
  if (session == SessionKind::X11) {
    say("from the X server");
    return std::make_unique<XcbScreenGrabber>();
  }
  const QDBusConnection bus = QDBusConnection::sessionBus();
  // What XWayland shows of the monitors, scaled ones smaller, and what each is.
  const auto layout = std::make_shared<const wayland::OutputLayout>();
  // When the desktop has drawn the screen without the windows the program hid.
  const auto settle = std::make_shared<wayland::HideSettle>();
  // A screenshot through the portal is too slow for a series: its copies come
  // from a screen cast where the desktop gives one.
  auto portal = std::make_unique<wayland::ScreenCastCopy>(
      bus, settle, layout, std::make_unique<wayland::PortalScreenCopy>(bus, settle, layout),
      QString::fromStdString(stateFolder + "/screencast-restore-token"));
  // On KDE Plasma KWin copies the screen itself for a program it knows; it
  // says which way the copies go once it has answered.
  if (bus.isConnected() && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin"))) {
    return std::make_unique<wayland::KWinScreenCopy>(bus, layout, std::move(portal));
  }
  say("through the desktop's screenshot portal");
  return portal;
}

}  // namespace yorvane
