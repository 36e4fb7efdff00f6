// Series capture and the file-number reset, on the virtual clock to the millisecond.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/runtime_error.h"
#include "platform/bmp_file.h"
#include "platform/message_box.h"
#include "test_app.h"

namespace yorvane::testing {
namespace {

class Series : public ::testing::Test {
 protected:
  void SetUp() override {
    app.start();
    app.fake.opened.clear();  // the readme of the first start
  }

  void chooseInterval(int element) { app.click(app.main.intervalOptions(element)); }
  void press(Control& button) {
    app.click(button);
    pressedAt = app.fake.now();
  }
  // Moves the clock to `ms` after the press.
  void advanceTo(int64_t ms) { app.fake.advanceBy(pressedAt + ms - app.fake.now()); }
  size_t pictures() const { return app.fake.bmpFiles().size(); }
  // The n-th picture (from 1) appears exactly at `ms` after the press, not a millisecond sooner.
  void expectPictureAt(int64_t ms, size_t n) {
    advanceTo(ms - 1);
    EXPECT_EQ(pictures(), n - 1) << "1 ms before " << ms;
    advanceTo(ms);
    EXPECT_EQ(pictures(), n) << "at " << ms;
  }
  // Picks the region at screen pixels (6, 8), 20 x 10, in region mode.
  void makeRegion() {
    app.click(app.main.modeBox);
    app.pickRegion(3, 4, 13, 9);
  }
  // What the program does in the tick due at `ms` after the press.
  std::vector<std::string> eventsOfTickAt(int64_t ms) {
    advanceTo(ms - 1);
    const auto before = static_cast<std::ptrdiff_t>(app.fake.events.size());
    advanceTo(ms);
    return {app.fake.events.begin() + before, app.fake.events.end()};
  }

  TestApp app;
  int64_t pressedAt = 0;
};

TEST_F(Series, ItemZeroTakesOnePicture) {
  app.chooseCount(0);
  chooseInterval(0);
  press(app.main.seriesButton);
  expectPictureAt(3200, 1);
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_FALSE(app.seriesRunning());
  advanceTo(20000);
  EXPECT_EQ(pictures(), 1u);
}

TEST_F(Series, FivePicturesHalfASecondApartAfterTheLeadIn) {
  app.chooseCount(1);
  chooseInterval(0);
  press(app.main.seriesButton);
  EXPECT_FALSE(app.main.window.visible()) << "hidden at the press";
  EXPECT_TRUE(app.seriesLeadingIn());

  for (int64_t tick : {900, 1800}) {
    advanceTo(tick);
    EXPECT_FALSE(app.screenSeriesRunning()) << tick;
  }
  advanceTo(2699);
  EXPECT_FALSE(app.screenSeriesRunning());
  advanceTo(2700);
  EXPECT_TRUE(app.screenSeriesRunning());
  EXPECT_FALSE(app.seriesLeadingIn());

  size_t n = 0;
  for (int64_t at : {3200, 3700, 4200, 4700, 5200}) {
    EXPECT_FALSE(app.main.window.visible()) << "before " << at;
    expectPictureAt(at, ++n);
  }
  EXPECT_TRUE(app.main.window.visible()) << "back with the last picture";
  EXPECT_FALSE(app.seriesRunning());
  EXPECT_EQ(readBmpFile(app.fake.bmpFolder() + "/壁紙- 5.bmp"), app.fake.screen);
  advanceTo(30000);
  EXPECT_EQ(pictures(), 5u);
}

TEST_F(Series, TicksWhoseCopyFailsAreSkippedAndCountedAtTheEnd) {
  app.chooseCount(1);
  chooseInterval(0);
  press(app.main.seriesButton);
  for (int64_t at : {3200, 3700, 4200, 4700}) {
    app.fake.copyResult = at == 3700 || at == 4700 ? ScreenCopy::kFailed : ScreenCopy::kCopied;
    advanceTo(at);
    EXPECT_TRUE(app.fake.boxes.empty()) << "no box during the series, at " << at;
  }
  app.fake.copyResult = ScreenCopy::kCopied;
  advanceTo(5200);
  EXPECT_EQ(app.fake.bmpFiles(),
            (std::vector<std::string>{"壁紙- 1.bmp", "壁紙- 2.bmp", "壁紙- 3.bmp"}));
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_NE(app.fake.boxes[0].text.find("2 枚"), std::string::npos) << app.fake.boxes[0].text;
  EXPECT_FALSE(app.seriesRunning());
  EXPECT_TRUE(app.main.window.visible());
}

TEST_F(Series, TicksSkippedWhileACopyWaitsAreToldWithThePaceReached) {
  app.chooseCount(2);
  chooseInterval(0);
  // Each copy takes longer than the interval: the next tick finds it out.
  app.fake.copyAnswerMs = 600;
  press(app.main.seriesButton);
  advanceTo(7799);
  EXPECT_TRUE(app.fake.boxes.empty()) << "the last copy is still out";
  advanceTo(7800);
  EXPECT_EQ(pictures(), 5u);
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].title, "間隔を保てません");
  EXPECT_EQ(app.fake.boxes[0].text,
            "画面のコピーが間に合わず、選んだ間隔（500 ミリ秒）を保てませんでした。\r"
            "平均 1000 ミリ秒ごとに保存しました。\r5 枚は保存していません。");
}

