#include <QCoreApplication>
#include <QLocale>

#include "launch/command_line.h"
#include "launch/program_library.h"
#include "launch/translation.h"
#include "platform/app_folder.h"

int main(int argc, char** argv) {
  const yorvane::CommandLine command = yorvane::readCommandLine(argc, argv);
  {
    // A keyboard shortcut's order, or a second start, goes to the program
    // already running: a plain application object and the session bus do,
    // with no display and no GUI library.
    QCoreApplication client(argc, argv);
    // The language of messages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), first choice.
    yorvane::useTranslationFor(QLocale(QLocale::system().uiLanguages().value(0)));
    if (const auto status = yorvane::handOver(command, yorvane::programFolders().application)) {
      return *status;
    }
  }
  return yorvane::runProgram(argc, argv, command.order);
}
