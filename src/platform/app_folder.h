#pragma once

#include <string>

namespace yorvane {

// Where a run keeps its pictures and settings, and where its documents are.
struct AppFolders {
  // BMP/ and setutei live here.
  std::string application;
  // Installed documents (readme, sound), looked up when the application folder lacks them.
  std::string installedData;
  // What the program remembers per user beside its settings.
  std::string state;
};

// The program file's folder when the user can write there (a portable copy,
// the build tree); otherwise, and always for an installed copy (one with
// ../share/yorvane beside its bin/, where the installed documents sit), a
// per-user folder under the XDG data home, made when missing.
// The state folder is $XDG_STATE_HOME/yorvane (~/.local/state/yorvane), made
// when missing.
AppFolders findAppFolders(const std::string& executableFolder, const std::string& xdgDataHome,
                          const std::string& xdgStateHome, const std::string& home);

// The folders of this copy of the program (the running executable), for this user.
AppFolders programFolders();

// The copy of name in the application folder when there is one, else the installed one.
std::string findResourceIn(const AppFolders& folders, const std::string& name);

}  // namespace yorvane