TEST_F(Series, CopiesThatHoldTheProgramAreToldOnlyOnceHalfAnIntervalIsLost) {
  app.chooseCount(1);
  chooseInterval(0);
  app.fake.copyHoldsMs = 550;  // the five ticks 550 ms apart: 200 ms lost
  press(app.main.seriesButton);
  advanceTo(10000);
  EXPECT_EQ(pictures(), 5u);
  EXPECT_TRUE(app.fake.boxes.empty());
  app.fake.copyHoldsMs = 600;  // 400 ms lost
  press(app.main.seriesButton);
  advanceTo(10000);
  EXPECT_EQ(pictures(), 10u);
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].text,
            "画面のコピーが間に合わず、選んだ間隔（500 ミリ秒）を保てませんでした。\r"
            "平均 580 ミリ秒ごとに保存しました。");
}

TEST_F(Series, WithoutAScreenCastTheUserIsToldOnceAfterTheSeries) {
  app.fake.seriesCopies = SeriesCopies::kNoScreenCast;
  app.chooseCount(1);
  chooseInterval(0);
  bool shownAtTheBox = false;
  size_t picturesAtTheBox = 0;
  app.fake.whileBoxOpen = [&] {
    shownAtTheBox = app.main.window.visible();
    picturesAtTheBox = pictures();
  };
  for (int series = 1; series <= 2; ++series) {
    press(app.main.seriesButton);
    advanceTo(5200);
  }
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].title, "スクリーンキャストを使えません");
  EXPECT_TRUE(shownAtTheBox);
  EXPECT_EQ(picturesAtTheBox, 5u);
  EXPECT_EQ(pictures(), 10u);
  for (const char* call : {"series start", "series end"})
    EXPECT_EQ(std::count(app.fake.events.begin(), app.fake.events.end(), call), 2) << call;
}

TEST_F(Series, FifteenAtOneAndAHalfSecondsEndsAt25200) {
  ASSERT_EQ(app.main.countList.listIndex(), 3) << "the default count";
  ASSERT_EQ(app.seriesIntervalMs(), 1500) << "the default interval";
  press(app.main.seriesButton);
  for (size_t n = 1; n <= 15; ++n) {
    expectPictureAt(4200 + 1500 * static_cast<int64_t>(n - 1), n);
    EXPECT_EQ(app.main.window.visible(), n == 15) << n;
  }
  EXPECT_EQ(app.main.numberButton.caption(), " 15");
}

