#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorvane::settings {

// The settings file never grows past one short record; anything longer is
// read only this far.
inline constexpr size_t kMaxFileBytes = 64 * 1024;

// Splits the text into fields the way a comma-separated record is read:
// fields end at a comma or a line end, a field in double quotes yields the
// text between them, blanks around a field are dropped, empty lines are
// skipped.
std::vector<std::string> splitFields(std::string_view text);

// Whole numbers in signed 16 bits: optional sign and digits only.
std::optional<int16_t> parseInteger(std::string_view field);
// Decimal numbers with a period: "0.75", ".75", "-1", "1e-3" is refused.
std::optional<float> parseSingle(std::string_view field);
// The shortest decimal text that reads back as the same single-precision value.
std::string formatSingle(float value);

}  // namespace yorvane::settings
