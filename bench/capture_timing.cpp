// When the real program copies the screen, against the nominal tick: one-shot
// captures at the 0.2 s delay and a series of 60 at 0.5 s, on the current X
// display (on Wayland, through the way the program chooses to copy the screen),
// with the program's own timers, event pump and windows.
//
//   yorvane_capture_timing [sounds]
//
// With "sounds" the save sound and the end chime are on, played through the
// sound server when one answers, and how long the sound calls take is reported.
//
// Pictures go to a temporary application folder that is removed at the end.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/application.h"
#include "qt_platform/qt_platform.h"
#include "views/window_view.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

double ms(SteadyClock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The program's platform, noting when each screen copy starts.
class TimedPlatform : public yorvane::QtPlatform {
 public:
  explicit TimedPlatform(std::string folder)
      : QtPlatform(yorvane::programFolders()), folder_(std::move(folder)) {}
  void copyScreen(yorvane::Image& dest, std::function<void(yorvane::ScreenCopy)> done) override {
    copies.push_back(SteadyClock::now());
    QtPlatform::copyScreen(dest, [this, done = std::move(done)](yorvane::ScreenCopy copy) {
      if (copy != yorvane::ScreenCopy::kCopied) ++failedCopies;
      done(copy);
    });
  }
  std::string applicationFolder() override { return folder_; }
  // The chime of the build tree.
  std::string findResource(const std::string& name) override {
    return std::string(YORVANE_PROGRAM_DIR) + "/" + name;
  }
  void openWithAssociatedProgram(const std::string&) override {}
  bool playEventSound(const std::string& name) override {
    return timed([&] { return QtPlatform::playEventSound(name); });
  }
  bool playSoundFile(const std::string& path) override {
    return timed([&] { return QtPlatform::playSoundFile(path); });
  }

  std::vector<SteadyClock::time_point> copies;
  int failedCopies = 0;
  std::vector<double> soundCallMs;
  int soundsPlayed = 0;
  int soundsFallenBack = 0;

 private:
  template <typename Play>
  bool timed(Play play) {
    const auto start = SteadyClock::now();
    const bool played = play();
    soundCallMs.push_back(ms(SteadyClock::now() - start));
    ++(played ? soundsPlayed : soundsFallenBack);
    return played;
  }

  std::string folder_;
};

void report(const char* what, std::vector<double> offsets) {
  std::sort(offsets.begin(), offsets.end());
  std::printf("%s: %zu copies, offset from the nominal tick median %+.2f ms, worst %+.2f ms\n",
              what, offsets.size(), offsets[offsets.size() / 2], offsets.back());
}

// Runs the event loop until done() holds.
template <typename Done>
void runUntil(Done done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool sounds = argc > 1 && std::string(argv[1]) == "sounds";
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("yorvane-timing-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "BMP");

  TimedPlatform platform(folder.string());
  yorvane::Application program(platform);
  yorvane::WindowView mainWindow(program.mainWindow().window, program.dispatcher());
  yorvane::WindowView toolbar(program.toolbarWindow().window, program.dispatcher());
  program.start();
  yorvane::MainWindow& main = program.mainWindow();
  main.delayOptions(1).userClick();     // 0.2 s: the copy on the 2nd tick of 100 ms
  main.intervalOptions(0).userClick();  // 0.5 s between series pictures
  main.saveSoundBox.setCheckState(sounds ? yorvane::CheckState::kTicked
                                         : yorvane::CheckState::kUnticked);
  main.endSoundBox.setCheckState(sounds ? yorvane::CheckState::kTicked
                                        : yorvane::CheckState::kUnticked);

  std::vector<double> oneShot;
  for (int i = 0; i < 20; ++i) {
    const size_t before = platform.copies.size();
    const auto pressed = SteadyClock::now();
    program.dispatch([&] { main.oneShotButton.userClick(); });
    // The cycle is over when the window is back after the copy.
    runUntil([&] { return platform.copies.size() > before && main.window.visible(); });
    oneShot.push_back(ms(platform.copies.back() - pressed) - 200);
  }
  report("one-shot at 0.2 s", oneShot);

  main.countList.setListIndex(12);  // 60 pictures
  const size_t before = platform.copies.size();
  const auto pressed = SteadyClock::now();
  program.dispatch([&] { main.seriesButton.userClick(); });
  runUntil([&] { return platform.copies.size() == before + 60 && main.window.visible(); });
  std::vector<double> series;
  for (size_t k = 0; k < 60; ++k) {
    const double nominal = 2700 + 500.0 * static_cast<double>(k + 1);
    series.push_back(ms(platform.copies[before + k] - pressed) - nominal);
  }
  std::printf("series drift (last minus first offset): %+.2f ms\n", series.back() - series.front());
  report("series of 60 at 0.5 s", series);
  std::printf("copies that failed or were skipped: %d of %zu\n", platform.failedCopies,
              platform.copies.size());
  if (sounds) {
    std::vector<double>& calls = platform.soundCallMs;
    std::sort(calls.begin(), calls.end());
    std::printf(
        "sounds: %d played by the sound server, %d fell back; call median %.2f ms, "
        "longest %.2f ms\n",
        platform.soundsPlayed, platform.soundsFallenBack, calls[calls.size() / 2], calls.back());
  }

  std::filesystem::remove_all(folder);
  return 0;
}
