#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace yorvane {

// The part of a Platform that the real program and the tests' fake share: BMP
// files and the files and folders of the machine's POSIX file system.
class PosixFilesPlatform : public Platform {
 public:
  bool saveBmp(const Image& image, const std::string& path, std::string* reason) override;
  std::vector<FolderEntry> listFolder(const std::string& path) override;
  bool createFolder(const std::string& path, std::string* reason) override;
  std::optional<std::string> readFile(const std::string& path, size_t maxBytes) override;
  bool removeFile(const std::string& path) override;
  bool replaceFile(const std::string& path, const std::string& content, Durability durability,
                   std::string* reason) override;
};

}  // namespace yorvane
