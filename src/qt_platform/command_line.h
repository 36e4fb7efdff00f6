#pragma once

#include <optional>
#include <string>

namespace yorvane {

// What a start of `yorvane` was asked to do.
enum class StartOrder { kNone, kOneShot, kSeries };

// Reads the options (--one-shot, --series); --help and --version print their
// text and end the process, as does an unknown option with a message.
StartOrder readCommandLine(int argc, char** argv);

// Hands the order to the program already running, where one answers on the
// session bus: the order is taken (exit status 0) or refused (1, the reason on
// standard error); a plain start on the running program's folder brings its
// window to the front instead (0). Nothing to hand over (no program runs, or
// a plain start on another folder): nullopt, and this process becomes the
// program; --series then ends with 1, as it needs a running program.
std::optional<int> handOver(StartOrder order, const std::string& applicationFolder);

}  // namespace yorvane
