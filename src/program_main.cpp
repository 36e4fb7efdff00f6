#include <QApplication>
#include <QWindow>
#include <memory>
#include <type_traits>

#include "app/application.h"
#include "launch/program_library.h"
#include "launch/translation.h"
#include "platform/app_folder.h"
#include "qt_platform/end_signals.h"
#include "qt_platform/qt_platform.h"
#include "views/artwork.h"
#include "views/window_view.h"

namespace {

// Captions and tips are Japanese; prefer faces that have the glyphs instead of
// leaving it to per-character fallback. Families that are not installed are
// skipped when the font is matched, so the font database need not be listed
// here, which would cost start-up time.
void useJapaneseFont(QApplication& app) {
  QFont font = app.font();
  font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                    QStringLiteral("VL Gothic"), font.family()});
  font.setPixelSize(12);
  app.setFont(font);
}

// On Wayland the desktop may ask the user once whether the program may copy the
// screen, and asks only for a focused window, while every capture hides the
// program's windows first: so ask as soon as a window of the program has focus.
void primeScreenCopyOnFirstFocus(yorvane::QtPlatform& platform) {
  if (platform.sessionKind() != yorvane::SessionKind::Wayland) return;
  auto connection = std::make_shared<QMetaObject::Connection>();
  *connection = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                                 [&platform, connection](QWindow* focused) {
                                   if (!focused) return;
                                   QObject::disconnect(*connection);
                                   platform.primeScreenCopy();
                                 });
}

// Started with --one-shot: the picture is taken as a click would take it, once
// the main window is on its way (the show is queued behind the start), and on
// Wayland after the question for permission, which must come with the window
// shown: the picture's copy waits for its answer.
void takeOneShotOnceShown(yorvane::QtPlatform& platform, yorvane::Orders& orders) {
  QMetaObject::invokeMethod(
      qApp,
      [&platform, &orders] {
        platform.primeScreenCopy();
        orders.takeOneShot({});
      },
      Qt::QueuedConnection);
}

}  // namespace

// The program, once no running one took the command line's order.
extern "C" __attribute__((visibility("default"))) int yorvane_run_program(
    int argc, char** argv, yorvane::StartOrder order) {
  static_assert(std::is_same_v<decltype(yorvane_run_program), yorvane::RunProgram>);
  // The language of messages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), first choice.
  const QLocale language(QLocale::system().uiLanguages().value(0));
  // The windows are X11 windows, on XWayland in a Wayland session, where the
  // screen is copied through the desktop's portal instead.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Yorvane"));
  // The program ends through its close only: a message box closed while the
  // windows are hidden for a picture must not end it, unstored.
  app.setQuitOnLastWindowClosed(false);
  app.setWindowIcon(yorvane::applicationIcon());
  useJapaneseFont(app);
  yorvane::useTranslationFor(language);

  yorvane::QtPlatform platform(yorvane::programFolders());
  yorvane::Application application(platform);
  yorvane::WindowView mainWindow(application.mainWindow().window, application.dispatcher());
  primeScreenCopyOnFirstFocus(platform);
  application.start();
  if (order == yorvane::StartOrder::kOneShot) {
    takeOneShotOnceShown(platform, application.orders());
  }
  // Asked to end (a logout, kill): the settings are stored as at a close.
  yorvane::EndSignals endSignals(
      [&application] { application.dispatch([&application] { application.close(); }); });
  // The toolbar starts hidden: its view is made once the main window is on its way.
  yorvane::WindowView toolbar(application.toolbarWindow().window, application.dispatcher());
  return QApplication::exec();
}
