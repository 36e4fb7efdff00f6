#include "fake_platform.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/message_box.h"
#include "platform/posix_files.h"

namespace yorvane::testing {

namespace fs = std::filesystem;

class FakePlatform::FakeTimer : public Timer {
 public:
  FakeTimer(FakePlatform& owner, std::string name, int interval, std::function<void()> tick)
      : owner_(owner), name_(std::move(name)), interval_(interval), tick_(std::move(tick)) {
    owner_.timers_.push_back(this);
  }
  ~FakeTimer() override { std::erase(owner_.timers_, this); }

  void setEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) schedule(owner_.now_ + interval_);
  }
  bool enabled() const override { return enabled_; }
  void setInterval(int ms) override {
    interval_ = ms;
    if (enabled_) schedule(owner_.now_ + interval_);
  }
  int interval() const override { return interval_; }

  void schedule(int64_t deadline) {
    deadline_ = deadline;
    sequence_ = ++owner_.sequence_;
  }

  FakePlatform& owner_;
  std::string name_;
  int interval_;
  std::function<void()> tick_;
  bool enabled_ = false;
  bool running_ = false;
  int64_t deadline_ = 0;
  uint64_t sequence_ = 0;
};

Image patternImage(int width, int height) {
  Image img(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t h =
          (static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u);
      img.setPixel(x, y, 0xFF000000u | (h & 0xFFFFFFu) | (static_cast<uint32_t>(x & 0xFF) << 16));
    }
  }
  return img;
}

FakePlatform::FakePlatform(Size screenSize)
    : screen(patternImage(screenSize.width, screenSize.height)) {
  std::string pattern = (fs::temp_directory_path() / "yorvane-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  folder_ = pattern;
}

FakePlatform::FakePlatform(std::string folder, Size screenSize)
    : screen(patternImage(screenSize.width, screenSize.height)),
      folder_(std::move(folder)),
      ownsFolder_(false) {}

FakePlatform::~FakePlatform() {
  releaseLock();
  if (!ownsFolder_) return;
  std::error_code ec;
  fs::remove_all(folder_, ec);
}

FakePlatform::FakeTimer* FakePlatform::nextDue(int64_t limit) const {
  FakeTimer* best = nullptr;
  for (FakeTimer* t : timers_) {
    if (!t->enabled_ || t->running_ || t->interval_ <= 0 || t->deadline_ > limit) continue;
    if (!best || t->deadline_ < best->deadline_ ||
        (t->deadline_ == best->deadline_ && t->sequence_ < best->sequence_)) {
      best = t;
    }
  }
  return best;
}

void FakePlatform::advanceBy(int64_t ms) {
  const int64_t target = now_ + ms;
  while (!ended()) {
    FakeTimer* t = nextDue(target);
    if (!t) break;
    now_ = std::max(now_, t->deadline_);
    // The next deadline follows from this one, not from when the tick ends;
    // where a held event loop let it pass, it is an interval from now, as in Qt.
    const int64_t next = t->deadline_ + t->interval_;
    t->schedule(next < now_ ? now_ + t->interval_ : next);
    t->running_ = true;
    try {
      t->tick_();
    } catch (const ProgramEnded&) {
    }
    t->running_ = false;
  }
  if (!ended()) now_ = std::max(now_, target);
}

void FakePlatform::run(const std::function<void()>& handler) {
  if (ended()) return;
  try {
    handler();
  } catch (const ProgramEnded&) {
  }
}

bool FakePlatform::fileExists(const std::string& path) const {
  return fs::exists(path);
}

std::vector<std::string> FakePlatform::bmpFiles() const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(bmpFolder(), ec))
    names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void FakePlatform::writeFile(const std::string& name, const std::string& content) const {
  std::ofstream(folder_ + "/" + name, std::ios::binary) << content;
}

