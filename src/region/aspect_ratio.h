#pragma once

#include <cstdint>

namespace yorvane {

// The height-to-width factor of the rectangle drawn on the snapshot; 0 leaves
// the height free.
class AspectRatio {
 public:
  // The option elements 0 to 3: 4:3, 16:9, 1:1 and free; others change nothing.
  void choose(int16_t element);
  float factor() const { return factor_; }
  void setFactor(float factor) { factor_ = factor; }

 private:
  float factor_ = 0;
};

}  // namespace yorvane
