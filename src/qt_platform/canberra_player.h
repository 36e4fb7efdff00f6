#pragma once

#include <string>

struct ca_context;

namespace yorvane {

// Plays sounds through the desktop's sound server with libcanberra, which
// streams them on a thread of its own, so a call returns at once. Without a
// sound server every call returns false.
class CanberraPlayer {
 public:
  CanberraPlayer();
  ~CanberraPlayer();
  CanberraPlayer(const CanberraPlayer&) = delete;
  CanberraPlayer& operator=(const CanberraPlayer&) = delete;

  // An event sound of the sound theme, by its name.
  bool playEvent(const std::string& name);
  // A sound file, by its full path.
  bool playFile(const std::string& path);

 private:
  ca_context* context_ = nullptr;
};

}  // namespace yorvane
