#pragma once

namespace yorvane {

// How the program ends after a failure it cannot go on from.
class FailureExit {
 public:
  virtual ~FailureExit() = default;
  // Ends the program, keeping the running number for the next run.
  [[noreturn]] virtual void endAfterFailure() = 0;
};

}  // namespace yorvane
