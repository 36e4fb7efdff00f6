// The compact toolbar: swap, dragging, its buttons, and the pointer-edge trigger.
#include <gtest/gtest.h>

#include "platform/bmp_file.h"
#include "test_app.h"

namespace yorvane::testing {
namespace {

// On a 640 x 480 screen, 9600 twips wide: the main window's left edge ends at 9600 - 5565.
constexpr float kRightmostMainLeft = 4035;

class Toolbar : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  void toStrip() {
    app.click(f1.compactViewButton);
    ASSERT_TRUE(f2.window.visible());
  }
  Rect strip() const { return f2.window.geometry(); }
  // A press and one move with the same buttons, at positions inside the control.
  void dragOn(Control& c, int16_t buttons, float x0, float y0, float x1, float y1) {
    app.mouse(c.onMouseDown, buttons, x0, y0);
    app.mouse(c.onMouseMove, buttons, x1, y1);
  }

  TestApp app{Size{640, 480}};
  MainWindow& f1 = app.main;
  ToolbarWindow& f2 = app.strip;
};

TEST_F(Toolbar, TheSwapPutsTheStripOnScreenAtTheMainWindowsTop) {
  EXPECT_TRUE(f2.window.topmost()) << "the strip must stay above the video";
  EXPECT_FALSE(f2.window.bordered());
  f1.window.move(-300, 700);
  toStrip();
  EXPECT_TRUE(f2.window.visible());
  EXPECT_FALSE(f1.window.visible());
  EXPECT_EQ(strip(), (Rect{0, 700, 1770, 375}));

  app.click(f2.standardViewButton);
  f1.window.move(200, -450);
  toStrip();
  EXPECT_EQ(strip(), (Rect{200, -450, 1770, 375})) << "the top is not corrected";
}

TEST_F(Toolbar, TheSwapBackKeepsTheMainWindowOffTheRightEdge) {
  struct Case {
    float stripLeft, stripTop;
    float mainLeft;
  };
  for (const Case& c : {Case{5000, -200, kRightmostMainLeft},
                        Case{kRightmostMainLeft, 30, kRightmostMainLeft}, Case{-800, 40, -800}}) {
    toStrip();
    f2.window.move(c.stripLeft, c.stripTop);
    app.click(f2.standardViewButton);
    EXPECT_TRUE(f1.window.visible());
    EXPECT_FALSE(f2.window.visible());
    EXPECT_EQ(f1.window.geometry().left, c.mainLeft) << c.stripLeft;
    EXPECT_EQ(f1.window.geometry().top, c.stripTop) << c.stripLeft;
  }
}

TEST_F(Toolbar, ThereAndBackWithoutDraggingRestoresThePosition) {
  f1.window.move(1234, 567);
  toStrip();
  app.click(f2.standardViewButton);
  EXPECT_EQ(f1.window.geometry().left, 1234);
  EXPECT_EQ(f1.window.geometry().top, 567);
}

TEST_F(Toolbar, TheRightButtonDragsFromEveryControlWithoutClickingIt) {
  toStrip();
  for (Control* c :
       {&f2.oneShotButton, &f2.seriesButton, &f2.modeBox, &f2.pickerButton, &f2.dragArea}) {
    const Rect before = strip();
    // The press position is kept in whole twips: 100.6 counts as 101.
    dragOn(*c, kRightButton, 100.6f, 200, 160, 150);
    EXPECT_EQ(strip(), (Rect{before.left + 59, before.top - 50, 1770, 375})) << c->name();
  }
  const Rect before = strip();
  app.mouse(f2.window.onMouseDown, kRightButton, 10, 10);
  app.mouse(f2.window.onMouseMove, kRightButton, 30, 5);
  EXPECT_EQ(strip(), (Rect{before.left + 20, before.top - 5, 1770, 375}));

  EXPECT_EQ(f2.modeBox.value(), 0);
  EXPECT_FALSE(app.fake.timerEnabled("screenShotTimer"));
  EXPECT_FALSE(app.fake.timerEnabled("leadInTimer"));
  app.fake.advanceBy(3000);
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  EXPECT_TRUE(f2.window.visible());
}

TEST_F(Toolbar, TheLeftButtonDragsOnlyTheFreeStrip) {
  toStrip();
  Rect before = strip();
  for (Control* c : {&f2.oneShotButton, &f2.seriesButton, &f2.modeBox, &f2.pickerButton}) {
    dragOn(*c, kLeftButton, 100, 200, 160, 150);
    EXPECT_EQ(strip(), before) << c->name();
  }
  app.mouse(f2.window.onMouseDown, kLeftButton, 10, 10);
  app.mouse(f2.window.onMouseMove, kLeftButton, 30, 5);
  EXPECT_EQ(strip(), before) << "the window itself follows the right button only";

  dragOn(f2.dragArea, kLeftButton, 100, 200, 160, 150);
  before = {before.left + 60, before.top - 50, 1770, 375};
  EXPECT_EQ(strip(), before);

  for (int16_t buttons : {3, 4, 0}) {  // left and right together, middle, none
    for (Control* c : {&f2.dragArea, &f2.oneShotButton}) {
      dragOn(*c, buttons, 100, 200, 160, 150);
      EXPECT_EQ(strip(), before) << c->name() << " " << buttons;
    }
    app.mouse(f2.window.onMouseDown, buttons, 100, 200);
    app.mouse(f2.window.onMouseMove, buttons, 160, 150);
    EXPECT_EQ(strip(), before) << "window " << buttons;
  }
}

TEST_F(Toolbar, ItsButtonsRunTheMainWindowsCode) {
  toStrip();
  app.click(f2.oneShotButton);
  EXPECT_TRUE(app.fake.timerEnabled("screenShotTimer"));
  app.fake.advanceBy(1200);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_EQ(f1.numberButton.caption(), " 1");
  EXPECT_TRUE(f2.window.visible()) << "the strip comes back";
  EXPECT_FALSE(f1.window.visible());

  app.click(f2.modeBox);
  EXPECT_EQ(f1.modeBox.value(), 1);
  EXPECT_TRUE(f1.pickerButton.enabled());
  app.click(f2.oneShotButton);
  EXPECT_TRUE(app.fake.timerEnabled("regionShotTimer"));
  app.fake.advanceBy(1200);

  app.click(f2.pickerButton);
  EXPECT_TRUE(f1.window.visible());
  EXPECT_TRUE(f1.snapshot.visible());
  EXPECT_TRUE(app.fake.timerEnabled("snapshotTimer"));
  app.fake.advanceBy(1200);
  app.mouse(f1.snapshot.onMouseUp, kLeftButton, 0, 0);  // the default answer, Cancel
  EXPECT_FALSE(f1.window.visible());

  app.click(f2.modeBox);
  app.click(f2.seriesButton);
  EXPECT_TRUE(app.fake.timerEnabled("leadInTimer"));
  EXPECT_FALSE(f2.window.visible());
}

class PointerTrigger : public ::testing::Test {
 protected:
  void SetUp() override {
    app.start();
    app.click(f1.delayOptions(1));
  }
  TestApp app;
  MainWindow& f1 = app.main;
};

TEST_F(PointerTrigger, TheBoxTicksThePoll) {
  EXPECT_FALSE(app.fake.timerEnabled("pointerPollTimer"));
  app.click(f1.edgeTriggerBox);
  EXPECT_TRUE(app.fake.timerEnabled("pointerPollTimer"));
  EXPECT_EQ(app.fake.timerInterval("pointerPollTimer"), 100);
  app.click(f1.edgeTriggerBox);
  EXPECT_FALSE(app.fake.timerEnabled("pointerPollTimer"));
  app.run([&] { f1.edgeTriggerBox.setValue(2); });
  EXPECT_FALSE(app.fake.timerEnabled("pointerPollTimer")) << "greyed";
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
    EXPECT_FALSE(app.fake.timerEnabled("screenShotTimer"));
    app.fake.advanceBy(1);
    const std::string where = c.pointer ? std::to_string(c.pointer->x) : "unreadable";
    EXPECT_EQ(app.fake.timerEnabled("screenShotTimer"), c.triggers) << where;
    app.fake.advanceBy(5000);
    EXPECT_EQ(app.fake.bmpFiles().empty(), !c.triggers) << where;
  }
}

