// One-shot capture of the whole screen: timing, numbering, sound and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/runtime_error.h"
#include "platform/bmp_file.h"
#include "platform/message_box.h"
#include "test_app.h"

namespace yorvane::testing {
namespace {

// Starts the program with the running number at `number`, as a settings file leaves it.
void startAt(TestApp& app, int16_t number) {
  app.fake.writeFile("setutei", "2,\"2\",3,1," + std::to_string(number) + ",0\r\n");
  app.start();
}

class OneShot : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    app.start();
    app.click(app.main.delayOptions(GetParam()));
  }
  TestApp app;
};

TEST_P(OneShot, FollowsTheTimingTableToTheMillisecond) {
  const int n = GetParam();
  MainWindow& mainWindow = app.main;
  app.strip.window.show();  // on screen before: hidden all the same, and not brought back
  app.click(mainWindow.oneShotButton);
  EXPECT_TRUE(mainWindow.window.visible()) << "nothing hides at the press";

  app.fake.advanceBy(99);
  EXPECT_TRUE(mainWindow.window.visible());
  app.fake.advanceBy(1);  // tick 1
  EXPECT_FALSE(mainWindow.window.visible());
  EXPECT_FALSE(app.strip.window.visible());

  app.fake.advanceBy(2 * n * 100 - 100 - 1);  // just before the picture tick
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  app.fake.advanceBy(1);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_FALSE(mainWindow.window.visible());

  app.fake.advanceBy(n * 100 - 1);  // just before the end tick
  EXPECT_FALSE(mainWindow.window.visible());
  app.fake.advanceBy(1);
  EXPECT_TRUE(mainWindow.window.visible());
  EXPECT_FALSE(app.strip.window.visible());

  app.fake.advanceBy(5000);
  EXPECT_TRUE(mainWindow.window.visible()) << "the cycle is over";
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_EQ(mainWindow.numberButton.caption(), " 1");
}

TEST_P(OneShot, CompactViewBringsBackTheToolbarOnly) {
  app.click(app.main.compactViewButton);
  app.main.window.show();
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(300 * GetParam());
  EXPECT_TRUE(app.strip.window.visible());
  EXPECT_FALSE(app.main.window.visible());
}

TEST_P(OneShot, PressesDuringACycleGiveOnePicture) {
  app.click(app.main.oneShotButton);
  for (int i = 0; i < 3 * GetParam() - 1; ++i) {
    app.fake.advanceBy(100);
    app.click(app.main.oneShotButton);
  }
  app.fake.advanceBy(100);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  app.fake.advanceBy(1000);
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Delays, OneShot, ::testing::Values(1, 2, 4));

class Pictures : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  TestApp app;
};

TEST_F(Pictures, TheSavedPictureIsTheScreenPixelForPixel) {
  app.takeOneShot();
  const Image saved = readBmpFile(app.fake.bmpFolder() + "/壁紙- 1.bmp");
  EXPECT_EQ(saved, app.fake.screen);
}

TEST_F(Pictures, NamesCarryTheNumberWithItsSignPosition) {
  struct Case {
    int16_t before;
    const char* name;
    const char* caption;
  };
  for (const Case& c : {Case{0, "壁紙- 1.bmp", " 1"}, Case{9, "壁紙- 10.bmp", " 10"},
                        Case{32766, "壁紙- 32767.bmp", " 32767"}, Case{-5, "壁紙--4.bmp", "-4"}}) {
    TestApp numbered;
    startAt(numbered, c.before);
    numbered.takeOneShot();
    EXPECT_EQ(numbered.fake.bmpFiles(), std::vector<std::string>{c.name});
    EXPECT_EQ(numbered.main.numberButton.caption(), c.caption);
  }
}

TEST_F(Pictures, BeepsOnceBeforeTheSaveWhenTheSoundIsOn) {
  app.takeOneShot();
  const auto& e = app.fake.events;
  const auto beep = std::find(e.begin(), e.end(), "beep");
  const auto save = std::find(e.begin(), e.end(), "save 壁紙- 1.bmp");
  ASSERT_NE(save, e.end());
  EXPECT_LT(beep, save);
  EXPECT_EQ(app.fake.beeps, 1);

  app.click(app.main.saveSoundBox);
  ASSERT_EQ(app.main.saveSoundBox.checkState(), CheckState::kUnticked);
  app.takeOneShot();
  EXPECT_EQ(app.fake.beeps, 1);
  EXPECT_EQ(app.fake.bmpFiles().size(), 2u);
}

TEST_F(Pictures, AMissingFolderEndsTheProgramWithItsMessage) {
  std::filesystem::remove_all(app.fake.bmpFolder());
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(400);

  ASSERT_TRUE(app.fake.ended());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].text,
            "BMPフォルダが有りません。\r初期化します。再起動してください。");
  EXPECT_EQ(app.fake.boxes[0].title, "BMPフォルダが有りません");
  EXPECT_EQ(app.fake.boxes[0].style, (BoxStyle{BoxButtons::kOk, BoxIcon::kExclamation}));
  EXPECT_EQ(app.fake.beeps, 1) << "the sound comes before the failed save";
  EXPECT_EQ(app.fake.readText("setutei"), "2,\"2\",3,1,1,0\r\n") << "the number is used up";
  EXPECT_EQ(app.main.numberButton.caption(), "O");
  EXPECT_FALSE(app.fake.fileExists(app.fake.bmpFolder()));
  EXPECT_FALSE(app.main.window.visible());
  const size_t eventsAtEnd = app.fake.events.size();
  app.fake.advanceBy(5000);
  EXPECT_EQ(app.fake.events.size(), eventsAtEnd) << "nothing runs after the end";
}

