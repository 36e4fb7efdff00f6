#include "platform/app_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/posix_files.h"

namespace yorvane {

namespace {
std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool exists(const std::string& path) {
  struct stat st = {};
  return ::stat(path.c_str(), &st) == 0;
}

// mkdir -p; an existing folder is fine.
void makeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return;
    if (slash == std::string::npos) return;
  }
}

// An XDG base folder from its variable; relative paths are invalid and ignored.
std::string xdgFolder(const std::string& variable, const std::string& fallback) {
  return !variable.empty() && variable.front() == '/' ? variable : fallback;
}

std::string parentOf(const std::string& folder) {
  const auto slash = folder.rfind('/');
  return slash == std::string::npos || slash == 0 ? "/" : folder.substr(0, slash);
}
}  // namespace

AppFolders findAppFolders(const std::string& executableFolder, const std::string& xdgDataHome,
                          const std::string& xdgStateHome, const std::string& home) {
  AppFolders folders;
  folders.installedData = parentOf(executableFolder) + "/share/yorvane";
  folders.state = xdgFolder(xdgStateHome, home + "/.local/state") + "/yorvane";
  makeFolders(folders.state);
  // An installed copy never writes beside its program file, even where it may
  // (root, or /usr/local/bin): that folder is shared by every user. An unknown
  // program folder is never the working directory.
  if (!executableFolder.empty() && !exists(folders.installedData) &&
      ::access(executableFolder.c_str(), W_OK) == 0) {
    folders.application = executableFolder;
    return folders;
  }
  folders.application = xdgFolder(xdgDataHome, home + "/.local/share") + "/Yorvane";
  makeFolders(folders.application);
  return folders;
}

std::string findResourceIn(const AppFolders& folders, const std::string& name) {
  const std::string local = folders.application + "/" + name;
  if (exists(local)) return local;
  const std::string installed = folders.installedData + "/" + name;
  return exists(installed) ? installed : local;
}

AppFolders programFolders() {
  return findAppFolders(posix::folderOfExecutable(), environment("XDG_DATA_HOME"),
                        environment("XDG_STATE_HOME"), environment("HOME"));
}

}  // namespace yorvane