TEST_F(PointerTrigger, ARestingPointerGivesOnePicturePerCycle) {
  app.fake.pointer = Point{0, 200};
  app.click(f1.edgeTriggerBox);
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
  EXPECT_EQ(f1.numberButton.caption(), numberText(static_cast<int16_t>(savedAt.size())));
}

TEST_F(PointerTrigger, UntickingLetsThePendingCycleFinish) {
  app.fake.pointer = Point{0, 200};
  app.click(f1.edgeTriggerBox);
  app.fake.advanceBy(150);
  ASSERT_TRUE(app.fake.timerEnabled("screenShotTimer"));
  app.click(f1.edgeTriggerBox);
  app.fake.advanceBy(5000);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_TRUE(f1.window.visible());
}

TEST_F(PointerTrigger, InCompactViewTheStripComesBack) {
  app.fake.pointer = Point{300, 20};
  app.click(f1.edgeTriggerBox);
  app.click(f1.compactViewButton);
  app.fake.advanceBy(1000);
  EXPECT_TRUE(app.fake.bmpFiles().empty());

  app.fake.pointer = Point{0, 20};
  app.fake.advanceBy(100);
  ASSERT_TRUE(app.fake.timerEnabled("screenShotTimer"));
  app.fake.advanceBy(100);
  EXPECT_FALSE(app.strip.window.visible());
  app.fake.advanceBy(200);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(f1.window.visible());
}

}  // namespace
}  // namespace yorvane::testing
