#pragma once

#include "app/application.h"
#include "core/runtime_error.h"
#include "fake_platform.h"
#include "platform/message_box.h"

namespace yorvane::testing {

// A whole program on the fake platform.
struct TestApp {
  explicit TestApp(Size screen = {64, 48}) : fake(screen) {}
  // A program started again on the application folder of an earlier one.
  explicit TestApp(const std::string& folder) : fake(folder) {}

  // Runs the start-up as the program's launch does.
  void start() {
    fake.run([this] { program.start(); });
  }
  // Runs a handler as the event loop does.
  void run(const std::function<void()>& handler) {
    fake.run([this, &handler] { program.dispatch(handler); });
  }
  // A click of the user on a control.
  void click(Control& c) {
    run([&c] { c.userClick(); });
  }
  void mouse(const std::function<void(const MouseEvent&)>& hook, int16_t button, float x, float y) {
    run([&] { hook(MouseEvent{button, 0, x, y}); });
  }
  // The user closes the main window: the settings are stored and the program ends.
  void close() {
    run([this] { main.window.onUnload(); });
  }
  // The user picks an item of the count list.
  void chooseCount(int16_t item) {
    run([this, item] { main.countList.userChooseItem(item); });
  }
  // Presses the one-shot button and waits until the windows are back, at any delay.
  void takeOneShot() {
    click(main.oneShotButton);
    fake.advanceBy(1200);
  }
  // Picks the region from (left, top) to (right, bottom) on the picker's
  // snapshot, in its pixels, and confirms it.
  void pickRegion(float left, float top, float right, float bottom) {
    click(main.pickerButton);
    fake.advanceBy(600);
    mouse(main.snapshot.onMouseDown, kLeftButton, left, top);
    mouse(main.snapshot.onMouseMove, kLeftButton, right, bottom);
    fake.answers.push_back(BoxAnswer::kYes);
    mouse(main.snapshot.onMouseUp, kLeftButton, right, bottom);
  }
  // What is under way, from the press until the windows are back.
  bool screenShotRunning() const { return fake.timerEnabled("screenShotTimer"); }
  bool regionShotRunning() const { return fake.timerEnabled("regionShotTimer"); }
  bool snapshotRunning() const { return fake.timerEnabled("snapshotTimer"); }
  bool seriesLeadingIn() const { return fake.timerEnabled("leadInTimer"); }
  bool screenSeriesRunning() const { return fake.timerEnabled("screenSeriesTimer"); }
  bool regionSeriesRunning() const { return fake.timerEnabled("regionSeriesTimer"); }
  bool seriesRunning() const {
    return seriesLeadingIn() || screenSeriesRunning() || regionSeriesRunning();
  }
  int seriesIntervalMs() const { return fake.timerInterval("screenSeriesTimer"); }
  // Whether the pointer is watched for the left screen edge.
  bool watchingPointerEdge() const { return fake.timerEnabled("pointerPollTimer"); }
  std::string picturePath(int number) const {
    return fake.bmpFolder() + "/壁紙-" + numberText(static_cast<int16_t>(number)) + ".bmp";
  }

  FakePlatform fake;
  Application program{fake};
  MainWindow& main = program.mainWindow();
  ToolbarWindow& strip = program.toolbarWindow();
};

}  // namespace yorvane::testing
