#pragma once

#include <vector>

namespace yorvane {

// The buttons of a message box.
enum class BoxButtons { kOk, kOkCancel, kYesNoCancel, kYesNo };
// The icon beside its text.
enum class BoxIcon { kNone, kCritical, kQuestion, kExclamation, kInformation };
// The button the user pressed.
enum class BoxAnswer { kOk, kCancel, kYes, kNo };

// How a message box looks and which button Enter presses.
struct BoxStyle {
  BoxButtons buttons = BoxButtons::kOk;
  BoxIcon icon = BoxIcon::kNone;
  // Counted from the left, from 0.
  int defaultButton = 0;
  // Stays above every window, not only above the program's own.
  bool aboveAll = false;
  bool operator==(const BoxStyle&) const = default;
};

// The answers of the box's buttons, left to right.
std::vector<BoxAnswer> answersOf(BoxButtons buttons);
// The answer a box gives when the user just presses Enter (its default button).
BoxAnswer defaultAnswer(const BoxStyle& style);

}  // namespace yorvane
