// The settings file: reading and applying it at start-up, the fallback, the
// record written at shutdown and on the failure paths, and its replacement.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/bmp_file.h"
#include "platform/message_box.h"
#include "platform/posix_files.h"
#include "settings/settings_record.h"
#include "test_app.h"

namespace yorvane::testing {
namespace {

namespace fs = std::filesystem;

const char* const kFirstStartRecord = "2,\"2\",3,1,0,0\r\n";

void close(TestApp& app) {
  app.close();
}

bool selected(const Control& c) {
  return c.selected();
}

void expectFallback(const MainWindow& mainWindow) {
  EXPECT_TRUE(selected(mainWindow.delayOptions(2)));
  EXPECT_TRUE(selected(mainWindow.intervalOptions(2)));
  EXPECT_EQ(mainWindow.countList.listIndex(), 3);
  EXPECT_EQ(mainWindow.countList.items()[3], "15");
}

// The state the window was created with, which the fallback does not touch.
void expectCreatedState(const MainWindow& mainWindow) {
  EXPECT_EQ(mainWindow.endSoundBox.checkState(), CheckState::kTicked);
  EXPECT_EQ(mainWindow.numberButton.caption(), "O");
  EXPECT_TRUE(selected(mainWindow.aspectOptions(3)));
}

class Settings : public ::testing::Test {
 protected:
  void startWith(const std::string& content) {
    app.fake.writeFile("setutei", content);
    app.start();
    ASSERT_FALSE(app.fake.ended());
  }
  std::string stored() const { return app.fake.readText("setutei"); }
  TestApp app;
};

TEST_F(Settings, NoFileTakesTheDefaultsAndTheFirstCloseWritesThem) {
  app.start();
  const std::vector<std::string> items{"0",  "5",  "10", "15", "20", "25", "30",
                                       "35", "40", "45", "50", "55", "60"};
  EXPECT_EQ(app.main.countList.items(), items);
  expectFallback(app.main);
  expectCreatedState(app.main);
  EXPECT_FALSE(app.fake.fileExists(app.fake.folder() + "/setutei")) << "read only at start-up";

  close(app);
  EXPECT_EQ(app.fake.exitCode(), 0);
  EXPECT_EQ(stored(), kFirstStartRecord);
}

// Files the load cannot use: the fallback applies, the created state of the
// other controls stays, and what was read before the fault is written back.
struct Unusable {
  const char* name;
  std::string content;
  int16_t fileNumber;
};

void PrintTo(const Unusable& u, std::ostream* os) {
  *os << u.name;
}

class UnusableFile : public Settings, public ::testing::WithParamInterface<Unusable> {};

TEST_P(UnusableFile, FallsBackKeepingWhatWasRead) {
  startWith(GetParam().content);
  expectFallback(app.main);
  EXPECT_EQ(app.main.endSoundBox.checkState(), CheckState::kTicked);
  EXPECT_EQ(app.main.numberButton.caption(), "O");
  EXPECT_TRUE(selected(app.main.aspectOptions(3)));
  EXPECT_TRUE(app.fake.boxes.empty()) << "silently";

  close(app);
  EXPECT_EQ(stored(), "2,\"2\",3,1," + std::to_string(GetParam().fileNumber) + ",0\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnusableFile,
    ::testing::Values(
        Unusable{"Empty", "", 0}, Unusable{"BlankLinesOnly", "\r\n \r\n\n", 0},
        Unusable{"CutShort", "1,\"0\",5,0,9", 9},
        Unusable{"CutShortInTheSecondRecord", "4,\"0\",5,0,9,0\r\n1,\"1\"", 9},
        Unusable{"OneFieldTooMany", "4,\"0\",5,0,9,0,1\r\n", 9},
        Unusable{"DelayZero", "0,\"1\",5,0,21,0", 21},
        Unusable{"DelayNegative", "-4,\"1\",5,0,21,0", 21},
        Unusable{"DelayFive", "5,\"1\",5,0,21,0", 21},
        Unusable{"IntervalOutOfRange", "4,\"4\",5,0,21,0", 21},
        Unusable{"IntervalEmpty", "4,\"\",5,0,21,0", 21},
        Unusable{"IntervalLetters", "4,\"x\",5,0,21,0", 21},
        Unusable{"CountBeyondTheList", "4,\"1\",13,0,21,0", 21},
        Unusable{"CountBelowNothing", "4,\"1\",-2,0,21,0", 21},
        Unusable{"SoundBeyondGreyed", "4,\"1\",5,3,21,0", 21},
        Unusable{"LettersInAnInteger", "four,\"1\",5,0,21,0", 21},
        Unusable{"FractionInAnInteger", "4,\"1\",5.0,0,21,0", 21},
        Unusable{"NumberBeyond16Bits", "4,\"1\",5,0,32768,0", 0},
        Unusable{"SignWithoutDigits", "4,\"1\",5,0,+-3,0", 0},
        Unusable{"AspectWithExponent", "4,\"1\",5,0,21,1e-3", 21},
        Unusable{"AspectPeriodOnly", "4,\"1\",5,0,21,.", 21},
        Unusable{"BinaryJunk", std::string("\x00\xff\x01\x7f,\"\x00\",\xfe\xfe", 11), 0},
        Unusable{"TooLargeAFile", "4,\"0\",5,0,9,0\r\n" + std::string(70000, ' '), 0}),
    [](const auto& param) { return param.param.name; });

TEST_F(Settings, ADelayOfThreeFallsBackButKeepsNumberAndAspectForTheNextClose) {
  startWith("3,\"1\",5,0,12,0.75\r\n");
  expectFallback(app.main);
  EXPECT_TRUE(selected(app.main.aspectOptions(3))) << "the load stopped before the aspect choice";
  close(app);
  EXPECT_EQ(stored(), "2,\"2\",3,1,12,0.75\r\n");
}

TEST_F(Settings, AValueThatCannotBeAppliedKeepsWhatWasAppliedBeforeIt) {
  startWith("4,\"0\",12,7,5,1\r\n");
  expectFallback(app.main);
  EXPECT_EQ(app.seriesIntervalMs(), 1500) << "intervalOptions(2) was selected last";
  EXPECT_EQ(app.main.endSoundBox.checkState(), CheckState::kTicked);
  EXPECT_EQ(app.main.numberButton.caption(), "O");
}

TEST_F(Settings, ACompleteRecordSetsEveryControlAndVariable) {
  startWith("4,\"0\",12,0,27,0.5625\r\n");
  MainWindow& mainWindow = app.main;
  EXPECT_TRUE(selected(mainWindow.delayOptions(4)));
  EXPECT_FALSE(selected(mainWindow.delayOptions(2)));
  EXPECT_TRUE(selected(mainWindow.intervalOptions(0)));
  EXPECT_EQ(app.seriesIntervalMs(), 500);
  EXPECT_EQ(mainWindow.countList.listIndex(), 12);
  EXPECT_EQ(mainWindow.endSoundBox.checkState(), CheckState::kUnticked);
  EXPECT_EQ(mainWindow.numberButton.caption(), " 27");
  EXPECT_TRUE(selected(mainWindow.aspectOptions(1)));
  EXPECT_FALSE(selected(mainWindow.aspectOptions(3)));
  close(app);
  EXPECT_EQ(stored(), "4,\"0\",12,0,27,0.5625\r\n");
}

// Hand-written forms the reader takes as the program's own record.
class ReadableForm : public Settings, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReadableForm, ReadsAsTheCanonicalRecord) {
  startWith(GetParam());
  EXPECT_TRUE(selected(app.main.delayOptions(1)));
  EXPECT_EQ(app.main.countList.listIndex(), 7);
  EXPECT_EQ(app.main.endSoundBox.checkState(), CheckState::kGreyed);
  EXPECT_EQ(app.main.numberButton.caption(), " 31");
  EXPECT_TRUE(selected(app.main.aspectOptions(2)));
  close(app);
  EXPECT_EQ(stored(), "1,\"3\",7,2,31,1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadableForm,
                         ::testing::Values("1,\"3\",7,2,31,1", " 1 ,\t\"3\" , 7,2 ,31,  1 \r\n",
                                           "1,\"3\",7,2,31,1\n\n\r\n  \r\n",
                                           "1,\"3\"\r\n7,2\r\n31,1\r\n", "+1,\"03\",007,2,31,1.0",
                                           "1,3,7,2,31,1",
                                           "4,\"0\",12,0,27,0.5625\r\n1,\"3\",7,2,31,1\r\n"));

TEST_F(Settings, BothDecimalFormsOfThreeQuartersSelectFourToThree) {
  for (const char* aspect : {".75", "0.75"}) {
    TestApp fresh;
    fresh.fake.writeFile("setutei", std::string("2,\"2\",3,1,0,") + aspect + "\r\n");
    fresh.start();
    EXPECT_TRUE(selected(fresh.main.aspectOptions(0))) << aspect;
    fresh.close();
    EXPECT_EQ(fresh.fake.readText("setutei"), "2,\"2\",3,1,0,0.75\r\n") << aspect;
  }
}

TEST_F(Settings, AnAspectOfNoElementChangesNoSelectionAndIsWrittenBack) {
  startWith("4,\"1\",5,0,8,0.5\r\n");
  EXPECT_TRUE(selected(app.main.delayOptions(4)));
  EXPECT_TRUE(selected(app.main.intervalOptions(1)));
  EXPECT_EQ(app.main.countList.listIndex(), 5);
  EXPECT_EQ(app.main.numberButton.caption(), " 8");
  EXPECT_TRUE(selected(app.main.aspectOptions(3)));
  close(app);
  EXPECT_EQ(stored(), "4,\"1\",5,0,8,0.5\r\n");
}

TEST_F(Settings, TheNumberIsShownWithItsSignPosition) {
  for (const auto& [field, caption] :
       {std::pair{"0", " 0"}, std::pair{"-3", "-3"}, std::pair{"32767", " 32767"}}) {
    TestApp fresh;
    fresh.fake.writeFile("setutei", std::string("2,\"2\",3,1,") + field + ",0\r\n");
    fresh.start();
    EXPECT_EQ(fresh.main.numberButton.caption(), caption) << field;
  }
}

TEST_F(Settings, SelectingTheAlreadySelectedOptionsStillSetsTheirVariables) {
  ASSERT_EQ(app.seriesIntervalMs(), 800);
  startWith(kFirstStartRecord);
  EXPECT_EQ(app.seriesIntervalMs(), 1500) << "the click ran for intervalOptions(2)";
  close(app);
  EXPECT_EQ(stored(), kFirstStartRecord);
}

TEST_F(Settings, APipeInTheFilesPlaceIsNotWaitedFor) {
  ASSERT_EQ(::mkfifo((app.fake.folder() + "/setutei").c_str(), 0644), 0);
  app.start();
  expectFallback(app.main);
}

TEST_F(Settings, AFileAtTheReadBoundIsStillRead) {
  const std::string record = "4,\"1\",5,0,9,1\r\n";
  startWith(record + std::string(settings::kMaxFileBytes - record.size(), '\n'));
  EXPECT_EQ(app.main.numberButton.caption(), " 9");
  EXPECT_TRUE(selected(app.main.delayOptions(4)));
}

TEST_F(Settings, ARoundTripRestoresControlsAndVariables) {
  app.start();
  MainWindow& mainWindow = app.main;
  app.takeOneShot();
  app.takeOneShot();
  ASSERT_EQ(mainWindow.numberButton.caption(), " 2");
  app.click(mainWindow.delayOptions(4));
  app.click(mainWindow.intervalOptions(3));
  app.chooseCount(9);
  app.click(mainWindow.endSoundBox);
  app.click(mainWindow.modeBox);
  app.click(mainWindow.aspectOptions(2));
  close(app);
  const std::string record = stored();
  EXPECT_EQ(record, "4,\"3\",9,0,2,1\r\n");

  TestApp again(app.fake.folder());
  again.start();
  MainWindow& g1 = again.main;
  EXPECT_TRUE(again.fake.opened.empty()) << "the picture folder is there already";
  EXPECT_TRUE(selected(g1.delayOptions(4)));
  EXPECT_TRUE(selected(g1.intervalOptions(3)));
  EXPECT_EQ(again.seriesIntervalMs(), 2000);
  EXPECT_EQ(g1.countList.listIndex(), 9);
  EXPECT_EQ(g1.endSoundBox.checkState(), CheckState::kUnticked);
  EXPECT_EQ(g1.numberButton.caption(), " 2");
  EXPECT_TRUE(selected(g1.aspectOptions(2)));
  EXPECT_EQ(g1.modeBox.checkState(), CheckState::kUnticked) << "the capture mode is not kept";
  close(again);
  EXPECT_EQ(again.fake.readText("setutei"), record);
}

// Writing the record: the old file stays whole until the new one replaces it.
class SettingsWrite : public Settings {
 protected:
  const std::string old = "4,\"0\",12,0,27,0.5625\r\n";
  void SetUp() override {
    startWith(old);
    app.click(app.main.delayOptions(1));
  }
  void expectReportedWriteError() {
    ASSERT_TRUE(app.fake.ended());
    EXPECT_EQ(app.fake.exitCode(), 1);
    ASSERT_EQ(app.fake.boxes.size(), 1u);
    const std::string& text = app.fake.boxes[0].text;
    EXPECT_NE(text.find("実行時エラー '75'"), std::string::npos) << text;
    EXPECT_NE(text.find(app.fake.folder() + "/setutei"), std::string::npos) << text;
    EXPECT_EQ(app.fake.boxes[0].style, (BoxStyle{BoxButtons::kOk, BoxIcon::kCritical}));
    EXPECT_EQ(stored(), old);
  }
};

TEST_F(SettingsWrite, AFailedReplaceIsReportedAndLeavesTheOldFile) {
  app.fake.failReplace = true;
  close(app);
  expectReportedWriteError();
  EXPECT_NE(app.fake.boxes[0].text.find("No space left on device"), std::string::npos);
}

TEST_F(SettingsWrite, WhatOthersLeftBesideTheFileNeverBlocksTheWrite) {
  fs::create_directory(app.fake.folder() + "/setutei.tmp");
  fs::create_symlink(app.fake.folder() + "/nowhere", app.fake.folder() + "/.setutei.part-XXXXXX");
  close(app);
  EXPECT_TRUE(app.fake.boxes.empty());
  EXPECT_EQ(app.fake.exitCode(), 0);
  EXPECT_NE(stored(), old);
  EXPECT_TRUE(fs::is_directory(app.fake.folder() + "/setutei.tmp")) << "not ours to remove";
}

TEST(ReplaceFile, ReplacesTheContentAndLeavesNoTemporaryFile) {
  FakePlatform fake;
  const std::string path = fake.folder() + "/setutei";
  fake.writeFile("setutei", "a much longer old content than the new one\r\n");
  std::string reason;
  ASSERT_TRUE(posix::replaceFile(path, "1,\"2\",3,1,5,0\r\n", Durability::kOnDisk, &reason))
      << reason;
  EXPECT_EQ(fake.readText("setutei"), "1,\"2\",3,1,5,0\r\n");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(fake.folder())) names.push_back(e.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"setutei"});
  // The permissions of a new file, whatever the old one had.
  struct stat st = {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(st.st_mode & 07777, 0644 & ~mask);

