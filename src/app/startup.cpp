// Start-up, the panel following the window's size, and shutdown.
#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

void Form1::Form_Load() {
  DelayIndex = 1;

  const std::string folder = platform_.applicationFolder() + "/";
  bool found = false;
  for (const FolderEntry& entry : platform_.listFolder(folder)) {
    if (entry.name == "." || entry.name == "..") continue;
    if (entry.isDirectory && entry.name == "BMP") found = true;
  }
  if (!found) {
    std::string reason;
    if (!platform_.createFolder(folder + "BMP", &reason)) {
      throw errors::pathFileAccess(folder + "BMP: " + reason);
    }
    platform_.openWithAssociatedProgram(platform_.findResource("Yorvane.txt"));
  }

  window.setTopmost(true);
  window.show();
  Yomikomi();
  Frame1.setBorderStyle(0);
  Check2_Click();
  window.setHeight(3315);
}

void Form1::Form_Resize() {
  Frame1.setGeometry({0, 0, window.scaleWidth(), window.scaleHeight()});
}

void Form1::Form_Unload() {
  program_.storeSettings();
  platform_.endProgram(0);
}

}  // namespace yorvane
