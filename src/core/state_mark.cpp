#include "core/state_mark.h"

namespace yorvane {

bool firstTimeFor(Files& files, const std::string& mark) {
  const std::string path = files.stateFolder() + "/" + mark;
  if (files.readFile(path, 0)) return false;
  std::string ignored;
  files.replaceFile(path, "", Durability::kPastProgramEnd, &ignored);
  return true;
}

}  // namespace yorvane
