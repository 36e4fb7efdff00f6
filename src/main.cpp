#include <QApplication>
#include <QFontDatabase>

#include "app/program.h"
#include "platform/qt/artwork.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/window_view.h"

namespace {

// Captions and tips are Japanese; pick a face that has the glyphs instead of
// leaving it to per-character fallback.
void useJapaneseFont(QApplication& app) {
  QFont font = app.font();
  for (const char* family : {"Noto Sans CJK JP", "IPAGothic", "VL Gothic"}) {
    if (QFontDatabase::families().contains(QLatin1String(family))) {
      font.setFamilies({QString::fromLatin1(family), font.family()});
      break;
    }
  }
  font.setPixelSize(12);
  app.setFont(font);
}

}  // namespace

int main(int argc, char** argv) {
  // The screen copy and the pointer are read from X11 directly.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Yorvane"));
  app.setWindowIcon(yorvane::applicationIcon());
  useJapaneseFont(app);

  yorvane::QtPlatform platform;
  yorvane::Program program(platform);
  const yorvane::Dispatcher dispatch = [&program](const std::function<void()>& handler) {
    program.dispatch(handler);
  };
  yorvane::WindowView mainWindow(program.form1.window, dispatch);
  yorvane::WindowView toolbar(program.form2.window, dispatch);
  program.start();
  return QApplication::exec();
}
