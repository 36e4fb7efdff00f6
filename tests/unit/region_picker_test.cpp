// Region picker, region capture and the full/partial switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/runtime_error.h"
#include "platform/bmp_file.h"
#include "platform/message_box.h"
#include "test_app.h"
#include "ui_model/layout.h"

namespace yorvane::testing {
namespace {

constexpr const char* kConfirmText =
    "選択範囲は良いですか？\r[キャンセル] を選択すると選択フォームを閉じます";
constexpr const char* kNoRegionText = "コピー範囲が未設定です";
namespace lm = layout::main_window;
// The main window once the picker closes, on the 1000 x 600 screen.
constexpr Rect kClosedPicker{3750, 1500, lm::kPartialWidth, lm::kHeight};

// The w x h rectangle of img at x, y, read pixel by pixel.
Image cut(const Image& img, int x, int y, int w, int h) {
  Image out(w, h);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) out.setPixel(i, j, img.pixel(x + i, y + j));
  }
  return out;
}

// Every channel of every pixel is the mean of its 2 x 2 block, rounded to the nearest level.
::testing::AssertionResult isSmoothHalfOf(const Image& half, const Image& full) {
  if (half.width() != full.width() / 2 || half.height() != full.height() / 2) {
    return ::testing::AssertionFailure() << "size " << half.width() << "x" << half.height();
  }
  for (int y = 0; y < half.height(); ++y) {
    for (int x = 0; x < half.width(); ++x) {
      for (int shift = 0; shift < 24; shift += 8) {
        double sum = 0;
        for (int d = 0; d < 4; ++d)
          sum += (full.pixel(2 * x + d % 2, 2 * y + d / 2) >> shift) & 0xFF;
        const double got = (half.pixel(x, y) >> shift) & 0xFF;
        if (got != std::floor(sum / 4 + 0.5)) {
          return ::testing::AssertionFailure() << "pixel " << x << "," << y << " shift " << shift;
        }
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Partial mode with the shortest delay on a screen large enough for the examples.
class Region : public ::testing::Test {
 protected:
  void SetUp() override {
    app.start();
    app.click(mainWindow.delayOptions(1));
    app.click(mainWindow.modeBox);
    ASSERT_TRUE(mainWindow.pickerButton.enabled());
  }
  // Opens the picker and waits for its snapshot.
  void openPicker(Control& button) {
    app.click(button);
    app.fake.advanceBy(300);
  }
  void drag(float x0, float y0, float x1, float y1) {
    app.mouse(mainWindow.snapshot.onMouseDown, kLeftButton, x0, y0);
    app.mouse(mainWindow.snapshot.onMouseMove, kLeftButton, x1, y1);
  }
  void release(BoxAnswer answer, int16_t button = kLeftButton) {
    app.fake.answers.push_back(answer);
    app.mouse(mainWindow.snapshot.onMouseUp, button, 0, 0);
  }
  void pick(float left, float top, float width, float height, BoxAnswer answer) {
    openPicker(mainWindow.pickerButton);
    drag(left, top, left + width, top + height);
    release(answer);
  }
  // Takes one region picture and reads it back.
  Image oneShot() {
    app.click(mainWindow.oneShotButton);
    app.fake.advanceBy(300);
    return readBmpFile(app.picturePath(static_cast<int>(app.fake.bmpFiles().size())));
  }
  // Whether a one-shot now takes a picture rather than being refused for want of a region.
  bool regionConfirmed() {
    const size_t boxes = app.fake.boxes.size();
    app.click(mainWindow.oneShotButton);
    app.fake.advanceBy(300);
    return app.fake.boxes.size() == boxes;
  }
  void move(int16_t button, float x, float y) {
    app.mouse(mainWindow.snapshot.onMouseMove, button, x, y);
  }

  TestApp app{Size{1000, 600}};
  MainWindow& mainWindow = app.main;
  ToolbarWindow& toolbar = app.strip;
};

class Snapshot : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    app.start();
    app.click(app.main.delayOptions(GetParam()));
    app.click(app.main.modeBox);
  }
  TestApp app{Size{200, 120}};
};

TEST_P(Snapshot, HidesCopiesAndReturnsOnTheTicksOfTheDelay) {
  const int n = GetParam();
  MainWindow& mainWindow = app.main;
  app.click(mainWindow.pickerButton);
  app.fake.advanceBy(99);
  EXPECT_TRUE(mainWindow.window.visible()) << "the picker shows until the first tick";
  app.fake.advanceBy(1);
  EXPECT_FALSE(mainWindow.window.visible());
  EXPECT_FALSE(app.strip.window.visible());

  app.fake.advanceBy(200 * n - 101);
  EXPECT_TRUE(mainWindow.snapshot.picture().empty());
  EXPECT_EQ(app.fake.copies, 0);
  app.fake.advanceBy(1);
  EXPECT_TRUE(isSmoothHalfOf(mainWindow.snapshot.picture(), app.fake.screen));
  EXPECT_FALSE(mainWindow.window.visible());

  app.fake.advanceBy(100 * n - 1);
  EXPECT_FALSE(mainWindow.window.visible());
  EXPECT_TRUE(app.snapshotRunning());
  app.fake.advanceBy(1);
  EXPECT_TRUE(mainWindow.window.visible());
  EXPECT_FALSE(app.strip.window.visible());
  EXPECT_FALSE(app.snapshotRunning());
  EXPECT_TRUE(mainWindow.snapshot.visible());

  app.fake.advanceBy(3000);
  EXPECT_EQ(app.fake.copies, 1);
  EXPECT_TRUE(app.fake.bmpFiles().empty());
}

TEST_P(Snapshot, AFailedCopyKeepsTheSnapshotShown) {
  app.click(app.main.pickerButton);
  app.fake.advanceBy(300 * GetParam());
  const Image first = app.main.snapshot.picture();
  // A full-screen picture of another screen refills the main window image.
  app.fake.screen = patternImage(300, 200);
  app.click(app.main.modeBox);
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(300 * GetParam());
  app.click(app.main.modeBox);
  ASSERT_EQ(readBmpFile(app.picturePath(1)), app.fake.screen);
  app.fake.copyResult = ScreenCopy::kFailed;
  app.click(app.main.pickerButton);
  app.fake.advanceBy(300 * GetParam());
  EXPECT_EQ(app.main.snapshot.picture(), first);
}

INSTANTIATE_TEST_SUITE_P(Delays, Snapshot, ::testing::Values(1, 2, 4));

TEST(PickerGeometry, HalfTheScreenWideAndTheSnapshotSquareOnTheInnerWidth) {
  struct Case {
    Size screen;
    Rect window;  // twips
    float pic2;   // pixels
  };
  for (const Case& c : {Case{{640, 480}, {2400, 1200, 4800, 4000}, 320},
                        Case{{480, 640}, {1800, 1600, 3600, 5200}, 240}}) {
    TestApp app(c.screen);
    app.start();
    app.click(app.main.modeBox);
    app.main.window.move(7, 9);
    app.click(app.main.pickerButton);
    EXPECT_EQ(app.main.window.geometry(), c.window);
    EXPECT_EQ(app.main.snapshot.geometry(), (Rect{0, 0, c.pic2, c.pic2}));
    EXPECT_TRUE(app.main.snapshot.visible());
    EXPECT_FALSE(app.main.selection.visible());
    EXPECT_TRUE(app.snapshotRunning());
  }
}

TEST_F(Region, TheRectangleGrowsOnlyRightOfAndBelowThePressPoint) {
  openPicker(mainWindow.pickerButton);
  app.mouse(mainWindow.snapshot.onMouseDown, kLeftButton, 100, 50);
  EXPECT_TRUE(mainWindow.selection.visible());
  move(kLeftButton, 200, 120);
  const Rect grown{100, 50, 100, 70};
  EXPECT_EQ(mainWindow.selection.geometry(), grown);
  move(kLeftButton, 90, 130);
  EXPECT_EQ(mainWindow.selection.geometry(), grown) << "left of the press point";
  move(kLeftButton, 150, 40);
  EXPECT_EQ(mainWindow.selection.geometry(), grown) << "above the press point";
  move(kLeftButton, 100, 50);
  EXPECT_EQ(mainWindow.selection.geometry(), (Rect{100, 50, 0, 0}));
}

TEST_F(Region, OnlyTheLeftButtonAloneMovesTheEndPoint) {
  openPicker(mainWindow.pickerButton);
  drag(100, 50, 200, 120);
  for (int16_t buttons : {0, 2, 3, 4, 5}) {
    move(buttons, 300, 300);
    EXPECT_EQ(mainWindow.selection.geometry(), (Rect{100, 50, 100, 70})) << buttons;
  }
  move(kLeftButton, 300, 300);
  EXPECT_EQ(mainWindow.selection.geometry(), (Rect{100, 50, 200, 250}));
}

TEST_F(Region, OtherButtonsStartNoDrag) {
  openPicker(mainWindow.pickerButton);
  for (int16_t button : {kRightButton, kMiddleButton}) {
    app.mouse(mainWindow.snapshot.onMouseDown, button, 30, 40);
    EXPECT_FALSE(mainWindow.selection.visible());
  }
  move(kLeftButton, 50, 60);
  EXPECT_EQ(mainWindow.selection.geometry(), (Rect{0, 0, 50, 60})) << "from no press point";
}

TEST_F(Region, TheAspectFactorSetsTheHeightWithoutRounding) {
  struct Case {
    int option;
    float width;
    float height;
  };
  openPicker(mainWindow.pickerButton);
  for (const Case& c : {Case{1, 400, 225}, Case{0, 400, 300}, Case{2, 400, 400},
                        Case{1, 401, 225.5625f}, Case{0, 3, 2.25f}}) {
    app.click(mainWindow.aspectOptions(c.option));
    drag(10, 20, 10 + c.width, 25);
    EXPECT_EQ(mainWindow.selection.geometry(), (Rect{10, 20, c.width, c.height})) << c.option;
  }
  move(kLeftButton, 500, 19);
  EXPECT_EQ(mainWindow.selection.geometry(), (Rect{10, 20, 3, 2.25f}))
      << "pointer above the press point";
  app.click(mainWindow.aspectOptions(3));
  drag(10, 20, 50, 90);
  EXPECT_EQ(mainWindow.selection.geometry(), (Rect{10, 20, 40, 70})) << "free";
}

TEST_F(Region, AReleaseAsksWithASystemModalBox) {
  openPicker(mainWindow.pickerButton);
  drag(100, 50, 260, 140);
  release(BoxAnswer::kCancel, kRightButton);
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].text, kConfirmText);
  EXPECT_EQ(app.fake.boxes[0].title, "選択範囲確認");
  EXPECT_EQ(app.fake.boxes[0].style,
            (BoxStyle{BoxButtons::kYesNoCancel, BoxIcon::kQuestion, 2, true}));
  EXPECT_EQ(defaultAnswer(app.fake.boxes[0].style), BoxAnswer::kCancel);
}

