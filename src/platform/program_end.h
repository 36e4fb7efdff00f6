#pragma once

#include <cstdlib>

namespace yorvane {

// The program's end.
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;

  // Ends the program at once: no further handler runs.
  [[noreturn]] void endProgram(int exitCode) {
    end(exitCode);
    std::abort();  // end() never returns
  }

 protected:
  // Stops the program; it must not return.
  virtual void end(int exitCode) = 0;
};

}  // namespace yorvane
