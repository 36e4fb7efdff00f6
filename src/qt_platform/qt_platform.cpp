#include "qt_platform/qt_platform.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QDBusConnection>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/posix_files.h"
#include "qt_platform/order_service.h"
#include "qt_platform/qt_message_box.h"
#include "qt_platform/qt_timer.h"
#include "qt_platform/screen_source_loader.h"
#include "qt_platform/window_manager.h"
#include "wayland/session.h"

namespace yorvane {

QtPlatform::QtPlatform(AppFolders folders)
    : folders_(std::move(folders)),
      session_(sessionKindOf(std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE"))),
      screen_(loadScreenSource(session_, folders_.state)) {
  // Once the windows are up, not in their way, and again for a new primary
  // screen or size.
  QObject* context = &qtContext_;
  const auto prepareSoon = [this, context] {
    QTimer::singleShot(kPrepareDelayMs, context, [this] { screen_->prepare(); });
  };
  prepareSoon();
  const auto followPrimary = [prepareSoon, context](QScreen* primary) {
    if (primary) QObject::connect(primary, &QScreen::geometryChanged, context, prepareSoon);
  };
  followPrimary(QGuiApplication::primaryScreen());
  QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, context,
                   [prepareSoon, followPrimary](QScreen* primary) {
                     followPrimary(primary);
                     prepareSoon();
                   });
}

QtPlatform::~QtPlatform() = default;

Size QtPlatform::screenSize() {
  // In logical pixels, as windows are placed.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height()};
}

double QtPlatform::screenScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return (screen ? screen->devicePixelRatio() : 1.0) * screen_->monitorScale();
}

void QtPlatform::copyScreen(Image& dest, std::function<void(ScreenCopy)> done) {
  // A round trip on the toolkit's connection: once it returns, the server has
  // carried out every hide and show requested so far, so a screen copy made
  // over the grabber's own connection cannot see a window that is gone.
  if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
    xcb_connection_t* c = x11->connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  }
  screen_->copy(dest, std::move(done));
}

void QtPlatform::primeScreenCopy() {
  screen_->prime([](ScreenCopy) {});
}

void QtPlatform::startSeriesCopies(std::function<void(SeriesCopies)> done) {
  screen_->startSeries(std::move(done));
}

void QtPlatform::seriesEnded() {
  screen_->seriesEnded();
}

std::unique_ptr<Timer> QtPlatform::createTimer(std::string name, int intervalMs,
                                               std::function<void()> tick) {
  return std::make_unique<QtTimer>(name, intervalMs, std::move(tick));
}

int64_t QtPlatform::nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

BoxAnswer QtPlatform::messageBox(const std::string& text, const std::string& title,
                                 const BoxStyle& style) {
  return showMessageBox(text, title, style);
}

void QtPlatform::showNotice(const std::string& text, const std::string& title) {
  showNoticeBox(text, title);
}

void QtPlatform::beep() {
  QApplication::beep();
}

void QtPlatform::openWithAssociatedProgram(const std::string& path) {
  QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(path)});
}

bool QtPlatform::playEventSound(const std::string& name) {
  return sounds_.playEvent(name);
}

bool QtPlatform::playSoundFile(const std::string& path) {
  return sounds_.playFile(path);
}

bool QtPlatform::keepsTopmostWindowsAbove() {
  return windowManagerKeepsAbove();
}

std::optional<Point> QtPlatform::pointerPosition() {
  return pointer_.pointerPosition();
}

std::string QtPlatform::applicationFolder() {
  return folders_.application;
}

std::string QtPlatform::stateFolder() {
  return folders_.state;
}

std::string QtPlatform::findResource(const std::string& name) {
  return findResourceIn(folders_, name);
}

bool QtPlatform::lockApplicationFolder() {
  // The descriptor stays open, and the lock held, until the program ends.
  // A folder the lock file cannot be made in cannot take pictures either:
  // that is told at the first save.
  return posix::lockFile(folders_.application + "/" + posix::kLockFileName) >= 0 ||
         errno != EWOULDBLOCK;
}

bool QtPlatform::acceptOrders(Orders& orders) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  // An order's picture is taken as the button's, after the desktop's question
  // for permission, which must come with the window shown.
  auto service = std::make_unique<OrderService>(
      orders, QString::fromStdString(folders_.application), [this] { primeScreenCopy(); });
  if (!bus.registerObject(QString::fromLatin1(kOrderObject), service.get(),
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QString::fromLatin1(kOrderService))) {
    bus.unregisterObject(QString::fromLatin1(kOrderObject));
    return false;
  }
  orderService_ = std::move(service);
  return true;
}

void QtPlatform::end(int exitCode) {
  std::fflush(stdout);
  std::fflush(stderr);
  ::_exit(exitCode);
}

}  // namespace yorvane
