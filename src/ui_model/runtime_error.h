#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace yorvane {

// An error the program does not handle itself: it is reported to the user
// with its number and description, and then the program ends.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description, const std::string& detail = {});
  int number() const { return number_; }
  const std::string& description() const { return description_; }
  const std::string& detail() const { return detail_; }

 private:
  int number_;
  std::string description_;
  std::string detail_;
};

namespace errors {
RuntimeError overflow();
RuntimeError invalidPropertyValue();
RuntimeError noSuchControlArrayElement();
RuntimeError pathFileAccess(const std::string& detail);
RuntimeError fileNotFound(const std::string& detail);
}  // namespace errors

// Signed 16-bit counters: stepping out of range is an overflow error.
int16_t checkedAdd(int16_t a, int b);
int16_t checkedMul(int a, int16_t b);
// Fits a whole number into 16 bits, or throws overflow.
int16_t to16(long long v);

// Decimal text of a number with a sign position in front: " 12", "-3".
std::string numberText(int16_t n);

}  // namespace yorvane