  // A replacement that cannot take the place (a folder is there) leaves nothing behind.
  fs::create_directory(fake.folder() + "/BMP");
  EXPECT_FALSE(posix::replaceFile(fake.folder() + "/BMP", "x", Durability::kOnDisk, &reason));
  names.clear();
  for (const auto& e : fs::directory_iterator(fake.folder())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"BMP", "setutei"}));
}

TEST(ReplaceFile, AReadOnlyFolderKeepsTheOldFile) {
  FakePlatform fake;
  fake.writeFile("setutei", "old\r\n");
  ASSERT_EQ(::chmod(fake.folder().c_str(), 0555), 0);
  const bool writable = ::access(fake.folder().c_str(), W_OK) == 0;
  std::string reason;
  const bool replaced = !writable && posix::replaceFile(fake.folder() + "/setutei", "new",
                                                        Durability::kOnDisk, &reason);
  ::chmod(fake.folder().c_str(), 0755);
  if (writable) GTEST_SKIP() << "permissions do not bind this user";
  EXPECT_FALSE(replaced);
  EXPECT_EQ(reason, "Permission denied");
  EXPECT_EQ(fake.readText("setutei"), "old\r\n");
}

// The failure paths store the running number, so a restart goes on after it.
TEST_F(Settings, AFailedSaveStoresTheNumberAndARestartGoesOnWithoutOverwriting) {
  app.start();
  app.takeOneShot();
  app.takeOneShot();
  ASSERT_EQ(app.fake.bmpFiles(), (std::vector<std::string>{"壁紙- 1.bmp", "壁紙- 2.bmp"}));
  const std::string folder = app.fake.folder();
  fs::rename(app.fake.bmpFolder(), folder + "/BMP.away");
  app.takeOneShot();
  ASSERT_TRUE(app.fake.ended());
  EXPECT_EQ(app.fake.exitCode(), 1);
  EXPECT_EQ(stored(), "2,\"2\",3,1,3,0\r\n") << "the number of the failed picture is used up";

  fs::rename(folder + "/BMP.away", app.fake.bmpFolder());
  TestApp again(folder);
  again.fake.screen = patternImage(32, 16);
  again.start();
  EXPECT_EQ(again.main.numberButton.caption(), " 3");
  again.takeOneShot();
  EXPECT_EQ(again.fake.bmpFiles(),
            (std::vector<std::string>{"壁紙- 1.bmp", "壁紙- 2.bmp", "壁紙- 4.bmp"}));
  EXPECT_EQ(readBmpFile(again.fake.bmpFolder() + "/壁紙- 2.bmp"), app.fake.screen);
  EXPECT_EQ(readBmpFile(again.fake.bmpFolder() + "/壁紙- 4.bmp"), again.fake.screen);
}