TEST_F(Series, TheIntervalChoiceTimesTheSeriesAndIsKept) {
  const int intervals[] = {500, 1000, 1500, 2000};
  for (int e = 0; e < 4; ++e) {
    chooseInterval(e);
    EXPECT_EQ(app.seriesIntervalMs(), intervals[e]);
  }
  app.close();
  EXPECT_EQ(app.fake.readText("setutei"), "2,\"3\",3,1,0,0\r\n");
}

TEST_F(Series, ARegionSeriesTicksEvery800MsWhateverTheInterval) {
  makeRegion();
  app.chooseCount(1);
  const Image screen = app.fake.screen;
  Image region(20, 10);
  region.copyFrom(screen, 6, 8, 20, 10);

  for (int e = 0; e < 4; ++e) {
    SCOPED_TRACE("interval element " + std::to_string(e));
    chooseInterval(e);
    const size_t before = pictures();
    press(app.main.seriesButton);
    EXPECT_FALSE(app.main.window.visible());
    EXPECT_TRUE(app.regionSeriesRunning());
    EXPECT_FALSE(app.seriesLeadingIn());
    for (size_t n = 1; n <= 5; ++n) expectPictureAt(800 * static_cast<int64_t>(n), before + n);
    EXPECT_TRUE(app.main.window.visible());
    EXPECT_FALSE(app.seriesRunning());
  }
  EXPECT_EQ(readBmpFile(app.fake.bmpFolder() + "/壁紙- 20.bmp"), region);
}

TEST_F(Series, ACountChosenDuringASeriesCountsFromTheNextTick) {
  chooseInterval(0);
  app.chooseCount(2);  // 10
  press(app.main.seriesButton);
  advanceTo(3700);
  ASSERT_EQ(pictures(), 2u);
  app.chooseCount(0);
  expectPictureAt(4200, 3);
  EXPECT_TRUE(app.main.window.visible()) << "the lowered count ended the series";
  EXPECT_FALSE(app.seriesRunning());

  app.chooseCount(1);  // 5
  press(app.main.seriesButton);
  advanceTo(4700);
  ASSERT_EQ(pictures(), 7u);
  app.chooseCount(2);  // 10
  advanceTo(5200);
  EXPECT_EQ(pictures(), 8u);
  EXPECT_FALSE(app.main.window.visible()) << "the raised count runs on";
  advanceTo(7700);
  EXPECT_EQ(pictures(), 13u);
  EXPECT_TRUE(app.main.window.visible());
}

TEST_F(Series, AnIntervalChosenDuringASeriesTimesTheNextTick) {
  chooseInterval(0);
  app.chooseCount(1);
  press(app.main.seriesButton);
  advanceTo(3300);
  ASSERT_EQ(pictures(), 1u);
  chooseInterval(3);
  expectPictureAt(5300, 2);
  expectPictureAt(7300, 3);
  chooseInterval(1);
  expectPictureAt(8300, 4);
  expectPictureAt(9300, 5);
  EXPECT_TRUE(app.main.window.visible());
}

TEST_F(Series, ASecondPressDuringASeriesStartsNoOther) {
  press(app.main.seriesButton);  // 15 at 1.5
  advanceTo(1000);
  app.click(app.main.seriesButton);  // in the lead-in
  expectPictureAt(4200, 1);
  advanceTo(5000);
  app.click(app.main.seriesButton);  // among the pictures
  for (size_t n = 2; n <= 15; ++n) expectPictureAt(4200 + 1500 * static_cast<int64_t>(n - 1), n);
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_FALSE(app.seriesRunning());
  advanceTo(60000);
  EXPECT_EQ(pictures(), 15u);
}

