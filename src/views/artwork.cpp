#include "views/artwork.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include "launch/translation.h"

namespace yorvane {

namespace {

// A <text> element: its font size, the attributes around it, and its words.
const QRegularExpression& textElement() {
  static const QRegularExpression element(
      QStringLiteral(R"((<text[^>]*font-size=")([0-9.]+)("[^>]*>)([^<]*)(</text>))"));
  return element;
}

QString resourcePath(const std::string& name) {
  return QStringLiteral(":/artwork/%1.svg").arg(QString::fromStdString(name));
}

QString svgText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The SVG with each text element's words translated, the font made smaller
// where the translation is wider than the words the picture was drawn for.
QString translatedSvg(const QString& svg) {
  QString result;
  qsizetype done = 0;
  for (auto it = textElement().globalMatch(svg); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString words = m.captured(4);
    const QString shown = translated(words);
    double size = m.captured(2).toDouble();
    if (shown != words) {
      QFont font;
      font.setBold(true);
      font.setPixelSize(static_cast<int>(size));
      const QFontMetricsF metrics(font);
      const double wanted = metrics.horizontalAdvance(words);
      const double needed = metrics.horizontalAdvance(shown);
      if (needed > wanted && needed > 0) size = size * wanted / needed;
    }
    result += svg.mid(done, m.capturedStart() - done) + m.captured(1) + QString::number(size) +
              m.captured(3) + shown.toHtmlEscaped() + m.captured(5);
    done = m.capturedEnd();
  }
  return result + svg.mid(done);
}

QPixmap render(const QString& svg) {
  if (svg.isEmpty()) return {};
  QSvgRenderer renderer(svg.toUtf8());
  QPixmap pixmap(renderer.defaultSize());
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace

QPixmap artworkPixmap(const std::string& name) {
  return render(translatedSvg(svgText(resourcePath(name))));
}

QStringList artworkWords(const std::string& name) {
  QStringList words;
  const QString svg = svgText(resourcePath(name));
  for (auto it = textElement().globalMatch(svg); it.hasNext();) {
    words << translated(it.next().captured(4));
  }
  return words;
}

QIcon applicationIcon() {
  return QIcon(render(svgText(QStringLiteral(":/artwork/window-icon.svg"))));
}

}  // namespace yorvane