std::string FakePlatform::readText(const std::string& name) const {
  std::ifstream in(folder_ + "/" + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool FakePlatform::timerEnabled(const std::string& name) const {
  for (FakeTimer* t : timers_) {
    if (t->name_ == name) return t->enabled_;
  }
  return false;
}

int FakePlatform::timerInterval(const std::string& name) const {
  for (FakeTimer* t : timers_) {
    if (t->name_ == name) return t->interval_;
  }
  return -1;
}

void FakePlatform::copyScreen(Image& dest, std::function<void(ScreenCopy)> done) {
  ++copies;
  events.push_back("copy");
  hold(copyHoldsMs);
  copiesOut_.emplace_back(&dest, std::move(done));
  if (copyAnswerMs == 0) {
    while (!copiesOut_.empty()) answerCopy();
  } else if (copyAnswerMs > 0) {
    if (!copyAnswerTimer_) {
      copyAnswerTimer_ = createTimer("copyAnswer", copyAnswerMs, [this] {
        answerCopy();
        copyAnswerTimer_->setEnabled(!copiesOut_.empty());
      });
    }
    copyAnswerTimer_->setInterval(copyAnswerMs);
    copyAnswerTimer_->setEnabled(true);
  }
}

void FakePlatform::answerCopy() {
  if (copiesOut_.empty()) return;
  auto [dest, done] = std::move(copiesOut_.front());
  copiesOut_.pop_front();
  if (copyResult == ScreenCopy::kCopied) {
    dest->resize(screen.width(), screen.height());
    dest->copyFrom(screen, 0, 0, screen.width(), screen.height());
  }
  done(copyResult);
}

void FakePlatform::startSeriesCopies(std::function<void(SeriesCopies)> done) {
  events.push_back("series start");
  done(seriesCopies);
}

void FakePlatform::seriesEnded() {
  events.push_back("series end");
}

bool FakePlatform::saveBmp(const Image& image, const std::string& path, std::string* reason) {
  events.push_back("save " + fs::path(path).filename().string());
  return PosixFilesPlatform::saveBmp(image, path, reason);
}

std::unique_ptr<Timer> FakePlatform::createTimer(std::string name, int intervalMs,
                                                 std::function<void()> tick) {
  return std::make_unique<FakeTimer>(*this, std::move(name), intervalMs, std::move(tick));
}

BoxAnswer FakePlatform::messageBox(const std::string& text, const std::string& title,
                                   const BoxStyle& style) {
  boxes.push_back({text, title, style, now_});
  events.push_back("box " + title);
  if (whileBoxOpen) {
    auto hook = std::move(whileBoxOpen);
    whileBoxOpen = nullptr;
    hook();
  }
  if (answers.empty()) return defaultAnswer(style);
  const BoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakePlatform::showNotice(const std::string& text, const std::string& title) {
  boxes.push_back({text, title, {BoxButtons::kOk, BoxIcon::kInformation}, now_});
  events.push_back("notice " + title);
}

std::string FakePlatform::stateFolder() {
  // Inside the application folder, so that a second run of the program shares it.
  const std::string state = folder_ + "/.state";
  fs::create_directories(state);
  return state;
}

void FakePlatform::beep() {
  ++beeps;
  events.push_back("beep");
}

void FakePlatform::openWithAssociatedProgram(const std::string& path) {
  opened.push_back(path);
  events.push_back("open " + path);
}

bool FakePlatform::playEventSound(const std::string& name) {
  if (soundServer) events.push_back("sound " + name);
  return soundServer;
}

bool FakePlatform::playSoundFile(const std::string& path) {
  if (soundServer) events.push_back("sound " + path);
  return soundServer;
}

bool FakePlatform::lockApplicationFolder() {
  lockFd_ = posix::lockFile(folder_ + "/" + posix::kLockFileName);
  return lockFd_ >= 0;
}

bool FakePlatform::replaceFile(const std::string& path, const std::string& content,
                               Durability durability, std::string* reason) {
  if (failReplace) {
    if (reason) *reason = "No space left on device";
    return false;
  }
  return PosixFilesPlatform::replaceFile(path, content, durability, reason);
}

void FakePlatform::kill() {
  exitCode_ = 128 + 9;
  releaseLock();
}

void FakePlatform::releaseLock() {
  if (lockFd_ >= 0) ::close(lockFd_);
  lockFd_ = -1;
}

void FakePlatform::end(int exitCode) {
  exitCode_ = exitCode;
  releaseLock();
  events.push_back("end");
  throw ProgramEnded{exitCode};
}

}  // namespace yorvane::testing