TEST_F(Series, PartialModeWithoutARegionIsRefused) {
  app.click(app.main.modeBox);
  app.strip.window.show();
  app.click(app.main.oneShotButton);  // a one-shot region capture waiting for its first tick
  ASSERT_TRUE(app.regionShotRunning());

  app.click(app.main.seriesButton);
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].text, "コピー範囲が未設定です");
  EXPECT_EQ(app.fake.boxes[0].title, "");
  EXPECT_EQ(app.fake.boxes[0].style, (BoxStyle{BoxButtons::kOk, BoxIcon::kExclamation}));
  EXPECT_FALSE(app.regionShotRunning());
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(app.seriesRunning());

  app.fake.advanceBy(10000);
  EXPECT_EQ(app.fake.boxes.size(), 1u) << "the dropped one-shot shows nothing more";
  EXPECT_EQ(pictures(), 0u);
  EXPECT_EQ(app.main.numberButton.caption(), "O");
  EXPECT_TRUE(app.main.window.visible());
}

TEST_F(Series, FromTheToolbarOnlyTheToolbarHides) {
  app.chooseCount(1);
  chooseInterval(0);
  app.strip.window.show();
  press(app.strip.seriesButton);
  EXPECT_FALSE(app.strip.window.visible());
  EXPECT_TRUE(app.main.window.visible());
  advanceTo(5200);
  EXPECT_EQ(pictures(), 5u);
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_FALSE(app.strip.window.visible())
      << "not in compact view: the main window is the one in use";

  app.click(app.main.compactViewButton);
  press(app.strip.seriesButton);
  EXPECT_FALSE(app.strip.window.visible());
  advanceTo(5199);
  EXPECT_FALSE(app.strip.window.visible());
  advanceTo(5200);
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(app.main.window.visible());
}

TEST_F(Series, TheEndSoundIsOpenedOnlyWhenTicked) {
  app.chooseCount(1);
  chooseInterval(0);
  ASSERT_EQ(app.main.endSoundBox.checkState(), CheckState::kTicked);
  press(app.main.seriesButton);
  advanceTo(5199);
  EXPECT_TRUE(app.fake.opened.empty()) << "not before the last picture";
  std::vector<std::string> tick = eventsOfTickAt(5200);
  ASSERT_EQ(app.fake.opened.size(), 1u);
  const std::string& sound = app.fake.opened[0];
  const std::string name = "録画が、終りました.wav";
  ASSERT_GE(sound.size(), name.size());
  EXPECT_EQ(sound.substr(sound.size() - name.size()), name);
  EXPECT_EQ(tick, (std::vector<std::string>{"copy", "beep", "save 壁紙- 5.bmp", "series end",
                                            "open " + sound}));

  app.click(app.main.endSoundBox);
  ASSERT_EQ(app.main.endSoundBox.checkState(), CheckState::kUnticked);
  press(app.main.seriesButton);
  tick = eventsOfTickAt(5200);
  EXPECT_EQ(tick, (std::vector<std::string>{"copy", "beep", "save 壁紙- 10.bmp", "series end"}));
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_EQ(app.fake.opened.size(), 1u);
}

TEST_F(Series, WithASoundServerBothSoundsPlayThereAndTheOpenerStaysShut) {
  app.fake.soundServer = true;
  app.chooseCount(1);
  chooseInterval(0);
  press(app.main.seriesButton);
  const std::vector<std::string> tick = eventsOfTickAt(5200);
  const std::string chime = app.fake.folder() + "/録画が、終りました.wav";
  EXPECT_EQ(tick, (std::vector<std::string>{"copy", "sound camera-shutter", "save 壁紙- 5.bmp",
                                            "series end", "sound " + chime}));
  EXPECT_TRUE(app.fake.opened.empty());
  EXPECT_EQ(app.fake.beeps, 0);
}

TEST_F(Series, TheNumberButtonShowsTheLastNumberOnlyWhenTheSeriesEnds) {
  app.chooseCount(1);
  chooseInterval(0);
  press(app.main.seriesButton);
  for (int64_t at : {3200, 3700, 4200, 4700}) {
    advanceTo(at);
    EXPECT_EQ(app.main.numberButton.caption(), "O") << at;
  }
  advanceTo(5200);
  EXPECT_EQ(app.main.numberButton.caption(), " 5");
  EXPECT_TRUE(app.fake.fileExists(app.picturePath(5)));

  // The next series takes the full count again.
  press(app.main.seriesButton);
  advanceTo(5200);
  EXPECT_EQ(pictures(), 10u);
  EXPECT_EQ(app.main.numberButton.caption(), " 10");
}

