#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "ui_model/control.h"
#include "app/globals.h"
#include "ui_model/window.h"
#include "platform/platform.h"
#include "platform/timer.h"

namespace yorvane {

class Program;
class Form2;

// The main window: every control, every timer and all per-window state.
// Handlers keep the names of the control and event they answer; their
// bodies live with the subsystem they belong to (capture/, recording/,
// region/, toolbar/, app/).
class Form1 {
 public:
  explicit Form1(Program& program);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Window window;

  // The visible panel.
  Control& Frame1;
  Control& Frame3;
  Control& Command1;
  Control& Frame2;
  ControlArray Option1;  // elements 1, 2, 4
  Control& Frame4;
  Control& Command3;
  Control& List1;
  Control& Image3;
  Control& Frame5;
  ControlArray Option2;  // elements 0 to 3
  Control& Frame11;
  ControlArray Op3;  // elements 0 to 3
  Control& Frame6;
  Control& Check3;
  Control& Command7;
  Control& Check2;
  Control& Command5;
  Control& Image2;
  Control& Check1;
  Control& Check4;
  Control& Frame10;
  // Outside the panel.
  Control& Pic2;
  Control& Sha1;
  Control& Pic3;

  std::unique_ptr<Timer> Timer1;
  std::unique_ptr<Timer> Timer1a;
  std::unique_ptr<Timer> Timer2;
  std::unique_ptr<Timer> Timer2a;
  std::unique_ptr<Timer> Timer3;
  std::unique_ptr<Timer> Timer3a;
  std::unique_ptr<Timer> Timer4;
  std::unique_ptr<Timer> Timer5;

  // Per-window fields, signed 16-bit unless stated.
  int16_t FileNumber = 0;
  int16_t DelayIndex = 0;
  int16_t FrameTarget = 0;
  int16_t FramesTaken = 0;
  int16_t LeadInTicks = 0;
  std::string IntervalChoice;
  int16_t FullShotTicks = 0;
  int16_t RegionShotTicks = 0;
  int16_t SnapshotTicks = 0;
  float DragStartX = 0;
  float DragStartY = 0;
  float DragEndX = 0;
  float DragEndY = 0;
  int16_t SavedCountIndex = 0;
  int16_t SavedEndSound = 0;

  // Start-up, shutdown and settings.
  void Form_Load();
  void Form_Resize();
  void Form_Unload();
  void Yomikomi();
  // The settings record as it is stored: six fields and CR LF.
  std::string settingsRecord() const;
  std::string settingsPath() const;
  bool settingsLoaded() const { return settingsLoaded_; }

  // One-shot capture.
  void Option1_Click(int16_t Index);
  void Command1_Click();
  void Timer1_Timer();
  void Timer1a_Timer();

  // Series capture.
  void Command3_Click();
  void Timer3_Timer();
  void Timer2_Timer();
  void Timer2a_Timer();
  void Option2_Click(int16_t Index);
  void List1_Click();
  void Rokuga();
  void Roku2();

  // File-number reset.
  void Command7_Click();

  // Region picker, capture mode and aspect ratio.
  void Command5_Click();
  void Timer4_Timer();
  void Pic2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Pic2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void Pic2_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
  void Check2_Click();
  void Op3_Click(int16_t Index);

  // Compact toolbar and pointer trigger.
  void Image2_Click();
  void Check3_Click();
  void Timer5_Timer();

  // Shared by the one-shot starts of both windows and the pointer trigger.
  void startOneShot();
  // Shared by the series starts of both windows.
  void startSeries(Window& pressed);
  // Shared by both picker buttons; showMainWindow when opened from the toolbar.
  void openPicker(bool showMainWindow);

  // Picture folder and file names.
  std::string picturePath(int16_t number) const;

 private:
  friend class Program;

  Control& add(Control* container, const char* name, ControlKind kind, Rect twips,
               int index = -1);
  struct OptionSpec {
    int index;
    Rect twips;
    const char* caption;
    const char* tip;
  };
  void addOptions(Control& frame, const char* name, ControlArray& array,
                  std::initializer_list<OptionSpec> options);
  void wireEvents();
  std::unique_ptr<Timer> makeTimer(const char* name, int intervalMs, void (Form1::*tick)());

  // Capture steps.
  void fullScreenCopy();
  // One picture of a series: counters, the full-screen copy, then inside the
  // failure trap the sound and the save of the image picture() gives.
  void seriesStep(const std::function<const Image&()>& picture);
  void regionCopy();
  void saveSound();
  void savePicture(const Image& image);
  // Runs fn; any failure inside it shows the fixed message and ends the program.
  void withFailureTrap(const std::function<void()>& span);
  [[noreturn]] void failedSave();
  void showWindowInUse();
  // One tick of a one-shot cycle: windows hidden on every tick, the picture on
  // tick 2 x DelayIndex, the window in use back and the timer off on tick 3 x DelayIndex.
  void oneShotTick(int16_t& ticks, Timer& timer, const std::function<void()>& takePicture);
  // A confirmed region that yields a picture of at least one pixel.
  bool regionUsable() const;
  void refuseMissingRegion(Timer& pending);
  void endSeriesWhenComplete(Timer& timer);

  // Set while a region picture waits in Pic3 for its save.
  bool regionPictureWaiting_ = false;
  bool settingsLoaded_ = false;

  Program& program_;
  Platform& platform_;
  Globals& g_;
};

}  // namespace yorvane
