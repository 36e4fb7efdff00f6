#include "platform/message_box.h"

#include <cstddef>

namespace yorvane {

std::vector<BoxAnswer> answersOf(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::kOkCancel:
      return {BoxAnswer::kOk, BoxAnswer::kCancel};
    case BoxButtons::kYesNoCancel:
      return {BoxAnswer::kYes, BoxAnswer::kNo, BoxAnswer::kCancel};
    case BoxButtons::kYesNo:
      return {BoxAnswer::kYes, BoxAnswer::kNo};
    default:
      return {BoxAnswer::kOk};
  }
}

BoxAnswer defaultAnswer(const BoxStyle& style) {
  const std::vector<BoxAnswer> answers = answersOf(style.buttons);
  const auto index = static_cast<size_t>(style.defaultButton);
  return answers[index < answers.size() ? index : 0];
}

}  // namespace yorvane
