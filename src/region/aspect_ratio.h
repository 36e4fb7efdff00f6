#pragma once

#include <array>
#include <cstdint>

namespace yorvane {

// The height-to-width factor of the rectangle drawn on the snapshot; 0 leaves
// the height free.
class AspectRatio {
 public:
  // The factors of the option elements 0 to 3: 4:3, 16:9, 1:1 and free.
  static constexpr std::array<float, 4> kFactors = {0.75f, 0.5625f, 1.0f, 0.0f};

  // Another element changes nothing.
  void choose(int16_t element);
  float factor() const { return factor_; }
  void setFactor(float factor) { factor_ = factor; }

 private:
  float factor_ = 0;
};

}  // namespace yorvane
