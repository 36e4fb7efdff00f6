#include "launch/translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

namespace yorvane {

namespace {
// The one context of every text in yorvane_en.ts.
constexpr const char* kContext = "Yorvane";

QString translatedLine(const QString& line) {
  const QString whole = QCoreApplication::translate(kContext, line.toUtf8().constData());
  if (whole != line) return whole;
  // A line that carries a number (an error code, a count, the last picture
  // number) is translated with the number as %1.
  static const QRegularExpression number(QStringLiteral("-?\\d+"));
  const QRegularExpressionMatch m = number.match(line);
  if (!m.hasMatch()) return line;
  QString pattern = line;
  pattern.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("%1"));
  const QString translated = QCoreApplication::translate(kContext, pattern.toUtf8().constData());
  return translated == pattern ? line : translated.arg(m.captured());
}

}  // namespace

bool useTranslationFor(const QLocale& locale) {
  static QTranslator english;
  QCoreApplication::removeTranslator(&english);
  if (locale.language() != QLocale::English) return false;
  return english.load(QStringLiteral(":/i18n/yorvane_en.qm")) &&
         QCoreApplication::installTranslator(&english);
}

QString translated(const QString& text) {
  if (text.isEmpty()) return text;
  const QString whole = QCoreApplication::translate(kContext, text.toUtf8().constData());
  if (whole != text || !text.contains(QChar(u'\n'))) return whole;
  QStringList lines = text.split(QChar(u'\n'));
  for (QString& line : lines) line = translatedLine(line);
  return lines.join(QChar(u'\n'));
}

}  // namespace yorvane
