#pragma once

namespace yorvane {

// A repeating timer that ticks on the user-interface thread.
// Enabling a disabled timer starts a fresh interval; enabling an enabled one
// changes nothing. A new interval set while enabled counts from that moment.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
  virtual void setInterval(int milliseconds) = 0;
  virtual int interval() const = 0;
};

}  // namespace yorvane
