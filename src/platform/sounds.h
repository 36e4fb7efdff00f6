#pragma once

#include <string>

namespace yorvane {

// Sounds, and the desktop's player for what no sound server plays.
class Sounds {
 public:
  virtual ~Sounds() = default;

  // The X bell.
  virtual void beep() = 0;
  // Opens a file with the program the desktop associates with it (xdg-open);
  // the result is ignored.
  virtual void openWithAssociatedProgram(const std::string& path) = 0;
  // Plays an event sound of the desktop's sound theme ("camera-shutter"), or a
  // sound file, through the desktop's sound server without waiting for it to
  // end. False when no sound server takes it, so the caller can fall back.
  virtual bool playEventSound(const std::string& name) = 0;
  virtual bool playSoundFile(const std::string& path) = 0;
};

}  // namespace yorvane
