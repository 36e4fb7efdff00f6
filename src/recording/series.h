#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "capture/picture_store.h"
#include "capture/region_capture.h"
#include "capture/screen_capture.h"
#include "core/dispatcher.h"
#include "core/program_windows.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/orders.h"
#include "platform/screen.h"
#include "platform/sounds.h"
#include "platform/timer.h"
#include "recording/one_shot.h"

namespace yorvane {

// A series of pictures at a chosen interval and count. A screen series starts
// after a lead-in of three ticks; a region series starts at once and keeps
// its own fixed pace.
class Series {
 public:
  // The settings give the count and the interval, and whether the chime
  // plays at the end; the interval choice is kept there.
  Series(Screen& screenSource, Dialogs& dialogs, Clock& clock, Sounds& sounds, Files& files,
         const Dispatcher& dispatch, ProgramWindows& windows, ScreenCapture& screen,
         RegionCapture& region, PictureStore& pictures, OneShot& oneShot, Settings& settings);

  // Starts a series; only the window whose button was pressed hides. done,
  // where given, runs with the series' pictures once it has ended.
  void start(ProgramWindows::Which pressed, PicturesDone done);
  // The interval option, elements 0 to 3 for 0.5 to 2 seconds.
  void chooseInterval(int16_t element);
  // True from the press until the last picture.
  bool running() const { return state_ != State::kIdle; }

 private:
  enum class State {
    kIdle,
    kOpeningCopies,  // the desktop opens where the copies come from (a screen cast)
    kLeadIn,         // the screen series' three ticks before its first picture
    kRunning,        // a picture at each tick; a copy may be out
    kLastCopy,       // every tick is done: the last copy is out
  };

  void leadInTick();
  // One tick of a running series: its picture, and after the last one or at
  // the last number the end.
  void seriesTick();
  void copied(ScreenCopy result);
  // The end after the last picture: it says how many ticks saved nothing
  // because the screen copy failed, and whether the pictures kept the pace.
  void end();
  // Stops the series and brings the window back.
  void finish();
  // Notes when a tick came and when it was due: a tick the platform could
  // not run in time comes late, or not at all.
  void notePace(int intervalMs);
  // Tells the user when the series could not keep its pace: ticks skipped
  // because the copy before was still out, or ticks that came late.
  void tellPace(int intervalMs);

  Screen& screenSource_;
  Dialogs& dialogs_;
  Clock& clock_;
  Sounds& sounds_;
  Files& files_;
  Dispatcher dispatch_;
  ProgramWindows& windows_;
  ScreenCapture& screen_;
  RegionCapture& region_;
  PictureStore& pictures_;
  OneShot& oneShot_;
  Settings& settings_;
  int16_t picturesTaken_ = 0;
  int16_t leadInTicks_ = 0;
  int16_t skipped_ = 0;
  ScreenCopy lastFailure_ = ScreenCopy::kCopied;
  int16_t busy_ = 0;           // ticks skipped: the copy before was still waiting
  int16_t saved_ = 0;          // ticks whose copy came
  bool noScreenCast_ = false;  // the desktop gave this series no screen cast
  bool ofRegion_ = false;      // the series is of the region
  PicturesDone waiting_;       // who waits for the series' pictures
  PicturesTaken taken_;        // the pictures saved so far
  State state_ = State::kIdle;
  int64_t firstTickMs_ = 0;
  int64_t lastTickMs_ = 0;
  int64_t dueSpanMs_ = 0;  // from the first tick to the last, at the pace chosen
  std::unique_ptr<Timer> leadInTimer_;
  std::unique_ptr<Timer> screenSeriesTimer_;
  std::unique_ptr<Timer> regionSeriesTimer_;
};

}  // namespace yorvane