TEST_F(Region, YesConfirmsAndSizesTheRegionPicture) {
  openPicker(mainWindow.pickerButton);
  drag(100, 50, 260, 140);
  release(BoxAnswer::kYes);
  EXPECT_EQ(mainWindow.window.geometry(), kClosedPicker);
  EXPECT_FALSE(mainWindow.snapshot.visible());
  EXPECT_TRUE(mainWindow.window.visible());
  EXPECT_FALSE(toolbar.window.visible());
  EXPECT_TRUE(regionConfirmed());
  EXPECT_EQ(oneShot().size(), (Size{320, 180}));
}

TEST_F(Region, NoTakesAFreshSnapshot) {
  openPicker(mainWindow.pickerButton);
  drag(100, 50, 260, 140);
  release(BoxAnswer::kNo);
  EXPECT_TRUE(app.snapshotRunning());
  EXPECT_TRUE(mainWindow.snapshot.visible());
  EXPECT_FALSE(mainWindow.selection.visible());
  app.fake.advanceBy(100);
  EXPECT_FALSE(mainWindow.window.visible());
  app.fake.advanceBy(200);
  EXPECT_TRUE(mainWindow.window.visible());
  EXPECT_EQ(app.fake.copies, 2);
  EXPECT_FALSE(regionConfirmed());
}

