#pragma once

#include <functional>
#include <string>

#include "app/capture_mode.h"
#include "app/compact_toolbar.h"
#include "app/main_window.h"
#include "app/picker_window.h"
#include "app/toolbar_window.h"
#include "capture/failure_exit.h"
#include "capture/file_number_reset.h"
#include "capture/picture_store.h"
#include "capture/region_capture.h"
#include "capture/screen_capture.h"
#include "core/dispatcher.h"
#include "core/runtime_error.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "recording/one_shot.h"
#include "recording/series.h"
#include "region/region_picker.h"
#include "settings/settings_file.h"
#include "toolbar/capture_commands.h"
#include "toolbar/pointer_edge_trigger.h"
#include "ui_model/window_pair.h"

namespace yorvane {

// The running program: both windows, the subsystems behind their controls,
// start-up, shutdown and the settings kept between runs.
class Application : private FailureExit, private CaptureCommands, private Orders {
 public:
  explicit Application(Platform& platform);
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Makes the picture folder when it is missing, shows the main window and
  // loads the settings.
  void start();
  // Runs one event handler. An error it does not handle itself is reported
  // with its number and description, and then the program ends.
  void dispatch(const std::function<void()>& handler);
  const Dispatcher& dispatcher() const { return dispatch_; }

  // Stores the settings and ends the program: a close of the main window, or
  // a request to end from outside.
  void close();

  MainWindow& mainWindow() { return main_; }
  // What other programs may ask of this one.
  Orders& orders() { return *this; }
  ToolbarWindow& toolbarWindow() { return toolbar_; }

 private:
  void wireMainWindow();
  void loadSettings();
  // A choice of the main window's, shown there and taken into the settings,
  // by its option's element or the list's index.
  void chooseDelay(int16_t steps);
  void chooseInterval(int16_t element);
  void chooseCount(int16_t index);
  void chooseAspect(int element);
  // Shows a notice unless the user has seen it, under the name mark, before.
  void tellOnce(const std::string& mark, const std::string& text, const std::string& title);

  [[noreturn]] void reportAndEnd(ErrorNumber number, const std::string& description,
                                 const std::string& detail);

  // FailureExit.
  [[noreturn]] void endAfterFailure() final;
  // Orders.
  std::string takeOneShot(PicturesDone done) override;
  std::string startSeries(PicturesDone done) override;
  void showWindow() override;
  // Why an order cannot be taken now; empty when it can.
  std::string reasonToRefuseOrders() const;

  // CaptureCommands.
  void startOneShot() override { oneShot_.start({}); }
  void startSeries(ProgramWindows::Which pressed) override { series_.start(pressed, {}); }
  void openPickerFromToolbar() override { picker_.open(true); }
  void toolbarModeBoxClicked() override { captureMode_.toolbarBoxClicked(); }

  Platform& platform_;
  Dispatcher dispatch_;
  MainWindow main_;
  ToolbarWindow toolbar_;
  WindowPair windows_;
  // What the user chose and the running number: the windows show them.
  Settings settings_;
  SettingsFile settingsFile_;
  ScreenCapture screen_;
  PictureStore pictures_;
  RegionCapture region_;
  OneShot oneShot_;
  Series series_;
  FileNumberReset numberReset_;
  CaptureMode captureMode_;
  PickerWindow pickerWindow_;
  RegionPicker picker_;
  CompactToolbar compactToolbar_;
  PointerEdgeTrigger edgeTrigger_;
  bool settingsLoaded_ = false;
};

}  // namespace yorvane