TEST_F(Series, AOneShotFromThePointerRunsBesideTheSeries) {
  app.click(app.main.delayOptions(1));
  app.chooseCount(1);
  chooseInterval(1);
  app.fake.pointer = Point{400, 300};
  app.click(app.main.edgeTriggerBox);  // polls every 100 ms from now
  press(app.main.seriesButton);
  advanceTo(3700);
  ASSERT_EQ(pictures(), 1u);

  app.fake.pointer = Point{0, 300};
  advanceTo(3800);  // the trigger fires once
  app.fake.pointer = Point{400, 300};
  ASSERT_TRUE(app.screenShotRunning());
  advanceTo(4000);  // the one-shot picture, with the next number
  EXPECT_EQ(pictures(), 2u);
  EXPECT_EQ(app.main.numberButton.caption(), " 2");
  advanceTo(4100);
  EXPECT_TRUE(app.main.window.visible()) << "the one-shot shows its window when its cycle ends";

  advanceTo(7700);
  EXPECT_EQ(pictures(), 6u);
  EXPECT_EQ(app.main.numberButton.caption(), " 6");
  EXPECT_FALSE(app.seriesRunning());
  advanceTo(20000);
  EXPECT_EQ(pictures(), 6u);
}

class FileNumberReset : public ::testing::Test {
 protected:
  void SetUp() override {
    app.fake.writeFile("setutei", "2,\"2\",3,1,7,0\r\n");
    app.start();
    ASSERT_EQ(app.main.numberButton.caption(), " 7");
  }
  void expectQuestion(size_t count) {
    ASSERT_EQ(app.fake.boxes.size(), count);
    for (const auto& box : app.fake.boxes) {
      EXPECT_EQ(box.text, "ファイル名を初期化します");
      EXPECT_EQ(box.title, "ファイル名初期化");
      EXPECT_EQ(box.style, (BoxStyle{BoxButtons::kYesNo, BoxIcon::kQuestion}));
    }
  }
  TestApp app;
};

TEST_F(FileNumberReset, YesStartsTheNumberingAgain) {
  app.fake.answers = {BoxAnswer::kYes};
  app.click(app.main.numberButton);
  expectQuestion(1);
  EXPECT_EQ(app.main.numberButton.caption(), " 0");
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST_F(FileNumberReset, NoChangesNothing) {
  app.fake.answers = {BoxAnswer::kNo};
  app.click(app.main.numberButton);
  expectQuestion(1);
  EXPECT_EQ(app.main.numberButton.caption(), " 7");
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 8.bmp"});
}

TEST_F(FileNumberReset, TwiceInARowAsksTwice) {
  app.fake.answers = {BoxAnswer::kYes, BoxAnswer::kYes};
  app.click(app.main.numberButton);
  app.click(app.main.numberButton);
  expectQuestion(2);
  EXPECT_EQ(app.main.numberButton.caption(), " 0");

  app.fake.answers = {BoxAnswer::kNo};
  app.click(app.main.numberButton);
  expectQuestion(3);
  EXPECT_EQ(app.main.numberButton.caption(), " 0");
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST_F(FileNumberReset, AResetBeforeShutdownIsStored) {
  app.fake.answers = {BoxAnswer::kYes};
  app.click(app.main.numberButton);
  app.close();
  ASSERT_TRUE(app.fake.ended());
  EXPECT_EQ(app.fake.exitCode(), 0);
  EXPECT_EQ(app.fake.readText("setutei"), "2,\"2\",3,1,0,0\r\n");
}

}  // namespace
}  // namespace yorvane::testing
