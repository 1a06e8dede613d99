// The core's one door to the file system: every file it reads, writes, looks for or lists goes
// through here, and everything else it asks of the system through Platform. Tests use the same
// door on a folder of their own. Paths are plain strings; nothing here throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

// A regular file (or a link to one).
bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);
// A file, a folder or anything else there, a link followed.
bool Exists(const std::string& path);
// Anything at all under that name, even a link to nothing.
bool NameTaken(const std::string& path);
// What is under a name, a link followed: a pipe or a device is Special (a read would block or
// never end); Unknown, with the system's reason, where it would not say.
enum class PathKind { Missing, File, Folder, Special, Unknown };
PathKind KindOf(const std::string& path, std::string* why = nullptr);
// The size of a file; none for a missing or unreadable one.
std::optional<uintmax_t> FileSize(const std::string& path);
// What tells a changed file from the one read before: its size and the time it was written.
struct FileStamp {
  uintmax_t size = 0;
  int64_t time = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
std::optional<FileStamp> StampOf(const std::string& path);

// The names of a folder's entries that are not folders, in no particular order; none for a
// missing or unreadable folder.
std::vector<std::string> FilesIn(const std::string& folder);
// Creates the folder and its parents when missing. False, with the reason, when that fails.
bool MakeFolder(const std::string& folder, std::string& error);
// True when files can be created in the folder (tried, not guessed from permission bits).
bool FolderIsWritable(const std::string& folder);
// Copies a file to a name nothing holds yet; false, with nothing changed, otherwise.
bool CopyNewFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// Renames a file, replacing what had the new name; false, with the system's reason, otherwise.
bool RenameFile(const std::string& from, const std::string& to, std::string* why = nullptr);

// The whole file; fails with a message for a folder or a missing or unreadable file.
bool ReadWholeFile(const std::string& path, std::string& out, std::string& error);
// Up to `count` bytes from `offset` on: fewer at the end of the file, none for an unreadable one.
bool ReadFilePart(const std::string& path, uintmax_t offset, size_t count, std::string& out);
// Writes to a temporary file beside `path`, flushed to the disk, and renames it over the old
// file, so a failed write never leaves half a file behind.
bool WriteFileAtomically(const std::string& path, std::string_view data, std::string& error);

// Names taken apart by their text alone, with no look at the disk.
std::string FileNameOf(const std::string& path);            // "a/b.lay" -> "b.lay"
std::string FileStemOf(const std::string& path);            // "a/b.lay" -> "b"
std::string ExtensionOf(const std::string& path);           // "a/b.lay" -> ".lay"
std::string FolderOf(const std::string& path);              // "a/b.lay" -> "a"
std::string NormalPath(const std::string& path);            // "a/./c/../b" -> "a/b"
bool SamePath(const std::string& a, const std::string& b);  // "a//b" and "a/b" are one

}  // namespace velmor