TEST_F(Region, CancelKeepsWhatAnEarlierYesConfirmed) {
  openPicker(mainWindow.pickerButton);
  release(BoxAnswer::kCancel);
  EXPECT_FALSE(mainWindow.snapshot.visible());
  EXPECT_EQ(mainWindow.window.geometry(), kClosedPicker);
  EXPECT_FALSE(regionConfirmed());

  pick(100, 50, 160, 90, BoxAnswer::kYes);
  pick(10, 10, 20, 20, BoxAnswer::kCancel);
  EXPECT_TRUE(regionConfirmed());
  EXPECT_EQ(oneShot().size(), (Size{320, 180}));
}

TEST_F(Region, InCompactViewOnlyTheStripRemainsAfterTheAnswer) {
  app.click(mainWindow.compactViewButton);
  ASSERT_TRUE(toolbar.window.visible());
  for (BoxAnswer answer : {BoxAnswer::kYes, BoxAnswer::kCancel, BoxAnswer::kNo}) {
    app.click(toolbar.pickerButton);
    EXPECT_TRUE(mainWindow.window.visible()) << "shown for picking";
    app.fake.advanceBy(100);
    EXPECT_FALSE(mainWindow.window.visible());
    EXPECT_FALSE(toolbar.window.visible());
    app.fake.advanceBy(200);
    EXPECT_TRUE(mainWindow.window.visible());
    EXPECT_TRUE(toolbar.window.visible());
    drag(100, 50, 260, 140);
    release(answer);
    EXPECT_TRUE(toolbar.window.visible()) << static_cast<int>(answer);
    EXPECT_EQ(mainWindow.window.visible(), answer == BoxAnswer::kNo) << static_cast<int>(answer);
  }
  app.fake.advanceBy(300);
  EXPECT_TRUE(mainWindow.window.visible()) << "a No picks again with both windows";
  EXPECT_TRUE(toolbar.window.visible());
  EXPECT_TRUE(regionConfirmed());
}

