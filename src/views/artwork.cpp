#include "views/artwork.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace yorvane {

namespace {

// A picture compiled in from data/artwork/, at the width and height its SVG gives.
QPixmap render(const QString& path) {
  if (!QFile::exists(path)) return {};
  QSvgRenderer svg(path);
  QPixmap pixmap(svg.defaultSize());
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  svg.render(&painter);
  return pixmap;
}

}  // namespace

QPixmap artworkPixmap(const std::string& name) {
  return render(QStringLiteral(":/artwork/%1.svg").arg(QString::fromStdString(name)));
}

QIcon applicationIcon() {
  return QIcon(render(QStringLiteral(":/artwork/window-icon.svg")));
}

}  // namespace yorvane