TEST_F(Settings, WithoutAUsableFileNumberingGoesOnAfterTheSavedPictures) {
  for (const char* settings : {"", "2,\"2\",x,1,1,0\r\n"}) {
    TestApp lost;
    fs::create_directory(lost.fake.bmpFolder());
    if (*settings) lost.fake.writeFile("setutei", settings);
    for (const char* name :
         {"壁紙- 2.bmp", "壁紙- 7.bmp", "壁紙- 09.bmp", "壁紙- 30x.bmp", "x- 99.bmp"}) {
      lost.fake.writeFile(std::string("BMP/") + name, "BM");
    }
    lost.start();
    lost.takeOneShot();
    EXPECT_TRUE(lost.fake.fileExists(lost.picturePath(8))) << settings;

    lost.fake.answers.push_back(BoxAnswer::kYes);
    lost.click(lost.main.numberButton);
    lost.takeOneShot();
    EXPECT_EQ(readBmpFile(lost.picturePath(1)), lost.fake.screen) << "the reset starts at 1";
  }
}

TEST_F(Settings, TheRuntimeErrorReportStoresTheNumberBeforeTheEnd) {
  startWith("1,\"0\",2,0,32767,0\r\n");
  app.click(app.main.intervalOptions(3));
  app.run([] { throw errors::overflow(); });
  ASSERT_TRUE(app.fake.ended());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_NE(app.fake.boxes[0].text.find("オーバーフロー"), std::string::npos);
  EXPECT_EQ(stored(), "1,\"3\",2,0,32767,0\r\n");
}

