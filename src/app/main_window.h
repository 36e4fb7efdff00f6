#pragma once

#include <initializer_list>
#include <span>

#include "platform/geometry.h"
#include "ui_model/control.h"
#include "ui_model/window.h"

namespace yorvane {

// The main window and its controls as the program creates them, with the
// panel following the window's size. Each control is named as its member; the
// view gives it the object name accessibility tools know it by (see
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

 private:
  struct OptionSpec {
    int index;
    const char* caption;
    const char* tip;
  };
  Control& add(Control* container, const char* name, ControlKind kind, Rect twips, int index = -1);
  // The options in order, each at its rectangle of twips.
  void addOptions(Control& frame, const char* name, ControlArray& array,
                  std::span<const Rect> twips, std::initializer_list<OptionSpec> options);
};

}  // namespace yorvane
