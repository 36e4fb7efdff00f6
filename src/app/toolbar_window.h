#pragma once

#include "ui_model/control.h"
#include "ui_model/window.h"

namespace yorvane {

// The compact toolbar's window: a borderless strip, above other windows, with
// the capture buttons and the way back to the main window.
struct ToolbarWindow {
  ToolbarWindow();
  ToolbarWindow(const ToolbarWindow&) = delete;
  ToolbarWindow& operator=(const ToolbarWindow&) = delete;

  Window window;
  Control& dragArea;  // the strip's background, by which it is dragged
  Control& oneShotButton;
  Control& seriesButton;
  Control& modeBox;
  Control& pickerButton;
  Control& standardViewButton;
};

}  // namespace yorvane
