#pragma once

#include <string>

namespace yorvane {

// Keeps the running number where the next run finds it, so that no ending of
// this run, however abrupt, lets a later one reuse a number.
class NumberKeeper {
 public:
  virtual ~NumberKeeper() = default;
  // Stores the current number; false with the file and the system's reason,
  // each on a line of its own, when it cannot.
  virtual bool keepNumber(std::string* failure) = 0;
};

}  // namespace yorvane
