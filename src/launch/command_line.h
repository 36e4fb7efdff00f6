#pragma once

#include <optional>
#include <string>

namespace yorvane {

// What a start of `yorvane` was asked to do.
enum class StartOrder { kNone, kOneShot, kSeries };
struct CommandLine {
  StartOrder order = StartOrder::kNone;
  // With an order: end once its pictures are saved, printing their paths.
  bool wait = false;
};

// Reads the options (--one-shot, --series, --wait); --help and --version
// print their text and end the process, as does an unknown option with a
// message. Needs no application object.
CommandLine readCommandLine(int argc, char** argv);

// Hands the order to the program already running, where one answers on the
// session bus: the order is taken (exit status 0) or refused (1, the reason on
// standard error); a plain start on the running program's folder brings its
// window to the front instead (0). With --wait the order's pictures are
// waited for and their paths printed, one a line (0), or why none was saved
// (1); where no program runs, --one-shot --wait starts one in the background,
// which goes on running, and waits for its picture. Nothing to hand over (no
// program runs, or a plain start on another folder): nullopt, and this
// process becomes the program; --series then ends with 1, as it needs a
// running program. Needs an application object, not a display.
std::optional<int> handOver(const CommandLine& command, const std::string& applicationFolder);

}  // namespace yorvane
