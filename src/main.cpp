#include <QApplication>

#include "app/application.h"
#include "platform/qt/artwork.h"
#include "platform/qt/end_signals.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/window_view.h"

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

}  // namespace

int main(int argc, char** argv) {
  // The screen copy and the pointer are read from X11 directly.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Yorvane"));
  // The program ends through its close only: a message box closed while the
  // windows are hidden for a picture must not end it, unstored.
  app.setQuitOnLastWindowClosed(false);
  app.setWindowIcon(yorvane::applicationIcon());
  useJapaneseFont(app);

  yorvane::QtPlatform platform;
  yorvane::Application application(platform);
  yorvane::WindowView mainWindow(application.mainWindow().window, application.dispatcher());
  application.start();
  // Asked to end (a logout, kill): the settings are stored as at a close.
  yorvane::EndSignals endSignals(
      [&application] { application.dispatch([&application] { application.close(); }); });
  // The toolbar starts hidden: its view is made once the main window is on its way.
  yorvane::WindowView toolbar(application.toolbarWindow().window, application.dispatcher());
  return QApplication::exec();
}
