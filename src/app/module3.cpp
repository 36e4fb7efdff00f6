#include "app/module3.h"

#include "app/window.h"
#include "platform/platform.h"

namespace yorvane {

int32_t SetTopmost(Platform& platform, Window& window, int16_t flag) {
  if (flag != 0 && flag != 1) return 0;
  window.setTopmostFlag(flag == 1);
  window.show();
  platform.setTopmost(window, flag == 1);
  return 1;
}

}  // namespace yorvane
