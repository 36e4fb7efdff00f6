#pragma once

#include <QString>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace yorvane {

// The answer when the box is closed without a button: Cancel when there is
// one, else No, else OK.
BoxAnswer messageBoxEscapeAnswer(BoxButtons buttons);
// Whether a box of that style opened now stays above other windows: when
// asked to, beside an always-on-top window of the program, and while the
// program shows no window at all (hidden for a picture), where it could
// otherwise open beneath a full-screen video and wait for an answer unseen.
bool messageBoxStaysOnTop(const BoxStyle& style);
// The text with every CR LF and lone CR turned into a line break.
QString messageBoxText(const std::string& text);

// Shows a modal box and returns the answer of the button pressed.
BoxAnswer showMessageBox(const std::string& text, const std::string& title, const BoxStyle& style);
// Shows an information box with OK that blocks nothing; it goes when answered,
// or when the program hides its windows to take a picture.
void showNoticeBox(const std::string& text, const std::string& title);

}  // namespace yorvane
