#include "region/aspect_ratio.h"

namespace yorvane {

void AspectRatio::choose(int16_t element) {
  if (element >= 0 && element < static_cast<int>(kFactors.size())) factor_ = kFactors[element];
}

}  // namespace yorvane
