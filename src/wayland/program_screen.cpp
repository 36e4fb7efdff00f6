#include "wayland/program_screen.h"

#include <QGuiApplication>
#include <QWindow>

namespace yorvane::wayland {

QString parentWindowHandle() {
  const QWindow* window = QGuiApplication::focusWindow();
  for (const QWindow* shown : QGuiApplication::topLevelWindows()) {
    if (window) break;
    if (shown->isVisible() && shown->type() == Qt::Window) window = shown;
  }
  return window ? QStringLiteral("x11:%1").arg(window->winId(), 0, 16) : QString();
}

}  // namespace yorvane::wayland
