// Feeds arbitrary bytes to the start-up as the settings file. Every load must
// leave the options in a state the program can work with, and the record the
// close writes must load again, unchanged and without the fallback.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/runtime_error.h"
#include "settings/settings_record.h"
#include "test_app.h"

namespace {

namespace fs = std::filesystem;
using yorvane::Control;
using yorvane::ControlArray;
using yorvane::MainWindow;
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
    if (!c->selected()) continue;
    require(found == -1, "two options of one group selected");
    found = c->index();
  }
  require(found != -1, "no option of a group selected");
  return found;
}

// The controls the load sets, and the record the close then writes.
struct State {
  int delay;
  int interval;
  int count;
  int endSound;
  int aspectChoice;
  std::string caption;
  std::string record;

  bool operator==(const State&) const = default;
};

// Loads, reads the controls, closes and reads the record; checks that both
// tell the same story.
State loadAndClose(TestApp& app) {
  app.start();
  require(!app.fake.ended() && app.fake.boxes.empty(), "the load stopped the program");
  const MainWindow& main = app.main;
  State s{selectedIndex(main.delayOptions),
          selectedIndex(main.intervalOptions),
          main.countList.listIndex(),
          static_cast<int>(main.endSoundBox.checkState()),
          selectedIndex(main.aspectOptions),
          main.numberButton.caption(),
          {}};
  app.close();
  require(app.fake.exitCode() == 0, "the close failed");
  s.record = app.fake.readText("setutei");
  require(s.record.ends_with("\r\n") && s.record.find_first_of("\r\n") == s.record.size() - 2,
          "the record is not one line");

  // Delay, interval, count, end sound, number, aspect.
  const std::vector<std::string> fields = yorvane::settings::splitFields(s.record);
  require(fields.size() == 6, "the record has not six fields");
  require(fields[0] == std::to_string(s.delay), "the stored delay is not the selected one");
  require(fields[1] == std::to_string(s.interval), "the stored interval is not the selected one");
  require(fields[2] == std::to_string(s.count), "the stored count is not the list's");
  require(fields[3] == std::to_string(s.endSound), "the stored end sound is not the box's");
  require(s.count >= -1 && s.count <= 12, "list index out of range");
  require(s.endSound >= 0 && s.endSound <= 2, "end sound box out of range");
  const auto number = yorvane::settings::parseInteger(fields[4]);
  require(number.has_value(), "the stored number does not read back");
  const bool applied = s.caption != "O";
  require(!applied || s.caption == yorvane::numberText(*number), "caption and number differ");
  if (applied) {
    const auto aspect = yorvane::settings::parseSingle(fields[5]);
    require(aspect.has_value(), "the stored aspect does not read back");
    const float values[] = {0.75f, 0.5625f, 1.0f, 0.0f};
    for (int k = 0; k < 4; ++k) {
      if (*aspect == values[k]) require(s.aspectChoice == k, "the aspect and its option differ");
    }
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ofstream(folder() + "/setutei", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  TestApp first(folder());
  const State loaded = loadAndClose(first);

  TestApp second(folder());
  State reloaded = loadAndClose(second);
  require(reloaded.caption != "O", "the program's own record took the fallback");
  if (loaded.caption == "O") {
    // After a fallback the caption is the created one, and an aspect value
    // that was read selects its element only on the next load.
    reloaded.caption = loaded.caption;
    reloaded.aspectChoice = loaded.aspectChoice;
  }
  require(reloaded == loaded, "the record reads back differently");
  return 0;
}
