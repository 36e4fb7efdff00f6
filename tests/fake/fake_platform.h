#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix_files_platform.h"

namespace yorvane::testing {

// Thrown by endProgram so that the handler in progress stops where the real
// program would have ended; run() and advanceBy() catch it.
struct ProgramEnded {
  int exitCode;
};

// A platform for tests: a virtual clock whose timers tick in deadline order,
// a synthetic screen, scripted message-box answers, logs of everything the
// program asks of the desktop, and a real temporary application folder.
class FakePlatform : public PosixFilesPlatform {
 public:
  explicit FakePlatform(Size screen = {64, 48});
  // Uses an existing application folder, left in place afterwards: a second
  // run of the program on the files of the first.
  explicit FakePlatform(std::string folder, Size screen = {64, 48});
  ~FakePlatform() override;

  // The virtual clock, in milliseconds since the fake was made.
  int64_t now() const { return now_; }
  // Moves the clock forward, running every tick that falls due on the way.
  void advanceBy(int64_t ms);
  // Time passes with the event loop held, as by a handler that is busy: no
  // tick runs meanwhile.
  void hold(int64_t ms) { now_ += ms; }
  // Runs a handler as the event loop would.
  void run(const std::function<void()>& handler);
  bool ended() const { return exitCode_.has_value(); }
  // The program is killed: nothing more of it runs, and its lock on the
  // folder goes, as the kernel releases it.
  void kill();
  std::optional<int> exitCode() const { return exitCode_; }

  struct MessageBoxCall {
    std::string text;
    std::string title;
    BoxStyle style;
    int64_t at;
  };

  // What the program did, in order: "beep", "save <file name>", "copy",
  // "box <title>", "notice <title>", "open <path>", "sound <event name or
  // path>" (only with a sound server), "series start", "series end". Notices
  // join the boxes too.
  std::vector<std::string> events;
  std::vector<MessageBoxCall> boxes;
  std::vector<std::string> opened;
  int beeps = 0;
  int copies = 0;

  // Answers for the next message boxes; an empty queue gives the default button.
  std::deque<BoxAnswer> answers;
  // Run while the next message box is open.
  std::function<void()> whileBoxOpen;

  Image screen;
  // The screen's own pixels per logical pixel; screenSize() is the screen's size.
  double scale = 1;
  // What the next screen copies give; any failure leaves the image as it was.
  ScreenCopy copyResult = ScreenCopy::kCopied;
  // How long the desktop takes to answer a copy, on the virtual clock: 0
  // answers at once, as X11 does; a negative time never answers.
  int copyAnswerMs = 0;
  // How long a copy holds the event loop before it starts, as a copy on a busy machine does.
  int copyHoldsMs = 0;
  // What a series start is answered.
  SeriesCopies seriesCopies = SeriesCopies::kUsual;
  // Whether a sound server plays the sounds; without one the program falls back.
  bool soundServer = false;
  // The session the program is told it runs in, and whether its window manager
  // keeps topmost windows above.
  SessionKind session = SessionKind::X11;
  bool keepsAbove = true;
  // Where other programs' orders reach the program, once it takes them.
  Orders* orders = nullptr;
  bool failReplace = false;
  std::optional<Point> pointer = Point{400, 300};

  std::string folder() const { return folder_; }
  std::string bmpFolder() const { return folder_ + "/BMP"; }
  bool fileExists(const std::string& path) const;
  std::vector<std::string> bmpFiles() const;
  void writeFile(const std::string& name, const std::string& content) const;
  std::string readText(const std::string& name) const;

  // Timer state by name, for tests that look at a timer directly.
  bool timerEnabled(const std::string& name) const;
  int timerInterval(const std::string& name) const;

  // Platform.
  Size screenSize() override { return screen.size(); }
  double screenScale() override { return scale; }
  void copyScreen(Image& dest, std::function<void(ScreenCopy)> done) override;
  SessionKind sessionKind() override { return session; }
  void startSeriesCopies(std::function<void(SeriesCopies)> done) override;
  void seriesEnded() override;
  bool saveBmp(const Image& image, const std::string& path, std::string* reason) override;
  std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                     std::function<void()> tick) override;
  int64_t nowMs() override { return now_; }
  BoxAnswer messageBox(const std::string& text, const std::string& title,
                       const BoxStyle& style) override;
  void showNotice(const std::string& text, const std::string& title) override;
  void beep() override;
  void openWithAssociatedProgram(const std::string& path) override;
  bool playEventSound(const std::string& name) override;
  bool playSoundFile(const std::string& path) override;
  bool keepsTopmostWindowsAbove() override { return keepsAbove; }
  std::optional<Point> pointerPosition() override { return pointer; }
  std::string applicationFolder() override { return folder_; }
  std::string stateFolder() override;
  std::string findResource(const std::string& name) override { return folder_ + "/" + name; }
  bool lockApplicationFolder() override;
  bool replaceFile(const std::string& path, const std::string& content, Durability durability,
                   std::string* reason) override;
  bool acceptOrders(Orders& program) override {
    orders = &program;
    return true;
  }

 protected:
  void end(int exitCode) override;

 private:
  class FakeTimer;
  friend class FakeTimer;
  FakeTimer* nextDue(int64_t limit) const;
  void releaseLock();
  // Answers the oldest copy that is out: a desktop answers in order.
  void answerCopy();

  std::string folder_;
  bool ownsFolder_ = true;
  int64_t now_ = 0;
  uint64_t sequence_ = 0;
  std::vector<FakeTimer*> timers_;
  std::optional<int> exitCode_;
  int lockFd_ = -1;
  std::deque<std::pair<Image*, std::function<void(ScreenCopy)>>> copiesOut_;
  std::unique_ptr<Timer> copyAnswerTimer_;
};

// A picture whose pixels all differ, so any misplaced copy shows.
Image patternImage(int width, int height);

}  // namespace yorvane::testing
