#include "platform/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace yorvane::posix {

std::string errnoText(int err) {
  return std::strerror(err);
}

namespace {
void setReason(std::string* reason, int err) {
  if (reason) *reason = errnoText(err);
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Makes a rename inside the folder survive a crash; a file system that cannot
// sync a folder still has the new content in place, so a failure is no error.
void syncFolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

std::vector<FolderEntry> listFolder(const std::string& path) {
  std::vector<FolderEntry> entries;
  DIR* dir = ::opendir(path.c_str());
  if (!dir) return entries;
  while (const dirent* e = ::readdir(dir)) {
    FolderEntry entry{e->d_name, false};
    struct stat st = {};
    // Follows symbolic links: a link to a folder counts as a folder.
    if (::fstatat(::dirfd(dir), e->d_name, &st, 0) == 0) entry.isDirectory = S_ISDIR(st.st_mode);
    entries.push_back(std::move(entry));
  }
  ::closedir(dir);
  return entries;
}

bool createFolder(const std::string& path, std::string* reason) {
  if (::mkdir(path.c_str(), 0755) == 0) return true;
  setReason(reason, errno);
  return false;
}

std::optional<std::string> readFile(const std::string& path, size_t maxBytes) {
  // Without O_NONBLOCK a FIFO in the file's place would block the open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st = {};
  std::optional<std::string> content;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) content.emplace();
  char buffer[4096];
  while (content && content->size() < maxBytes) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - content->size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) content.reset();
    if (n <= 0) break;
    content->append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return content;
}

namespace {
// A temporary file's name: ".NAME" and this, then six characters mkostemp picks.
constexpr std::string_view kTemporaryMark = ".part-";
constexpr size_t kTemporaryTail = kTemporaryMark.size() + 6;
}  // namespace

int createTemporaryBeside(const std::string& path, std::string& tempPath) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string pattern = folder + "." + name + std::string(kTemporaryMark) + "XXXXXX";
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  // mkostemp makes the file private; give it what a new file gets.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0644 & ~mask) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(pattern.c_str());
    errno = err;
    return -1;
  }
  tempPath = std::move(pattern);
  return fd;
}

bool isTemporaryName(std::string_view name) {
  return name.size() > kTemporaryTail + 1 && name.front() == '.' &&
         name.substr(name.size() - kTemporaryTail, kTemporaryMark.size()) == kTemporaryMark;
}

bool replaceFile(const std::string& path, const std::string& content, Durability durability,
                 std::string* reason) {
  // The old file stays untouched until the new content is complete.
  std::string temp;
  const int fd = createTemporaryBeside(path, temp);
  if (fd < 0) {
    setReason(reason, errno);
    return false;
  }
  const bool onDisk = durability == Durability::kOnDisk;
  bool ok = writeAll(fd, content) && (!onDisk || ::fsync(fd) == 0);
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    setReason(reason, err);
    return false;
  }
  if (onDisk) syncFolderOf(path);
  return true;
}

int lockFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  const int err = errno;
  ::close(fd);
  errno = err;
  return -1;
}

bool removeFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

std::string folderOfExecutable() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  // Unreadable, or cut off at the buffer's end.
  if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return {};
  std::string path(buffer, static_cast<size_t>(n));
  const auto slash = path.rfind('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace yorvane::posix
