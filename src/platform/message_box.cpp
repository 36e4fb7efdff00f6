#include "platform/message_box.h"

#include <array>

namespace yorvane::mb {

int defaultAnswer(int style) {
  static constexpr std::array<std::array<int, 3>, 5> kAnswers{{
      {kOk, kOk, kOk},
      {kOk, kCancel, kCancel},
      {kOk, kOk, kOk},  // abort/retry/ignore is never used
      {kYes, kNo, kCancel},
      {kYes, kNo, kNo},
  }};
  const int b = buttons(style);
  if (b >= static_cast<int>(kAnswers.size())) return kOk;
  return kAnswers[b][defaultButtonIndex(style) % 3];
}

}  // namespace yorvane::mb
