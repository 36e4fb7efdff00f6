#pragma once

namespace yorvane {

// The program's windows as a capture sees them: out of the picture while it
// is taken, the one in use back afterwards.
class ProgramWindows {
 public:
  enum class Which { kMain, kToolbar };

  virtual ~ProgramWindows() = default;
  virtual void hide(Which which) = 0;
  virtual void hideBoth() = 0;
  virtual void showOneInUse() = 0;
  // The toolbar while it stands in for the main window, else the main window.
  virtual Which inUse() const = 0;
};

}  // namespace yorvane
