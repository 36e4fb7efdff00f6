// The main window at creation, start-up, the panel following the window, and shutdown.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/module3.h"
#include "platform/app_folder.h"
#include "test_app.h"

namespace yorvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(MainWindowAtCreation, HasTheStartingStateOfEveryControl) {
  TestApp app;
  Form1& f = app.f1;
  EXPECT_EQ(f.window.caption(), "Yorvane");
  EXPECT_EQ(f.window.geometry().width, 6570);
  EXPECT_EQ(f.window.geometry().height, 6195);
  EXPECT_EQ(f.Option1(2).value(), kTrue);
  EXPECT_EQ(f.Option1(1).value(), kFalse);
  EXPECT_EQ(f.Option2(2).value(), kTrue);
  EXPECT_EQ(f.Op3(3).value(), kTrue);
  EXPECT_FALSE(f.Option1.has(0));
  EXPECT_FALSE(f.Option1.has(3));
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(f.Check4.value(), 1);
  EXPECT_EQ(f.Check2.value(), 0);
  EXPECT_EQ(f.Check3.value(), 0);
  EXPECT_FALSE(f.Command5.enabled());
  EXPECT_FALSE(f.Frame11.enabled());
  EXPECT_FALSE(f.Pic2.visible());
  EXPECT_FALSE(f.Pic3.visible());
  EXPECT_FALSE(f.Sha1.visible());
  EXPECT_EQ(f.Command7.caption(), "O");
  EXPECT_EQ(f.Option2(2).tip(), "録画間隔　0.8秒");
  EXPECT_EQ(f.Command5.backColor(), 0x008000u);
  EXPECT_TRUE(f.List1.items().empty()) << "the list is filled at start-up";
  for (const char* timer : {"Timer1", "Timer1a", "Timer2", "Timer2a", "Timer3", "Timer3a",
                            "Timer4", "Timer5"}) {
    EXPECT_FALSE(app.fake.timerEnabled(timer)) << timer;
  }
  EXPECT_EQ(app.fake.timerInterval("Timer2"), 800);
  EXPECT_EQ(app.fake.timerInterval("Timer3"), 900);
  EXPECT_EQ(app.fake.timerInterval("Timer5"), 100);
  app.fake.advanceBy(10000);
  EXPECT_TRUE(app.fake.events.empty()) << "no timer ticks until one is enabled";
}

TEST(MainWindowAtCreation, PlacesControlsInsideTheirFramesInPixels) {
  TestApp app;
  // Frame3 at 0,0 of Frame1 at 0,0; Command1 at 240,360 twips in Frame3.
  const Rect r = app.f1.Command1.geometryInWindowPixels();
  EXPECT_EQ(r.left, 16);
  EXPECT_EQ(r.top, 24);
  EXPECT_EQ(r.width, 73);
  EXPECT_EQ(r.height, 25);
  // Sha1 lies in Pic2, which measures in pixels.
  EXPECT_EQ(app.f1.Sha1.geometry().left, 56);
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
  EXPECT_TRUE(app.f1.window.visible());
  EXPECT_TRUE(app.f1.window.topmost());
  ASSERT_EQ(app.fake.topmostCalls.size(), 1u);
  EXPECT_EQ(app.fake.topmostCalls[0], (std::pair<std::string, bool>{"Form1", true}));
  EXPECT_FALSE(app.f2.window.visible());
  EXPECT_EQ(app.f1.window.geometry().width, 5565);
  EXPECT_EQ(app.f1.window.geometry().height, 3315);
  EXPECT_EQ(app.f1.Frame1.borderStyle(), 0);
  EXPECT_EQ(app.f1.Frame6.geometry().left, 4560);
  EXPECT_FALSE(app.f1.Frame11.visible());
  EXPECT_EQ(app.f1.List1.items().size(), 13u);
  EXPECT_EQ(app.f1.List1.items().back(), "60");
  EXPECT_FALSE(app.fake.ended());
}

TEST_F(StartUp, SecondStartLeavesTheReadmeClosed) {
  fs::create_directory(app.fake.bmpFolder());
  app.start();
  EXPECT_FALSE(readmeOpened());
  EXPECT_TRUE(app.f1.window.visible());
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
  EXPECT_FALSE(app.f1.window.visible());
  EXPECT_TRUE(app.fake.opened.empty());
  EXPECT_EQ(app.fake.readText("setutei"), "4,\"0\",5,0,77,0.75\r\n");
}

