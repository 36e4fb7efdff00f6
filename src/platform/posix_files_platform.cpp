#include "platform/posix_files_platform.h"

#include <cerrno>

#include "platform/bmp_file.h"
#include "platform/posix_files.h"

namespace yorvane {

bool PosixFilesPlatform::saveBmp(const Image& image, const std::string& path, std::string* reason) {
  if (writeBmpFile(image, path)) return true;
  if (reason) *reason = posix::errnoText(errno);
  return false;
}

std::vector<FolderEntry> PosixFilesPlatform::listFolder(const std::string& path) {
  return posix::listFolder(path);
}

bool PosixFilesPlatform::createFolder(const std::string& path, std::string* reason) {
  return posix::createFolder(path, reason);
}

std::optional<std::string> PosixFilesPlatform::readFile(const std::string& path, size_t maxBytes) {
  return posix::readFile(path, maxBytes);
}

bool PosixFilesPlatform::removeFile(const std::string& path) {
  return posix::removeFile(path);
}

bool PosixFilesPlatform::replaceFile(const std::string& path, const std::string& content,
                                     Durability durability, std::string* reason) {
  return posix::replaceFile(path, content, durability, reason);
}

}  // namespace yorvane
