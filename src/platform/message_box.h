#pragma once

namespace yorvane::mb {

// Style numbers, to be added together.
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kDefaultButton2 = 256;
inline constexpr int kDefaultButton3 = 512;
inline constexpr int kSystemModal = 4096;

// Answers.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

inline int buttons(int style) {
  return style & 0x7;
}
inline int icon(int style) {
  return style & 0x70;
}
inline int defaultButtonIndex(int style) {
  return (style >> 8) & 0x3;
}

// The answer a box gives when the user just presses Enter (its default button).
int defaultAnswer(int style);

}  // namespace yorvane::mb
