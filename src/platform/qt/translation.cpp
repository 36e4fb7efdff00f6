#include "platform/qt/translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

namespace yorvane {

namespace {
// The one context of every text in yorvane_en.ts.
constexpr const char* kContext = "Yorvane";

QString translatedLine(const QString& line) {
  // The runtime error's heading carries the error number.
  static const QRegularExpression heading(QStringLiteral("^実行時エラー '(-?\\d+)':$"));
  const QRegularExpressionMatch m = heading.match(line);
  if (m.hasMatch()) {
    return QCoreApplication::translate(kContext, "実行時エラー '%1':").arg(m.captured(1));
  }
  return QCoreApplication::translate(kContext, line.toUtf8().constData());
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
