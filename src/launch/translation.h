#pragma once

#include <QLocale>
#include <QString>

namespace yorvane {

// The program's texts are Japanese, as the logic holds them; an English locale
// shows them in English through Qt's translation system. Every other locale
// keeps the Japanese. File names never pass through here.

// Installs the English translation when locale is English and removes it
// otherwise; true when it is installed. Views made afterwards show its texts.
bool useTranslationFor(const QLocale& locale);

// A caption, tip, title or message text in the language in use. A text made of
// lines (a runtime error report) is translated line by line.
QString translated(const QString& text);

}  // namespace yorvane