TEST(LastNumber, IsRefusedNamingTheResetButtonAndTheProgramGoesOn) {
  TestApp app;
  startAt(app, 32767);
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(400);
  app.click(app.main.seriesButton);
  app.fake.advanceBy(5000);

  EXPECT_FALSE(app.fake.ended());
  EXPECT_EQ(app.fake.copies, 0);
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  ASSERT_EQ(app.fake.boxes.size(), 2u) << "one for the one-shot, one for the series";
  for (const auto& box : app.fake.boxes) {
    EXPECT_NE(box.text.find("ファイル名初期化"), std::string::npos) << box.text;
  }
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_FALSE(app.screenSeriesRunning());

  app.fake.answers.push_back(BoxAnswer::kYes);
  app.click(app.main.numberButton);
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(400);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST_F(Pictures, AFailedScreenCopySavesNothingAndUsesNoNumber) {
  app.takeOneShot();
  for (const ScreenCopy failure : {ScreenCopy::kFailed, ScreenCopy::kPaletteScreen}) {
    app.fake.copyResult = failure;
    app.takeOneShot();
  }
  app.fake.copyResult = ScreenCopy::kCopied;
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles(), (std::vector<std::string>{"壁紙- 1.bmp", "壁紙- 2.bmp"}));
  ASSERT_EQ(app.fake.boxes.size(), 2u);
  EXPECT_NE(app.fake.boxes[0].text.find("コピーできません"), std::string::npos);
  EXPECT_NE(app.fake.boxes[1].text.find("色数"), std::string::npos);
  EXPECT_FALSE(app.fake.ended());
}

TEST_F(Pictures, TheWindowWaitsHiddenForASlowCopyAndComesBackAfterASilentOne) {
  // Delay 0.2 s: the picture's tick at 400 ms, the cycle's end at 600 ms.
  app.fake.copyAnswerMs = 700;
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(1099);
  EXPECT_FALSE(app.main.window.visible()) << "the copy is still out";
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  app.fake.advanceBy(1);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_TRUE(app.main.window.visible());

  app.fake.copyAnswerMs = -1;  // the desktop never answers
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(60000);
  EXPECT_FALSE(app.main.window.visible());
  EXPECT_EQ(app.program.orders().takeOneShot({}), "撮影の途中です。");
  app.fake.advanceBy(31000);
  EXPECT_TRUE(app.main.window.visible());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(app.fake.boxes[0].title, "画面をコピーできません");
  EXPECT_EQ(app.fake.bmpFiles().size(), 1u);
  EXPECT_EQ(app.main.numberButton.caption(), " 1");
}

TEST_F(Pictures, ALateAnswerToACopyGivenUpOnIsNotTakenForTheNextOne) {
  app.fake.copyAnswerMs = -1;
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(91000);
  // The desktop answers at last, in order: the next copy, asked for at 400 ms,
  // waits behind the late answer (at 700 ms) for its own (at 1000 ms).
  app.fake.copyAnswerMs = 300;
  app.click(app.main.oneShotButton);
  app.fake.advanceBy(999);
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  app.fake.advanceBy(1);
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST_F(Pictures, ACopyThatAnsweredLeavesNoDeadlineToFailALaterOne) {
  // The first copy is out from 400 to 700 ms; the second from 90,200 to 90,500 ms,
  // across the end of 90 s counted from the first.
  app.fake.copyAnswerMs = 300;
  app.takeOneShot();
  app.fake.advanceBy(88600);
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles().size(), 2u);
}

TEST_F(Pictures, TheNumberIsStoredBeforeTheSaveSoAnyEndKeepsIt) {
  app.takeOneShot();
  app.takeOneShot();
  app.fake.kill();  // no close: killed, or the display lost
  TestApp again(app.fake.folder());
  again.start();
  again.takeOneShot();
  EXPECT_EQ(again.fake.bmpFiles(),
            (std::vector<std::string>{"壁紙- 1.bmp", "壁紙- 2.bmp", "壁紙- 3.bmp"}));
}

TEST_F(Pictures, ANumberThatCannotBeStoredSavesNothingAndNamesTheSettingsFile) {
  app.fake.failReplace = true;
  app.takeOneShot();
  EXPECT_TRUE(app.fake.bmpFiles().empty());
  ASSERT_TRUE(app.fake.ended());
  ASSERT_FALSE(app.fake.boxes.empty());
  EXPECT_NE(app.fake.boxes[0].text.find(app.fake.folder() + "/setutei\rNo space left on device"),
            std::string::npos)
      << app.fake.boxes[0].text;
}

}  // namespace
}  // namespace yorvane::testing