TEST_F(Settings, AFailureBeforeTheLoadLeavesTheFileAlone) {
  const std::string old = "4,\"0\",12,0,27,0.5625\r\n";
  app.fake.writeFile("setutei", old);
  app.fake.writeFile("BMP", "a plain file in the folder's way");
  app.start();
  ASSERT_TRUE(app.fake.ended());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_EQ(stored(), old);
}

TEST(SettingsRecord, EveryFiniteAspectValueIsWrittenSoItReadsBack) {
  for (const float v :
       {0.75f, 0.5625f, 1.0f, 0.0f, 0.5f, -2.5f, 1e-5f, 1.0e-45f, 3.0e38f, 123456.789f, 0.1f}) {
    const std::string text = settings::formatSingle(v);
    const auto back = settings::parseSingle(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(*back, v) << text;
  }
  EXPECT_EQ(settings::formatSingle(*settings::parseSingle("-0.0")), "0");
  EXPECT_EQ(settings::formatSingle(0.75f), "0.75");
  EXPECT_EQ(settings::formatSingle(1.0f), "1");
}

TEST(SettingsRecord, IntegersAreSignedSixteenBitsWithNothingElse) {
  EXPECT_EQ(settings::parseInteger("-32768"), int16_t{-32768});
  EXPECT_EQ(settings::parseInteger("+7"), int16_t{7});
  for (const char* bad : {"", "+", "-", "32768", "-32769", "1.0", "1e2", "0x1", "+-1", "1 2",
                          "99999999999999999999999"}) {
    EXPECT_FALSE(settings::parseInteger(bad)) << bad;
  }
}

TEST(SettingsRecord, QuotedFieldsYieldTheTextBetweenTheQuotes) {
  EXPECT_EQ(settings::splitFields("\"a,b\" x,\"\",c,\r\n"),
            (std::vector<std::string>{"a,b", "", "c", ""}));
  EXPECT_EQ(settings::splitFields("\"open"), std::vector<std::string>{"open"});
}

}  // namespace
}  // namespace yorvane::testing
