#include "wayland/output_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

#include "wayland/compositor_outputs.h"

namespace yorvane::wayland {

namespace {

// A screen's rectangle in X pixels: Qt's logical ones times its own scale.
QRect inXPixels(const QScreen& screen) {
  const qreal ratio = screen.devicePixelRatio();
  const QRect r = screen.geometry();
  return {qRound(r.x() * ratio), qRound(r.y() * ratio), qRound(r.width() * ratio),
          qRound(r.height() * ratio)};
}

// The compositor's monitor that is the X screen `x` named `name`: the one of
// that name, else the one at that logical place (XWayland names its screens
// itself on some desktops), else the only one where there is one of each.
const CompositorOutput* compositorOutputOf(const QString& name, const QRect& x,
                                           const std::vector<CompositorOutput>& outputs,
                                           qsizetype screens) {
  for (const CompositorOutput& o : outputs) {
    if (o.name == name) return &o;
  }
  for (const CompositorOutput& o : outputs) {
    if (o.logical == x) return &o;
  }
  return outputs.size() == 1 && screens == 1 ? &outputs.front() : nullptr;
}

}  // namespace

OutputLayout::OutputLayout() {
  read();
  const auto follow = [this](QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &OutputLayout::read);
  };
  for (QScreen* screen : QGuiApplication::screens()) follow(screen);
  connect(qApp, &QGuiApplication::screenAdded, this, [this, follow](QScreen* screen) {
    follow(screen);
    read();
  });
  connect(qApp, &QGuiApplication::screenRemoved, this, &OutputLayout::read);
  connect(qApp, &QGuiApplication::primaryScreenChanged, this, &OutputLayout::read);
}

void OutputLayout::read() {
  const std::vector<CompositorOutput> outputs = readCompositorOutputs();
  const QList<QScreen*> screens = QGuiApplication::screens();
  const QScreen* primary = QGuiApplication::primaryScreen();
  monitors_.clear();
  primaryLogical_ = {};
  primaryPhysical_ = {};
  primaryScale_ = 1;
  for (const QScreen* screen : screens) {
    const QRect x = inXPixels(*screen);
    const CompositorOutput* output = compositorOutputOf(screen->name(), x, outputs, screens.size());
    const QSize physical = output ? output->physical : QSize();
    monitors_.push_back({{x.x(), x.y(), x.width(), x.height()},
                         {physical.width(), physical.height()},
                         screen == primary});
    if (screen != primary) continue;
    primaryLogical_ = output ? output->logical : x;
    primaryPhysical_ = output ? physical : x.size();
    if (x.width() > 0) primaryScale_ = static_cast<double>(primaryPhysical_.width()) / x.width();
    std::fprintf(stderr, "yorvane: the primary monitor %s is %d x %d pixels, %d x %d on X\n",
                 qPrintable(screen->name()), primaryPhysical_.width(), primaryPhysical_.height(),
                 x.width(), x.height());
  }
}

}  // namespace yorvane::wayland
