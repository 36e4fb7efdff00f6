#include "settings/settings_record.h"

#include <charconv>
#include <cmath>

namespace yorvane::settings {

namespace {
bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}
}  // namespace

std::vector<std::string> splitFields(std::string_view text) {
  std::vector<std::string> fields;
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (isBlank(text[i]) || isLineEnd(text[i]))) ++i;
    if (i >= n) break;
    std::string field;
    if (text[i] == '"') {
      const size_t close = text.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? n : close;
      field.assign(text.substr(i + 1, end - i - 1));
      i = end == n ? n : end + 1;
      // Anything between the closing quote and the separator is dropped.
      while (i < n && text[i] != ',' && !isLineEnd(text[i])) ++i;
    } else {
      const size_t start = i;
      while (i < n && text[i] != ',' && !isLineEnd(text[i])) ++i;
      field.assign(trim(text.substr(start, i - start)));
    }
    fields.push_back(std::move(field));
    if (i < n && text[i] == ',') {
      ++i;
      // A comma right before the line end leaves one empty field.
      size_t j = i;
      while (j < n && isBlank(text[j])) ++j;
      if (j >= n || isLineEnd(text[j])) fields.emplace_back();
      i = j;
    }
  }
  return fields;
}

std::optional<int16_t> parseInteger(std::string_view field) {
  if (field.size() > 1 && field.front() == '+' && isDigit(field[1])) field.remove_prefix(1);
  if (field.empty()) return std::nullopt;
  int16_t value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::optional<float> parseSingle(std::string_view field) {
  if (field.empty() || field.size() > 64) return std::nullopt;
  bool digits = false;
  for (char c : field) {
    if (!isDigit(c) && c != '.' && c != '-' && c != '+') return std::nullopt;
    digits = digits || isDigit(c);
  }
  if (!digits) return std::nullopt;
  if (field.size() > 1 && field.front() == '+' && field[1] != '-') field.remove_prefix(1);
  std::string text(field);
  // from_chars wants a digit before the period.
  if (text.starts_with(".")) text.insert(0, "0");
  if (text.starts_with("-.")) text.insert(1, "0");
  float value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  // "-0" is zero; a negative zero would be written back as "-0".
  return value == 0.0f ? 0.0f : value;
}

std::string formatSingle(float value) {
  // The longest fixed form of a float is 39 digits before the period or 45
  // zeros after it.
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

}  // namespace yorvane::settings