TEST(SetTopmost, OnlyFlagsZeroAndOneDoAnything) {
  TestApp app;
  Window& w = app.f1.window;
  EXPECT_EQ(SetTopmost(app.fake, w, 2), 0);
  EXPECT_EQ(SetTopmost(app.fake, w, -1), 0);
  EXPECT_FALSE(w.visible());
  EXPECT_TRUE(app.fake.topmostCalls.empty());

  EXPECT_NE(SetTopmost(app.fake, w, 1), 0);
  EXPECT_TRUE(w.visible());
  EXPECT_TRUE(w.topmost());
  w.hide();
  EXPECT_NE(SetTopmost(app.fake, w, 0), 0);
  EXPECT_TRUE(w.visible()) << "it also shows the window";
  EXPECT_FALSE(w.topmost());
  EXPECT_EQ(app.fake.topmostCalls.size(), 2u);
}

TEST(FormResize, KeepsThePanelOverTheWholeClientArea) {
  TestApp app;
  app.start();
  for (const Rect size : {Rect{0, 0, 9000, 4500}, Rect{0, 0, 1500, 600}, Rect{0, 0, 6630, 3315}}) {
    app.f1.window.userResized(size.width, size.height);
    EXPECT_EQ(app.f1.Frame1.geometry(), (Rect{0, 0, size.width / 15, size.height / 15}));
  }
  app.click(app.f1.Check2);
  EXPECT_EQ(app.f1.Frame1.geometry(), (Rect{0, 0, 6630.0f / 15, 3315.0f / 15}));
}

TEST(Shutdown, ClosingWritesTheRecordEvenWhenNothingChanged) {
  TestApp app;
  app.start();
  app.fake.run([&] { app.f1.window.onUnload(); });
  EXPECT_EQ(app.fake.exitCode(), 0);
  EXPECT_EQ(app.fake.readText("setutei"), "2,\"2\",3,1,0,0\r\n");
  EXPECT_FALSE(fs::exists(app.fake.folder() + "/setutei.tmp"));
}

TEST(Shutdown, AFailedWriteIsReportedAndKeepsTheOldFile) {
  TestApp app;
  app.fake.writeFile("setutei", "4,\"0\",5,0,77,0.75\r\n");
  app.start();
  app.fake.failReplace = true;
  app.fake.run([&] { app.program.dispatch([&] { app.f1.window.onUnload(); }); });
  EXPECT_EQ(app.fake.exitCode(), 1);
  ASSERT_FALSE(app.fake.boxes.empty());
  EXPECT_NE(app.fake.boxes.back().text.find("setutei"), std::string::npos);
  EXPECT_EQ(app.fake.readText("setutei"), "4,\"0\",5,0,77,0.75\r\n");
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
  const AppFolders f = findAppFolders((root / "portable").string(), "", (root / "home").string());
  EXPECT_EQ(f.application, (root / "portable").string());
}

TEST_F(AppFolderLookup, AnInstalledCopyUsesThePerUserFolderEvenWhereItCanWrite) {
  const AppFolders f = findAppFolders((root / "usr/bin").string(), "", (root / "home").string());
  EXPECT_EQ(f.application, (root / "home/.local/share/Yorvane").string());
  EXPECT_EQ(f.installedData, (root / "usr/share/yorvane").string());
}

TEST_F(AppFolderLookup, AnUnwritableProgramFolderFallsBackToAPerUserFolder) {
  // A folder that does not exist cannot be written to, even by root.
  fs::create_directories(root / "opt/share/yorvane");
  std::ofstream(root / "opt/share/yorvane/Yorvane.txt") << "readme";
  const AppFolders f = findAppFolders((root / "opt/bin").string(), (root / "data").string(),
                                      (root / "home").string());
  EXPECT_EQ(f.application, (root / "data/Yorvane").string());
  EXPECT_TRUE(fs::is_directory(f.application));
  EXPECT_EQ(findResourceIn(f, "Yorvane.txt"), (root / "opt/share/yorvane/Yorvane.txt").string());
  std::ofstream(root / "data/Yorvane/Yorvane.txt") << "own copy";
  EXPECT_EQ(findResourceIn(f, "Yorvane.txt"), (root / "data/Yorvane/Yorvane.txt").string());
}

TEST_F(AppFolderLookup, ARelativeDataHomeIsIgnored) {
  const AppFolders f = findAppFolders((root / "opt/bin").string(), "relative/path",
                                      (root / "home").string());
  EXPECT_EQ(f.application, (root / "home/.local/share/Yorvane").string());
  EXPECT_TRUE(fs::is_directory(f.application));
}

}  // namespace
}  // namespace yorvane::testing
