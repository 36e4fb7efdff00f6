#pragma once

#include <QString>

namespace yorvane {

// An order to the running program's service (see order_service.h), given by a
// second `yorvane` started from a command line or a keyboard shortcut.
struct OrderAnswer {
  enum Kind { kTaken, kRefused, kNoProgram } kind;
  QString reason;  // why it was refused, or why no program answered
};

// Calls METHOD (OneShot, StartSeries, ShowWindow) of the running program.
OrderAnswer giveOrder(const char* method);
// The application folder of the running program; empty when none answers.
QString runningProgramFolder();

}  // namespace yorvane
