#include "capture/file_number_reset.h"

#include "platform/message_box.h"

namespace yorvane {

void FileNumberReset::askAndReset() {
  const BoxAnswer answer = dialogs_.messageBox("ファイル名を初期化します", "ファイル名初期化",
                                               {BoxButtons::kYesNo, BoxIcon::kQuestion});
  if (answer == BoxAnswer::kYes) {
    pictures_.setFileNumber(0);
    pictures_.showNumber();
  }
}

}  // namespace yorvane
