#include "views/screen_units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace yorvane {

namespace {

int twipsToLogical(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Qt keeps each screen's top-left corner at its device position and scales
// from there, so this is the primary screen's corner in both measures.
QPoint primaryOrigin() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().topLeft() : QPoint();
}

}  // namespace

QRect windowRectOnDesktop(const Rect& twips) {
  return {primaryOrigin() + QPoint(twipsToLogical(twips.left), twipsToLogical(twips.top)),
          QSize(twipsToLogical(twips.width), twipsToLogical(twips.height))};
}

Point windowPositionInTwips(QPoint desktop) {
  const QPoint p = desktop - primaryOrigin();
  return {p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel};
}

Size windowSizeInTwips(QSize logical) {
  return {logical.width() * kTwipsPerPixel, logical.height() * kTwipsPerPixel};
}

qreal unitsPerLogicalPixel(Unit unit) {
  return unit == Unit::Twips ? kTwipsPerPixel : 1.0;
}

qreal picturePixelsPerLogicalPixel(const Control& pictureBox, const QWidget& widget) {
  return pictureBox.pictureScale() > 0 ? pictureBox.pictureScale() : widget.devicePixelRatioF();
}

}  // namespace yorvane
