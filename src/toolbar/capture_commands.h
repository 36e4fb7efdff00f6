#pragma once

#include "core/program_windows.h"

namespace yorvane {

// What the toolbar and the pointer-edge trigger ask of the capture side.
class CaptureCommands {
 public:
  virtual ~CaptureCommands() = default;
  virtual void startOneShot() = 0;
  // Only the window whose button was pressed hides.
  virtual void startSeries(ProgramWindows::Which pressed) = 0;
  // Opens the region picker in the main window, shown for it.
  virtual void openPickerFromToolbar() = 0;
  // The toolbar's full/region box changed.
  virtual void toolbarModeBoxClicked() = 0;
};

}  // namespace yorvane
