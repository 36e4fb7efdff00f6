#pragma once

#include <cstdint>
#include <string>

namespace yorvane {

// Where the running number outlives the program, so that no ending of this
// run, however abrupt, lets a later one reuse a number. The settings file
// keeps it.
class NumberStore {
 public:
  virtual ~NumberStore() = default;
  // Stores number at once; false with the file and the system's reason, each
  // on a line of its own, when it cannot.
  virtual bool storeNumber(int16_t number, std::string* failure) = 0;
};

}  // namespace yorvane
