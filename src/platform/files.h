#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace yorvane {

// How far a replaced file must have got when the replacement returns: onto
// the disk, surviving a power cut; or into the kernel's hands, surviving any
// end of the program but not of the machine, without waiting for the disk.
enum class Durability { kOnDisk, kPastProgramEnd };

// One entry of a folder listing.
struct FolderEntry {
  std::string name;
  bool isDirectory = false;
};

// Files and folders. Paths are full paths with '/' separators.
class Files {
 public:
  virtual ~Files() = default;

  virtual std::string applicationFolder() = 0;
  // The user's own folder for what the program remembers beside its settings
  // (a notice already shown), $XDG_STATE_HOME/yorvane; made when missing.
  virtual std::string stateFolder() = 0;
  // Full path of a document shipped with the program (readme, sound): the copy
  // in the application folder when there is one, else the installed one.
  virtual std::string findResource(const std::string& name) = 0;
  // Lists every entry of a folder, "." and ".." included; empty when unreadable.
  virtual std::vector<FolderEntry> listFolder(const std::string& path) = 0;
  virtual bool createFolder(const std::string& path, std::string* reason) = 0;
  // Reads at most maxBytes of a regular file; nullopt when it cannot be read.
  virtual std::optional<std::string> readFile(const std::string& path, size_t maxBytes) = 0;
  // Removes a file; false when it cannot.
  virtual bool removeFile(const std::string& path) = 0;
  // Takes the application folder for this program until it ends, however it
  // ends; false when another running program has it.
  virtual bool lockApplicationFolder() = 0;
  // Replaces the file's content as a whole: readers see the old or the new
  // content, never a torn one.
  virtual bool replaceFile(const std::string& path, const std::string& content,
                           Durability durability, std::string* reason) = 0;
  // Saves the whole image as a BMP file. False (with a reason) when it fails.
  virtual bool saveBmp(const Image& image, const std::string& path, std::string* reason) = 0;
};

}  // namespace yorvane