TEST_F(Region, TheConfirmedRectangleDoubledIsCutFromTheScreen) {
  pick(100, 50, 320, 180, BoxAnswer::kYes);
  ASSERT_EQ(mainWindow.selection.geometry(), (Rect{100, 50, 320, 180}));
  EXPECT_EQ(oneShot(), cut(app.fake.screen, 200, 100, 640, 360));
  EXPECT_EQ(mainWindow.numberButton.caption(), " 1");
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST_F(Region, ACancelledDragMovesTheCutButKeepsTheConfirmedSize) {
  pick(100, 50, 320, 180, BoxAnswer::kYes);

  pick(10, 10, 400, 250, BoxAnswer::kCancel);
  EXPECT_EQ(oneShot(), cut(app.fake.screen, 20, 20, 640, 360)) << "larger: cut at its edges";

  pick(50, 40, 100, 60, BoxAnswer::kCancel);
  const Image smaller = oneShot();
  ASSERT_EQ(smaller.size(), (Size{640, 360}));
  EXPECT_EQ(cut(smaller, 0, 0, 200, 120), cut(app.fake.screen, 100, 80, 200, 120));
  // The rest keeps the background the press cleared it to.
  const uint32_t background = smaller.pixel(639, 359);
  EXPECT_NE(background, app.fake.screen.pixel(100 + 639, 80 + 359));
  for (int y = 0; y < 360; ++y) {
    for (int x = y < 120 ? 200 : 0; x < 640; ++x) ASSERT_EQ(smaller.pixel(x, y), background);
  }
}

TEST_F(Region, AnEmptyOrMissingRegionIsRefusedBeforeAnythingHides) {
  struct Case {
    const char* what;
    float width;
    float height;
  };
  for (const Case& c : {Case{"no region", -1, -1}, Case{"no width", 0, 30},
                        Case{"no height", 100, 0}, Case{"under a pixel", 0.2f, 30}}) {
    TestApp a(Size{400, 300});
    a.start();
    a.click(a.main.modeBox);
    if (c.width >= 0) a.pickRegion(10, 10, 10 + c.width, 10 + c.height);
    bool tickingDuringBox = true;
    a.fake.whileBoxOpen = [&] { tickingDuringBox = a.regionShotRunning(); };
    const size_t boxesBefore = a.fake.boxes.size();
    const int64_t pressedAt = a.fake.now();
    a.click(a.main.oneShotButton);
    a.fake.advanceBy(99);
    EXPECT_EQ(a.fake.boxes.size(), boxesBefore) << c.what;
    a.fake.advanceBy(3000);

    ASSERT_EQ(a.fake.boxes.size(), boxesBefore + 1) << c.what;
    EXPECT_EQ(a.fake.boxes.back().text, kNoRegionText);
    EXPECT_EQ(a.fake.boxes.back().title, "");
    EXPECT_EQ(a.fake.boxes.back().style, (BoxStyle{BoxButtons::kOk, BoxIcon::kExclamation}));
    EXPECT_EQ(a.fake.boxes.back().at, pressedAt + 100);
    EXPECT_FALSE(tickingDuringBox) << c.what;
    EXPECT_FALSE(a.fake.ended()) << c.what;
    EXPECT_TRUE(a.main.window.visible()) << c.what;
    EXPECT_EQ(a.main.numberButton.caption(), "O");
    EXPECT_TRUE(a.fake.bmpFiles().empty()) << c.what;

    a.click(a.main.seriesButton);
    EXPECT_EQ(a.fake.boxes.size(), boxesBefore + 2) << "a series is refused too";
    EXPECT_TRUE(a.main.window.visible());
    EXPECT_FALSE(a.regionSeriesRunning());
  }
}

TEST_F(Region, APressWhileTheCopyIsOutKeepsThePicture) {
  pick(100, 50, 320, 180, BoxAnswer::kYes);
  app.fake.copyAnswerMs = 300;
  app.click(mainWindow.oneShotButton);
  app.fake.advanceBy(250);
  ASSERT_EQ(app.fake.copies, 2) << "the picker's and the one-shot's";
  app.click(mainWindow.oneShotButton);
  app.fake.advanceBy(2000);
  EXPECT_EQ(readBmpFile(app.picturePath(1)), cut(app.fake.screen, 200, 100, 640, 360));
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u) << "the press fell inside the running cycle";
}

