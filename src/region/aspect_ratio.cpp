#include "region/aspect_ratio.h"

namespace yorvane {

void AspectRatio::choose(int16_t element) {
  switch (element) {
    case 0: factor_ = 0.75f; break;
    case 1: factor_ = 0.5625f; break;
    case 2: factor_ = 1.0f; break;
    case 3: factor_ = 0.0f; break;
    default: break;
  }
}

}  // namespace yorvane
