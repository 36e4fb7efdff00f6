#include "wayland/program_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace yorvane::wayland {

QRect primaryScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const qreal ratio = screen->devicePixelRatio();
  const QRect logical = screen->geometry();
  return {qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
          qRound(logical.height() * ratio)};
}

QString parentWindowHandle() {
  const QWindow* window = QGuiApplication::focusWindow();
  for (const QWindow* shown : QGuiApplication::topLevelWindows()) {
    if (window) break;
    if (shown->isVisible() && shown->type() == Qt::Window) window = shown;
  }
  return window ? QStringLiteral("x11:%1").arg(window->winId(), 0, 16) : QString();
}

}  // namespace yorvane::wayland