TEST_F(Region, ARegionSeriesSavesTheRegionEachTime) {
  pick(100, 50, 320, 180, BoxAnswer::kYes);
  app.chooseCount(1);
  app.click(mainWindow.seriesButton);
  app.fake.advanceBy(5000);
  ASSERT_EQ(app.fake.bmpFiles().size(), 5u);
  for (int16_t k = 1; k <= 5; ++k) {
    EXPECT_EQ(readBmpFile(app.picturePath(k)), cut(app.fake.screen, 200, 100, 640, 360)) << k;
  }
}

class ModeSwitch : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  void expectLayout(bool partial) {
    EXPECT_EQ(app.main.modeBox.ticked(), partial);
    EXPECT_EQ(app.strip.modeBox.ticked(), partial);
    EXPECT_EQ(app.main.pickerButton.enabled(), partial);
    EXPECT_EQ(app.strip.pickerButton.enabled(), partial);
    EXPECT_EQ(app.main.aspectFrame.enabled(), partial);
    EXPECT_EQ(app.main.aspectFrame.visible(), partial);
    EXPECT_EQ(app.main.toolsFrame.geometry().left,
              partial ? lm::kToolsLeftPartial : lm::kToolsLeftFull);
    EXPECT_EQ(app.main.window.geometry().width, partial ? lm::kPartialWidth : lm::kFullWidth);
    EXPECT_EQ(app.main.window.geometry().height, lm::kHeight);
  }
  TestApp app{Size{400, 300}};
};

TEST_F(ModeSwitch, EitherBoxSwitchesBothAndTheLayout) {
  expectLayout(false);
  for (Control* box : {&app.main.modeBox, &app.strip.modeBox, &app.strip.modeBox, &app.main.modeBox,
                       &app.main.modeBox, &app.strip.modeBox}) {
    const bool partial = !app.main.modeBox.ticked();
    app.click(*box);
    SCOPED_TRACE(box->window().name());
    expectLayout(partial);
  }
}

TEST_F(ModeSwitch, LeavesTheRegionAlone) {
  app.click(app.strip.modeBox);
  app.click(app.main.modeBox);

  app.click(app.main.modeBox);
  app.pickRegion(10, 20, 40, 35);

  app.click(app.strip.modeBox);
  app.click(app.strip.modeBox);
  app.takeOneShot();
  EXPECT_EQ(readBmpFile(app.picturePath(1)), cut(app.fake.screen, 20, 40, 60, 30));
}

}  // namespace
}  // namespace yorvane::testing
