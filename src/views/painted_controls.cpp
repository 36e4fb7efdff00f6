#include "views/painted_controls.h"

#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui_model/control.h"
#include "views/screen_units.h"

namespace yorvane {

FrameWidget::FrameWidget(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
}

void FrameWidget::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void FrameWidget::setBordered(bool bordered) {
  if (bordered == bordered_) return;
  bordered_ = bordered;
  update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
  if (!bordered_) return;
  QPainter p(this);
  const QFontMetrics fm = fontMetrics();
  const int lineY = caption_.isEmpty() ? 0 : fm.height() / 2;
  const QRect box = rect().adjusted(0, lineY, -1, -1);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(box);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(box.translated(1, 1).adjusted(0, 0, -1, -1));
  if (caption_.isEmpty()) return;
  const QRect textRect(8, 0, fm.horizontalAdvance(caption_) + 4, fm.height());
  p.fillRect(textRect, palette().color(QPalette::Window));
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(textRect, Qt::AlignCenter, caption_);
}

PictureBoxWidget::PictureBoxWidget(const Control& control, QWidget* parent)
    : QWidget(parent), control_(control) {
  setAutoFillBackground(true);
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
  const Image& picture = control_.picture();
  if (picture.empty()) return;
  // Borrows the pixels: 0xAARRGGBB words are what Qt calls RGB32. Drawn one
  // picture pixel to a device pixel where the picture's scale is Qt's, else
  // smoothly scaled for the eye.
  QImage view(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
              picture.width() * 4, QImage::Format_RGB32);
  view.setDevicePixelRatio(picturePixelsPerLogicalPixel(control_, *this));
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(0, 0, view);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QColor(255, 0, 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

PictureLabel::PictureLabel(QWidget* parent) : QWidget(parent) {}

void PictureLabel::setPixmap(const QPixmap& pixmap) {
  pixmap_ = pixmap;
  update();
}

void PictureLabel::paintEvent(QPaintEvent*) {
  if (pixmap_.isNull()) return;
  QPainter p(this);
  if (isEnabled()) {
    p.drawPixmap(0, 0, pixmap_);
  } else {
    p.drawPixmap(0, 0, QIcon(pixmap_).pixmap(pixmap_.size(), QIcon::Disabled));
  }
}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

}  // namespace yorvane
