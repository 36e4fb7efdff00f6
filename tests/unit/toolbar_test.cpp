// The compact toolbar: swap, dragging, its buttons, and the pointer-edge trigger.
#include <gtest/gtest.h>

#include "platform/bmp_file.h"
#include "test_app.h"
#include "ui_model/layout.h"

namespace yorvane::testing {
namespace {

// On a 640 x 480 screen: the main window's left edge ends its width off the right edge.
constexpr float kRightmostMainLeft = 640 * 15 - layout::main_window::kFullWidth;
constexpr Rect stripAt(float left, float top) {
  return {left, top, layout::toolbar_window::kWindow.width, layout::toolbar_window::kWindow.height};
}

class Toolbar : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  void toStrip() {
    app.click(mainWindow.compactViewButton);
    ASSERT_TRUE(toolbar.window.visible());
  }
  Rect strip() const { return toolbar.window.geometry(); }
  // A press and one move with the same buttons, at positions inside the control.
  void dragOn(Control& c, int16_t buttons, float x0, float y0, float x1, float y1) {
    app.mouse(c.onMouseDown, buttons, x0, y0);
    app.mouse(c.onMouseMove, buttons, x1, y1);
  }

  TestApp app{Size{640, 480}};
  MainWindow& mainWindow = app.main;
  ToolbarWindow& toolbar = app.strip;
};

TEST_F(Toolbar, TheSwapPutsTheStripOnScreenAtTheMainWindowsTop) {
  EXPECT_TRUE(toolbar.window.topmost()) << "the strip must stay above the video";
  EXPECT_FALSE(toolbar.window.bordered());
  mainWindow.window.move(-300, 700);
  toStrip();
  EXPECT_TRUE(toolbar.window.visible());
  EXPECT_FALSE(mainWindow.window.visible());
  EXPECT_EQ(strip(), stripAt(0, 700));

  app.click(toolbar.standardViewButton);
  mainWindow.window.move(200, -450);
  toStrip();
  EXPECT_EQ(strip(), stripAt(200, -450)) << "the top is not corrected";
}

TEST_F(Toolbar, TheSwapBackKeepsTheMainWindowOffTheRightEdge) {
  struct Case {
    float stripLeft, stripTop;
    float mainLeft;
  };
  for (const Case& c : {Case{5000, -200, kRightmostMainLeft},
                        Case{kRightmostMainLeft, 30, kRightmostMainLeft}, Case{-800, 40, -800}}) {
    toStrip();
    toolbar.window.move(c.stripLeft, c.stripTop);
    app.click(toolbar.standardViewButton);
    EXPECT_TRUE(mainWindow.window.visible());
    EXPECT_FALSE(toolbar.window.visible());
    EXPECT_EQ(mainWindow.window.geometry().left, c.mainLeft) << c.stripLeft;
    EXPECT_EQ(mainWindow.window.geometry().top, c.stripTop) << c.stripLeft;
  }
}

TEST_F(Toolbar, ThereAndBackWithoutDraggingRestoresThePosition) {
  mainWindow.window.move(1234, 567);
  toStrip();
  app.click(toolbar.standardViewButton);
  EXPECT_EQ(mainWindow.window.geometry().left, 1234);
  EXPECT_EQ(mainWindow.window.geometry().top, 567);
}

TEST_F(Toolbar, TheRightButtonDragsFromEveryControlWithoutClickingIt) {
  toStrip();
  for (Control* c : {&toolbar.oneShotButton, &toolbar.seriesButton, &toolbar.modeBox,
                     &toolbar.pickerButton, &toolbar.dragArea}) {
    const Rect before = strip();
    // The press position is kept in whole twips: 100.6 counts as 101.
    dragOn(*c, kRightButton, 100.6f, 200, 160, 150);
    EXPECT_EQ(strip(), stripAt(before.left + 59, before.top - 50)) << c->name();
  }
  const Rect before = strip();
  app.mouse(toolbar.window.onMouseDown, kRightButton, 10, 10);
  app.mouse(toolbar.window.onMouseMove, kRightButton, 30, 5);
  EXPECT_EQ(strip(), stripAt(before.left + 20, before.top - 5));

  EXPECT_EQ(toolbar.modeBox.checkState(), CheckState::kUnticked);
  EXPECT_FALSE(app.screenShotRunning());
  EXPECT_FALSE(app.seriesLeadingIn());
  app.fake.advanceBy(3000);
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  EXPECT_TRUE(toolbar.window.visible());
}

TEST_F(Toolbar, TheLeftButtonDragsOnlyTheFreeStrip) {
  toStrip();
  Rect before = strip();
  for (Control* c :
       {&toolbar.oneShotButton, &toolbar.seriesButton, &toolbar.modeBox, &toolbar.pickerButton}) {
    dragOn(*c, kLeftButton, 100, 200, 160, 150);
    EXPECT_EQ(strip(), before) << c->name();
  }
  app.mouse(toolbar.window.onMouseDown, kLeftButton, 10, 10);
  app.mouse(toolbar.window.onMouseMove, kLeftButton, 30, 5);
  EXPECT_EQ(strip(), before) << "the window itself follows the right button only";

  dragOn(toolbar.dragArea, kLeftButton, 100, 200, 160, 150);
  before = stripAt(before.left + 60, before.top - 50);
  EXPECT_EQ(strip(), before);

  for (int16_t buttons : {3, 4, 0}) {  // left and right together, middle, none
    for (Control* c : {&toolbar.dragArea, &toolbar.oneShotButton}) {
      dragOn(*c, buttons, 100, 200, 160, 150);
      EXPECT_EQ(strip(), before) << c->name() << " " << buttons;
    }
    app.mouse(toolbar.window.onMouseDown, buttons, 100, 200);
    app.mouse(toolbar.window.onMouseMove, buttons, 160, 150);
    EXPECT_EQ(strip(), before) << "window " << buttons;
  }
}

TEST_F(Toolbar, ItsButtonsRunTheMainWindowsCode) {
  toStrip();
  app.click(toolbar.oneShotButton);
  EXPECT_TRUE(app.screenShotRunning());
  app.fake.advanceBy(1200);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_EQ(mainWindow.numberButton.caption(), " 1");
  EXPECT_TRUE(toolbar.window.visible()) << "the strip comes back";
  EXPECT_FALSE(mainWindow.window.visible());

  app.click(toolbar.modeBox);
  EXPECT_EQ(mainWindow.modeBox.checkState(), CheckState::kTicked);
  EXPECT_TRUE(mainWindow.pickerButton.enabled());
  app.click(toolbar.oneShotButton);
  EXPECT_TRUE(app.regionShotRunning());
  app.fake.advanceBy(1200);

  app.click(toolbar.pickerButton);
  EXPECT_TRUE(mainWindow.window.visible());
  EXPECT_TRUE(mainWindow.snapshot.visible());
  EXPECT_TRUE(app.snapshotRunning());
  app.fake.advanceBy(1200);
  app.mouse(mainWindow.snapshot.onMouseUp, kLeftButton, 0, 0);  // the default answer, Cancel
  EXPECT_FALSE(mainWindow.window.visible());

  app.click(toolbar.modeBox);
  app.click(toolbar.seriesButton);
  EXPECT_TRUE(app.seriesLeadingIn());
  EXPECT_FALSE(toolbar.window.visible());
}

class PointerTrigger : public ::testing::Test {
 protected:
  void SetUp() override {
    app.start();
    app.click(mainWindow.delayOptions(1));
  }
  TestApp app;
  MainWindow& mainWindow = app.main;
};

TEST_F(PointerTrigger, TheBoxTicksThePoll) {
  EXPECT_FALSE(app.watchingPointerEdge());
  app.click(mainWindow.edgeTriggerBox);
  EXPECT_TRUE(app.watchingPointerEdge());
  app.click(mainWindow.edgeTriggerBox);
  EXPECT_FALSE(app.watchingPointerEdge());
  app.run([&] { mainWindow.edgeTriggerBox.setCheckState(CheckState::kGreyed); });
  EXPECT_FALSE(app.watchingPointerEdge()) << "greyed";
}

TEST_F(PointerTrigger, OnWaylandTheBoxSaysItCannotWorkAndStaysUnticked) {
  app.fake.session = SessionKind::Wayland;
  app.click(mainWindow.edgeTriggerBox);
  EXPECT_EQ(mainWindow.edgeTriggerBox.checkState(), CheckState::kUnticked);
  EXPECT_FALSE(app.watchingPointerEdge());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_NE(app.fake.boxes[0].text.find("Wayland"), std::string::npos);
}

TEST(PointerEdge, OnlyColumnsLeftOfFiveTrigger) {
  struct Case {
    std::optional<Point> pointer;
    bool triggers;
  };
  for (const Case& c :
       {Case{Point{4, 30}, true}, Case{Point{5, 30}, false}, Case{Point{0, 0}, true},
        Case{Point{0, 47}, true}, Case{Point{-20, 10}, true}, Case{Point{63, 0}, false},
        Case{std::nullopt, false}}) {
    TestApp app;
    app.start();
    app.fake.pointer = c.pointer;
    app.click(app.main.edgeTriggerBox);
    app.fake.advanceBy(99);
    EXPECT_FALSE(app.screenShotRunning());
    app.fake.advanceBy(1);
    const std::string where = c.pointer ? std::to_string(c.pointer->x) : "unreadable";
    EXPECT_EQ(app.screenShotRunning(), c.triggers) << where;
    app.fake.advanceBy(5000);
    EXPECT_EQ(app.fake.bmpFiles().empty(), !c.triggers) << where;
  }
}

TEST_F(PointerTrigger, ARestingPointerGivesOnePicturePerCycle) {
  app.fake.pointer = Point{0, 200};
  app.click(mainWindow.edgeTriggerBox);
  std::vector<int64_t> savedAt;
  while (app.fake.now() < 4000) {
    app.fake.advanceBy(100);
    if (app.fake.bmpFiles().size() > savedAt.size()) savedAt.push_back(app.fake.now());
    ASSERT_EQ(app.fake.bmpFiles().size(), savedAt.size()) << "one picture per tick at most";
  }
  ASSERT_GE(savedAt.size(), 9u);
  for (size_t k = 1; k < savedAt.size(); ++k) {
    EXPECT_GE(savedAt[k] - savedAt[k - 1], 300) << k;
    EXPECT_LE(savedAt[k] - savedAt[k - 1], 400) << k;
  }
  EXPECT_EQ(mainWindow.numberButton.caption(), numberText(static_cast<int16_t>(savedAt.size())));
}

TEST_F(PointerTrigger, UntickingLetsThePendingCycleFinish) {
  app.fake.pointer = Point{0, 200};
  app.click(mainWindow.edgeTriggerBox);
  app.fake.advanceBy(150);
  ASSERT_TRUE(app.screenShotRunning());
  app.click(mainWindow.edgeTriggerBox);
  app.fake.advanceBy(5000);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_TRUE(mainWindow.window.visible());
}

TEST_F(PointerTrigger, InCompactViewTheStripComesBack) {
  app.fake.pointer = Point{300, 20};
  app.click(mainWindow.edgeTriggerBox);
  app.click(mainWindow.compactViewButton);
  app.fake.advanceBy(1000);
  EXPECT_TRUE(app.fake.bmpFiles().empty());

  app.fake.pointer = Point{0, 20};
  app.fake.advanceBy(100);
  ASSERT_TRUE(app.screenShotRunning());
  app.fake.advanceBy(100);
  EXPECT_FALSE(app.strip.window.visible());
  app.fake.advanceBy(200);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(mainWindow.window.visible());
}

}  // namespace
}  // namespace yorvane::testing
