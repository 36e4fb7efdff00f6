#pragma once

#include "app/main_window.h"
#include "platform/screen.h"
#include "region/picker_view.h"
#include "ui_model/window_pair.h"

namespace yorvane {

// The region picker in the main window: the window grown over the middle of
// the screen, the snapshot in its picture box and the rectangle on it.
class PickerWindow : public PickerView {
 public:
  PickerWindow(Screen& screen, WindowPair& windows, MainWindow& main)
      : screen_(screen), windows_(windows), main_(main) {}

  void open(bool showMainWindow) override;
  void showSnapshot(const Image& screen, double scale) override;
  void showWindows() override;
  void showRectangle(const Rect& onSnapshot) override;
  void close() override;

 private:
  Screen& screen_;
  WindowPair& windows_;
  MainWindow& main_;
};

}  // namespace yorvane
