#include "platform/qt/artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>

namespace yorvane {

namespace {

const QColor kInk(40, 40, 40);
const QColor kRecord(210, 30, 30);

QFont smallFont(int pixelSize) {
  QFont f;
  f.setPixelSize(pixelSize);
  f.setBold(true);
  return f;
}

void drawCamera(QPainter& p, QRectF body) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRoundedRect(body, 2, 2);
  p.drawRect(QRectF(body.left() + 3, body.top() - 2, body.width() / 3, 2));
  p.setBrush(Qt::white);
  const qreal r = body.height() * 0.32;
  p.drawEllipse(body.center(), r, r);
  p.setBrush(kRecord);
  p.drawEllipse(body.center(), r * 0.55, r * 0.55);
}

void drawCaption(QPainter& p, const QRectF& area, const QString& text, int pixelSize) {
  p.setPen(kInk);
  p.setFont(smallFont(pixelSize));
  p.drawText(area, Qt::AlignCenter, text);
}

void oneShot(QPainter& p, QSize s) {
  drawCamera(p, QRectF(4, 6, 22, s.height() - 10));
  drawCaption(p, QRectF(28, 0, s.width() - 30, s.height()), QStringLiteral("1枚撮る"), 12);
}

void series(QPainter& p, QSize s) {
  p.setPen(QPen(kInk, 1));
  for (int i = 2; i >= 0; --i) {
    p.setBrush(i == 0 ? QColor(kRecord) : QColor(Qt::white));
    p.drawRect(QRectF(3 + i * 3, 5 + i * 3 - 3, 13, 11).translated(0, 2 - i * 2));
  }
  drawCaption(p, QRectF(22, 0, s.width() - 23, s.height()), QStringLiteral("連続"), 12);
}

void picker(QPainter& p, QSize s) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1, Qt::DashLine));
  const QRectF r(6.5, 4.5, s.width() - 13, s.height() - 9);
  p.drawRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (const QPointF c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
    p.drawRect(QRectF(c.x() - 2, c.y() - 2, 4, 4));
  }
}

void mode(QPainter& p, QSize s) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 225, 255));
  p.drawRect(QRectF(2.5, 3.5, s.width() - 5, s.height() - 10));
  p.drawLine(QPointF(s.width() / 2.0, s.height() - 6.5),
             QPointF(s.width() / 2.0, s.height() - 3.5));
  p.drawLine(QPointF(8, s.height() - 2.5), QPointF(s.width() - 8, s.height() - 2.5));
  p.setPen(QPen(kRecord, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(8.5, 7.5, s.width() - 17, s.height() - 18));
}

void arrow(QPainter& p, QSize s, bool pointsLeft) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  const qreal w = s.width();
  const qreal mid = s.height() / 2.0;
  QPainterPath path;
  if (pointsLeft) {
    path.moveTo(2, mid);
    path.lineTo(w - 2, mid - 6);
    path.lineTo(w - 2, mid + 6);
  } else {
    path.moveTo(w - 2, mid);
    path.lineTo(2, mid - 6);
    path.lineTo(2, mid + 6);
  }
  path.closeSubpath();
  p.drawPath(path);
  p.drawRect(QRectF(1, 1, w - 2, 2));
  p.drawRect(QRectF(1, s.height() - 3, w - 2, 2));
}

void count(QPainter& p, QSize s) {
  drawCaption(p, QRectF(0, 0, s.width(), s.height()), QStringLiteral("枚数"), 12);
}

struct Artwork {
  QSize size;
  std::function<void(QPainter&, QSize)> draw;
};

const std::map<std::string, Artwork>& artworks() {
  static const std::map<std::string, Artwork> table{
      {"oneshot", {{83, 23}, oneShot}},
      {"series", {{57, 24}, series}},
      {"picker", {{42, 23}, picker}},
      {"mode", {{28, 26}, mode}},
      {"compact", {{13, 23}, [](QPainter& p, QSize s) { arrow(p, s, true); }}},
      {"standard", {{13, 23}, [](QPainter& p, QSize s) { arrow(p, s, false); }}},
      {"count", {{44, 16}, count}},
  };
  return table;
}

}  // namespace

QPixmap artworkPixmap(const std::string& name) {
  const auto it = artworks().find(name);
  if (it == artworks().end()) return {};
  QPixmap pixmap(it->second.size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  it->second.draw(p, it->second.size);
  return pixmap;
}

QIcon applicationIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(90, 160, 230));
  p.drawRoundedRect(QRectF(2, 3, 28, 20), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 150, 60));
  p.drawRect(QRectF(5, 14, 22, 7));
  p.setBrush(kInk);
  p.drawRect(QRectF(14, 23, 4, 4));
  p.drawRect(QRectF(8, 27, 16, 3));
  p.setBrush(kRecord);
  p.drawEllipse(QPointF(23, 9), 4, 4);
  return QIcon(pixmap);
}

}  // namespace yorvane
