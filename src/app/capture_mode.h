#pragma once

#include "capture/region_capture.h"
#include "ui_model/control.h"
#include "ui_model/window.h"

namespace yorvane {

// The switch between captures of the whole screen and of the region. Both
// windows have a box for it and a picker button that only the region mode
// enables; the main window also widens to show the aspect-ratio choice.
class CaptureMode {
 public:
  struct MainWindowParts {
    Window& window;
    Control& modeBox;
    Control& pickerButton;
    Control& aspectFrame;
    // The frame of the tools right of the aspect-ratio choice, moved aside for it.
    Control& toolsFrame;
  };
  struct ToolbarParts {
    Control& modeBox;
    Control& pickerButton;
  };

  CaptureMode(const MainWindowParts& main, const ToolbarParts& toolbar, RegionCapture& region);

  void mainBoxClicked();
  void toolbarBoxClicked();

 private:
  // Shows the mode in both windows and captures by it: the boxes, the picker
  // buttons, the aspect choice and the main window's width.
  void show(CheckState state);

  MainWindowParts main_;
  ToolbarParts toolbar_;
  RegionCapture& region_;
};

}  // namespace yorvane
