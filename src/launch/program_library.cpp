#include "launch/program_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/posix_files.h"

namespace yorvane {

int runProgram(int argc, char** argv, StartOrder order) {
  const std::string folder = posix::folderOfExecutable();
  std::string reasons;
  // Beside the program file (the build tree, a copy in a folder of its own),
  // then where the installation puts it.
  for (const std::string& path :
       {folder + "/yorvane-program.so", folder + "/" YORVANE_INSTALLED_PROGRAM_LIBRARY}) {
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto run =
        library ? reinterpret_cast<RunProgram*>(::dlsym(library, kRunProgramSymbol)) : nullptr;
    if (run) return run(argc, argv, order);
    reasons += "\n  ";
    reasons += ::dlerror();
  }
  std::fprintf(stderr, "yorvane: the program's windows cannot be loaded:%s\n", reasons.c_str());
  return 1;
}

}  // namespace yorvane
