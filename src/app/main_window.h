#pragma once

#include <initializer_list>

#include "platform/geometry.h"
#include "ui_model/control.h"
#include "ui_model/window.h"

namespace yorvane {

// The main window and its controls as the program creates them, with the
// panel following the window's size. The controls carry the object names the
// view, accessibility tools and the end-to-end tests know them by (see
// docs/controls.md).
class MainWindow {
 public:
  explicit MainWindow(Size screen);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  Window window;

  Control& panel;
  Control& oneShotFrame;
  Control& oneShotButton;
  Control& delayFrame;
  ControlArray delayOptions;  // elements 1, 2, 4: the delay in steps of 100 ms
  Control& seriesFrame;
  Control& seriesButton;
  Control& countList;
  Control& countImage;
  Control& intervalFrame;
  ControlArray intervalOptions;  // elements 0 to 3
  Control& aspectFrame;
  ControlArray aspectOptions;  // elements 0 to 3
  Control& toolsFrame;
  Control& edgeTriggerBox;
  Control& numberButton;
  Control& modeBox;
  Control& pickerButton;
  Control& compactViewButton;
  Control& endSoundBox;
  Control& saveSoundBox;
  Control& soundFrame;
  // Outside the panel: the picker's snapshot, the rectangle drawn on it, and
  // the hidden picture box a region picture waits in.
  Control& snapshot;
  Control& selection;
  Control& regionPicture;

 private:
  struct OptionSpec {
    int index;
    Rect twips;
    const char* caption;
    const char* tip;
  };
  Control& add(Control* container, const char* name, ControlKind kind, Rect twips, int index = -1);
  void addOptions(Control& frame, const char* name, ControlArray& array,
                  std::initializer_list<OptionSpec> options);
};

}  // namespace yorvane
