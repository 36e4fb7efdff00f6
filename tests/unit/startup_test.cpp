// The main window at creation, start-up, the panel following the window, and shutdown.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/app_folder.h"
#include "test_app.h"
#include "ui_model/layout.h"

namespace yorvane::testing {
namespace {

namespace fs = std::filesystem;
namespace lm = layout::main_window;

TEST(MainWindowAtCreation, NothingShowsOrTicksBeforeTheStartUp) {
  TestApp app;
  EXPECT_FALSE(app.main.window.visible());
  EXPECT_FALSE(app.strip.window.visible());
  EXPECT_TRUE(app.main.countList.items().empty()) << "the list is filled at start-up";
  app.fake.advanceBy(10000);
  EXPECT_TRUE(app.fake.events.empty()) << "no timer ticks until one is enabled";
}

TEST(MainWindowAtCreation, PlacesControlsInsideTheirFramesInPixels) {
  TestApp app;
  // The one-shot frame at 0,0 of the panel at 0,0; its button at 240,360 twips in the frame.
  const Rect r = app.main.oneShotButton.geometryInWindowPixels();
  EXPECT_EQ(r.left, 16);
  EXPECT_EQ(r.top, 24);
  EXPECT_EQ(r.width, 73);
  EXPECT_EQ(r.height, 25);
  // The selection lies in the snapshot, which measures in pixels.
  EXPECT_EQ(app.main.selection.geometry().left, 56);
}

class StartUp : public ::testing::Test {
 protected:
  TestApp app;
  bool readmeOpened() const {
    for (const auto& p : app.fake.opened) {
      if (p.ends_with("/Yorvane.txt")) return true;
    }
    return false;
  }
};

TEST_F(StartUp, FirstStartMakesTheFolderOpensTheReadmeAndShowsTheWindowOnTop) {
  app.start();
  EXPECT_TRUE(fs::is_directory(app.fake.bmpFolder()));
  EXPECT_TRUE(readmeOpened());
  EXPECT_EQ(app.fake.opened.size(), 1u);
  EXPECT_TRUE(app.main.window.visible());
  EXPECT_TRUE(app.main.window.topmost());
  EXPECT_FALSE(app.strip.window.visible());
  EXPECT_EQ(app.main.window.geometry().width, lm::kFullWidth);
  EXPECT_EQ(app.main.window.geometry().height, lm::kHeight);
  EXPECT_EQ(app.main.panel.borderStyle(), 0);
  EXPECT_EQ(app.main.toolsFrame.geometry().left, lm::kToolsLeftFull);
  EXPECT_FALSE(app.main.aspectFrame.visible());
  EXPECT_EQ(app.main.countList.items().size(), 13u);
  EXPECT_EQ(app.main.countList.items().back(), "60");
  EXPECT_FALSE(app.fake.ended());

  // What the user finds on a first start: full-screen mode, so no picker and
  // no aspect choice, both sounds on, and no number taken yet.
  EXPECT_FALSE(app.main.pickerButton.enabled());
  EXPECT_FALSE(app.strip.pickerButton.enabled());
  EXPECT_FALSE(app.main.snapshot.visible());
  EXPECT_EQ(app.main.endSoundBox.checkState(), CheckState::kTicked);
  EXPECT_EQ(app.main.saveSoundBox.checkState(), CheckState::kTicked);
  EXPECT_EQ(app.main.edgeTriggerBox.checkState(), CheckState::kUnticked);
  EXPECT_EQ(app.main.numberButton.caption(), "O");
}

TEST_F(StartUp, OnAWaylandDesktopThatIgnoresTopmostTheUserIsToldOnce) {
  app.fake.session = SessionKind::Wayland;
  app.fake.keepsAbove = false;
  app.start();
  EXPECT_EQ(app.fake.events.back(), "notice 常に手前には表示できません")
      << "a notice that waits for no answer, so the first click reaches the window";
  EXPECT_NE(app.fake.boxes[0].text.find("手前に表示できません"), std::string::npos);
  EXPECT_TRUE(app.main.window.visible());
  app.close();

  TestApp again(app.fake.folder());
  again.fake.session = SessionKind::Wayland;
  again.fake.keepsAbove = false;
  again.start();
  EXPECT_TRUE(again.fake.boxes.empty());
}

TEST_F(StartUp, SecondStartLeavesTheReadmeClosed) {
  fs::create_directory(app.fake.bmpFolder());
  app.start();
  EXPECT_FALSE(readmeOpened());
  EXPECT_TRUE(app.main.window.visible());
}

TEST_F(StartUp, APictureFolderThatIsALinkToAFolderIsUsed) {
  fs::create_directory(app.fake.folder() + "/elsewhere");
  fs::create_directory_symlink("elsewhere", app.fake.bmpFolder());
  app.start();
  app.takeOneShot();
  EXPECT_EQ(app.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
  EXPECT_FALSE(readmeOpened());
}

TEST_F(StartUp, ALowerCaseFolderDoesNotCount) {
  fs::create_directory(app.fake.folder() + "/bmp");
  app.start();
  EXPECT_TRUE(fs::is_directory(app.fake.bmpFolder()));
  EXPECT_TRUE(readmeOpened());
}

TEST_F(StartUp, APlainFileInTheWayIsReportedAndNothingElseIsTouched) {
  std::ofstream(app.fake.bmpFolder()) << "not a folder";
  app.fake.writeFile("setutei", "4,\"0\",5,0,77,0.75\r\n");
  app.start();
  ASSERT_TRUE(app.fake.ended());
  ASSERT_EQ(app.fake.boxes.size(), 1u);
  EXPECT_NE(app.fake.boxes[0].text.find("BMP"), std::string::npos);
  EXPECT_NE(app.fake.boxes[0].text.find("File exists"), std::string::npos);
  EXPECT_FALSE(app.main.window.visible());
  EXPECT_TRUE(app.fake.opened.empty());
  EXPECT_EQ(app.fake.readText("setutei"), "4,\"0\",5,0,77,0.75\r\n");
}

TEST(MainWindowResize, KeepsThePanelOverTheWholeClientArea) {
  TestApp app;
  app.start();
  for (const Rect size : {Rect{0, 0, 9000, 4500}, Rect{0, 0, 1500, 600},
                          Rect{0, 0, lm::kPartialWidth, lm::kHeight}}) {
    app.main.window.userResized(size.width, size.height);
    EXPECT_EQ(app.main.panel.geometry(), (Rect{0, 0, size.width / 15, size.height / 15}));
  }
  app.click(app.main.modeBox);
  EXPECT_EQ(app.main.panel.geometry(), (Rect{0, 0, lm::kPartialWidth / 15, lm::kHeight / 15}));
}

TEST(Shutdown, ClosingWritesTheRecordEvenWhenNothingChanged) {
  TestApp app;
  app.start();
  app.close();
  EXPECT_EQ(app.fake.exitCode(), 0);
  EXPECT_EQ(app.fake.readText("setutei"), "2,\"2\",3,1,0,0\r\n");
  for (const auto& entry : fs::directory_iterator(app.fake.folder())) {
    EXPECT_EQ(entry.path().filename().string().find(".setutei."), std::string::npos)
        << "left behind: " << entry.path();
  }
}

TEST(Shutdown, AFailedWriteIsReportedAndKeepsTheOldFile) {
  TestApp app;
  app.fake.writeFile("setutei", "4,\"0\",5,0,77,0.75\r\n");
  app.start();
  app.fake.failReplace = true;
  app.close();
  EXPECT_EQ(app.fake.exitCode(), 1);
  ASSERT_FALSE(app.fake.boxes.empty());
  EXPECT_NE(app.fake.boxes.back().text.find("setutei"), std::string::npos);
  EXPECT_EQ(app.fake.readText("setutei"), "4,\"0\",5,0,77,0.75\r\n");
}

TEST(OneProgramPerFolder, ASecondProgramOnTheFolderSaysSoAndEnds) {
  TestApp first;
  first.start();
  TestApp second(first.fake.folder());
  second.start();
  EXPECT_EQ(second.fake.exitCode(), 1);
  ASSERT_EQ(second.fake.boxes.size(), 1u);
  EXPECT_NE(second.fake.boxes[0].text.find("ほかの Yorvane"), std::string::npos);
  EXPECT_FALSE(second.fake.fileExists(second.fake.folder() + "/setutei")) << "nothing stored";

  first.takeOneShot();
  EXPECT_EQ(first.fake.bmpFiles(), std::vector<std::string>{"壁紙- 1.bmp"});
}

TEST(OneProgramPerFolder, WritesCutOffInAnEarlierRunAreRemovedAtTheStart) {
  TestApp app;
  fs::create_directory(app.fake.bmpFolder());
  app.fake.writeFile(".setutei.part-a1B2c3", "1,");
  app.fake.writeFile("BMP/.壁紙- 4.bmp.part-Xy9zQ0", "BM");
  app.fake.writeFile("BMP/.kept", "");
  // Only the names the program's writes take: a dot, a name, the mark and six characters.
  app.fake.writeFile("BMP/notes.part-a1B2c3", "");
  app.fake.writeFile("BMP/.part-a1B2c3", "");
  app.fake.writeFile("BMP/壁紙- 3.bmp", "BM");
  app.start();
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(app.fake.folder())) {
    if (!e.is_directory()) names.push_back(e.path().filename());
  }
  EXPECT_EQ(names, std::vector<std::string>{".yorvane.lock"});
  EXPECT_EQ(app.fake.bmpFiles(), (std::vector<std::string>{".kept", ".part-a1B2c3",
                                                           "notes.part-a1B2c3", "壁紙- 3.bmp"}));
}

class AppFolderLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("yorvane-folders-" + std::to_string(::getpid()));
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/yorvane");
    fs::create_directories(root / "home");
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(AppFolderLookup, AWritableProgramFolderIsTheApplicationFolder) {
  fs::create_directories(root / "portable");
  const AppFolders f =
      findAppFolders((root / "portable").string(), "", "", (root / "home").string());
  EXPECT_EQ(f.application, (root / "portable").string());
}

TEST_F(AppFolderLookup, AnInstalledCopyUsesThePerUserFolderEvenWhereItCanWrite) {
  const AppFolders f =
      findAppFolders((root / "usr/bin").string(), "", "", (root / "home").string());
  EXPECT_EQ(f.application, (root / "home/.local/share/Yorvane").string());
  EXPECT_EQ(f.installedData, (root / "usr/share/yorvane").string());
  EXPECT_EQ(f.state, (root / "home/.local/state/yorvane").string());
  EXPECT_TRUE(fs::is_directory(f.state));
}

TEST_F(AppFolderLookup, AnUnwritableProgramFolderFallsBackToAPerUserFolder) {
  // A folder that does not exist cannot be written to, even by root.
  fs::create_directories(root / "opt/share/yorvane");
  std::ofstream(root / "opt/share/yorvane/Yorvane.txt") << "readme";
  const AppFolders f = findAppFolders((root / "opt/bin").string(), (root / "data").string(),
                                      (root / "state").string(), (root / "home").string());
  EXPECT_EQ(f.state, (root / "state/yorvane").string());
  EXPECT_EQ(f.application, (root / "data/Yorvane").string());
  EXPECT_TRUE(fs::is_directory(f.application));
  EXPECT_EQ(findResourceIn(f, "Yorvane.txt"), (root / "opt/share/yorvane/Yorvane.txt").string());
  std::ofstream(root / "data/Yorvane/Yorvane.txt") << "own copy";
  EXPECT_EQ(findResourceIn(f, "Yorvane.txt"), (root / "data/Yorvane/Yorvane.txt").string());
}

TEST_F(AppFolderLookup, AnUnknownProgramFolderIsNeverTheWorkingDirectory) {
  const AppFolders f = findAppFolders("", (root / "data").string(), "", (root / "home").string());
  EXPECT_EQ(f.application, (root / "data/Yorvane").string());
}

TEST_F(AppFolderLookup, RelativeXdgFoldersAreIgnored) {
  const AppFolders f = findAppFolders((root / "opt/bin").string(), "relative/path", "relative",
                                      (root / "home").string());
  EXPECT_EQ(f.application, (root / "home/.local/share/Yorvane").string());
  EXPECT_EQ(f.state, (root / "home/.local/state/yorvane").string());
  EXPECT_TRUE(fs::is_directory(f.application));
}

}  // namespace
}  // namespace yorvane::testing
