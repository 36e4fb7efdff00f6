#pragma once

#include <string>

#include "platform/message_box.h"

namespace yorvane {

// Messages to the user.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Returns the answer of the button pressed.
  virtual BoxAnswer messageBox(const std::string& text, const std::string& title,
                               const BoxStyle& style) = 0;
  // Shows a message with an OK button and returns at once: the program goes on
  // and clicks reach its windows while the message is up.
  virtual void showNotice(const std::string& text, const std::string& title) = 0;
};

}  // namespace yorvane
