#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yorvane::settings {

// The program writes one record of some 25 bytes. A file longer than this is
// not one of ours and is not read at all: a cut-off prefix could yield a
// plausible but wrong running number.
inline constexpr size_t kMaxFileBytes = 64 * 1024;

// Splits the text into fields the way a comma-separated record is read:
// fields end at a comma or a line end, a field in double quotes yields the
// text between them, blanks around a field are dropped, empty lines are
// skipped.
std::vector<std::string> splitFields(std::string_view text);

// Whole numbers in signed 16 bits: an optional sign and digits only, so a
// fraction, a letter or a value out of range is refused.
std::optional<int16_t> parseInteger(std::string_view field);
// Finite decimal numbers with a period: "0.75", ".75", "-1"; "1e-3" and "."
// are refused.
std::optional<float> parseSingle(std::string_view field);
// The shortest plain decimal text (never an exponent) that parseSingle reads
// back as the same value.
std::string formatSingle(float value);

}  // namespace yorvane::settings
