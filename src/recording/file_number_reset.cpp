#include "app/form1.h"
#include "ui_model/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

void Form1::Command7_Click() {
  const int answer = platform_.messageBox("ファイル名を初期化します", "ファイル名初期化",
                                          mb::kYesNo + mb::kQuestion);
  if (answer == mb::kYes) {
    FileNumber = 0;
    Command7.setCaption(numberText(FileNumber));
  }
}

}  // namespace yorvane
