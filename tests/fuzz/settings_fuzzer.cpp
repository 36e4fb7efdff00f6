// Feeds arbitrary bytes to the start-up as the settings file. Every load must
// leave the options in a state the program can work with, and the record the
// close writes must load again, unchanged and without the fallback.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui_model/runtime_error.h"
#include "test_app.h"

namespace {

namespace fs = std::filesystem;
using yorvane::Control;
using yorvane::ControlArray;
using yorvane::Form1;
using yorvane::testing::TestApp;

// One application folder for the whole run: making one per input would cost
// more than the load itself.
class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "yorvane-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path = pattern;
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string path;
};

const std::string& folder() {
  static const Folder f;
  return f.path;
}

void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "settings load broke: %s\n", what);
  std::abort();
}

int selectedIndex(const ControlArray& options) {
  int found = -1;
  for (const Control* c : options.elements()) {
    if (c->value() == 0) continue;
    require(found == -1, "two options of one group selected");
    found = c->index();
  }
  require(found != -1, "no option of a group selected");
  return found;
}

// What the load leaves behind, as far as the file can carry it.
struct State {
  int delay;
  std::string interval;
  int count;
  int endSound;
  int fileNumber;
  float aspect;
  int aspectChoice;
  std::string caption;

  bool operator==(const State&) const = default;
};

State loadedState(TestApp& app) {
  require(!app.fake.ended() && app.fake.boxes.empty(), "the load stopped the program");
  const Form1& f1 = app.f1;
  const State s{f1.DelayIndex,          f1.IntervalChoice,         f1.List1.listIndex(),
                f1.Check1.value(),      f1.FileNumber,             app.program.globals.AspectMode,
                selectedIndex(f1.Op3), f1.Command7.caption()};
  require(s.delay == 1 || s.delay == 2 || s.delay == 4, "DelayIndex is no element");
  require(selectedIndex(f1.Option1) == s.delay, "DelayIndex and Option1 differ");
  require(s.interval.size() == 1 && s.interval[0] - '0' == selectedIndex(f1.Option2),
          "IntervalChoice and Option2 differ");
  require(s.count >= -1 && s.count <= 12, "list index out of range");
  require(s.count < 0 || f1.FrameTarget == s.count * 5, "FrameTarget and List1 differ");
  require(s.endSound >= 0 && s.endSound <= 2, "Check1 out of range");
  const bool applied = s.caption != "O";
  require(!applied || s.caption == yorvane::numberText(s.fileNumber), "caption and number differ");
  if (applied) {
    const float values[] = {0.75f, 0.5625f, 1.0f, 0.0f};
    for (int k = 0; k < 4; ++k) {
      if (s.aspect == values[k]) require(s.aspectChoice == k, "AspectMode and Op3 differ");
    }
  }
  return s;
}

std::string closeAndRead(TestApp& app) {
  app.fake.run([&app] { app.program.dispatch([&app] { app.f1.window.onUnload(); }); });
  require(app.fake.exitCode() == 0, "the close failed");
  return app.fake.readText("setutei");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ofstream(folder() + "/setutei", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  TestApp first(folder());
  first.start();
  const State loaded = loadedState(first);
  const std::string record = closeAndRead(first);
  require(record.ends_with("\r\n") && record.find_first_of("\r\n") == record.size() - 2,
          "the record is not one line");

  TestApp second(folder());
  second.start();
  State reloaded = loadedState(second);
  require(reloaded.caption == yorvane::numberText(reloaded.fileNumber),
          "the program's own record took the fallback");
  if (loaded.caption == "O") {
    // After a fallback the caption is the created one, and an aspect value
    // that was read selects its element only on the next load.
    reloaded.caption = loaded.caption;
    reloaded.aspectChoice = loaded.aspectChoice;
  }
  require(reloaded == loaded, "the record reads back differently");
  require(closeAndRead(second) == record, "the record changed on its way round");
  return 0;
}
