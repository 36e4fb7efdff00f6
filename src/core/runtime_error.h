#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace yorvane {

// The errors the program reports by number, as users and their notes know them.
enum class ErrorNumber {
  kOverflow = 6,
  kOutOfMemory = 7,
  kPathFileAccess = 75,
  kNoSuchControlArrayElement = 340,
  kInvalidPropertyValue = 380,
};

// An error the program does not handle itself: it is reported to the user
// with its number and description, and then the program ends.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorNumber number, const std::string& description, const std::string& detail = {});
  ErrorNumber number() const { return number_; }
  const std::string& description() const { return description_; }
  const std::string& detail() const { return detail_; }

 private:
  ErrorNumber number_;
  std::string description_;
  std::string detail_;
};

namespace errors {
RuntimeError overflow();
RuntimeError invalidPropertyValue();
RuntimeError noSuchControlArrayElement();
RuntimeError pathFileAccess(const std::string& detail);
}  // namespace errors

// Fits a whole number into 16 bits, or throws overflow. Inline: the capture
// timers step their counters with these at every tick.
inline int16_t to16(long long v) {
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
    throw errors::overflow();
  }
  return static_cast<int16_t>(v);
}
// Signed 16-bit counters: stepping out of range is an overflow error.
inline int16_t checkedAdd(int16_t a, int b) {
  return to16(static_cast<long long>(a) + b);
}
inline int16_t checkedMul(int a, int16_t b) {
  return to16(static_cast<long long>(a) * b);
}

// Decimal text of a number with a sign position in front: " 12", "-3".
std::string numberText(int16_t n);

}  // namespace yorvane
