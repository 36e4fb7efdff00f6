#include "core/state_mark.h"

namespace yorvane {

bool firstTimeFor(Platform& platform, const std::string& mark) {
  const std::string path = platform.stateFolder() + "/" + mark;
  if (platform.readFile(path, 0)) return false;
  std::string ignored;
  platform.replaceFile(path, "", Durability::kPastProgramEnd, &ignored);
  return true;
}

}  // namespace yorvane
