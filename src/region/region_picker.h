#pragma once

#include <memory>

#include "capture/region_capture.h"
#include "capture/screen_capture.h"
#include "capture/shot_cycle.h"
#include "core/dispatcher.h"
#include "core/mouse_event.h"
#include "core/program_windows.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screen.h"
#include "platform/timer.h"
#include "region/picker_view.h"

namespace yorvane {

// Picking the capture region: the main window grows to show a half-size
// snapshot of the desktop, taken with the windows hidden, and the user drags
// a rectangle on it and confirms it.
class RegionPicker {
 public:
  // The snapshot waits the settings' delay; the rectangle keeps their aspect.
  RegionPicker(Screen& screenSource, Dialogs& dialogs, Clock& clock, const Dispatcher& dispatch,
               ProgramWindows& windows, PickerView& view, const Settings& settings,
               ScreenCapture& screen, RegionCapture& region);

  // From the toolbar the main window is shown for picking.
  void open(bool showMainWindow);
  // True while the windows are away for the snapshot.
  bool takingSnapshot() const { return cycle_.running(); }

  // The mouse on the snapshot, in its logical pixels.
  void press(const MouseEvent& e);
  void drag(const MouseEvent& e);
  // Asks whether the rectangle is the one: yes confirms it, no takes a fresh
  // snapshot, cancel closes the picker.
  void release();

 private:
  void copied(ScreenCopy result);

  Screen& screenSource_;
  Dialogs& dialogs_;
  PickerView& view_;
  ScreenCapture& screen_;
  RegionCapture& region_;
  const Settings& settings_;
  ShotCycle cycle_;
  // The screen's pixels per logical pixel as the snapshot was taken.
  double snapshotScale_ = 1;
  // Logical pixels of the snapshot.
  float dragStartX_ = 0;
  float dragStartY_ = 0;
  float dragEndX_ = 0;
  float dragEndY_ = 0;
};

}  // namespace yorvane
