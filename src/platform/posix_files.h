#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

// File and folder operations on a POSIX file system, shared by every Platform.
namespace yorvane::posix {

std::vector<FolderEntry> listFolder(const std::string& path);
bool createFolder(const std::string& path, std::string* reason);
// Reads at most maxBytes of a regular file; nullopt when it cannot be opened
// or read, or is no regular file (a FIFO or device never blocks or floods it).
std::optional<std::string> readFile(const std::string& path, size_t maxBytes);
// Writes a temporary file beside path and renames it over path; with
// Durability::kOnDisk the content and the rename are flushed to disk first.
bool replaceFile(const std::string& path, const std::string& content, Durability durability,
                 std::string* reason);
// Creates a file beside path under a name no other file has, ".NAME.part-"
// and six more characters: exclusively, so never through a symbolic link or
// over what another writer left, with the permissions of a new file. Returns
// its descriptor and sets tempPath, or returns -1 with errno set.
int createTemporaryBeside(const std::string& path, std::string& tempPath);
// True for the name of such a temporary file: one a write left when it was cut off.
bool isTemporaryName(std::string_view name);
// The file in the application folder whose lock a running program holds.
inline constexpr char kLockFileName[] = ".yorvane.lock";

// Opens (creating it) the file and locks it for this open file until it is
// closed or the process ends; the kernel releases it however the process
// ends. Returns the descriptor, or -1 with errno EWOULDBLOCK when another
// open of the file holds the lock, or another errno when it cannot be opened.
int lockFile(const std::string& path);
bool removeFile(const std::string& path);
// The program file's folder; empty when its path cannot be read.
std::string folderOfExecutable();
std::string errnoText(int err);

}  // namespace yorvane::posix
