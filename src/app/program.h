#pragma once

#include <functional>

#include "app/form1.h"
#include "app/globals.h"
#include "platform/platform.h"
#include "toolbar/form2.h"

namespace yorvane {

// The running program: the platform, the shared values and both windows.
class Program {
 public:
  explicit Program(Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs the start-up of the main window.
  void start();
  // Runs one event handler. An error it does not handle itself is reported
  // with its number and description, and then the program ends.
  void dispatch(const std::function<void()>& handler);
  [[noreturn]] void reportAndEnd(int number, const std::string& description,
                                 const std::string& detail);
  // Writes the settings record; a failure is an error of the caller's handler.
  void storeSettings();
  // Ends the program after a failure, keeping the running number for the next run.
  [[noreturn]] void endAfterFailure();

  Platform& platform;
  Globals globals;
  Form1 form1;
  Form2 form2;
};

}  // namespace yorvane
