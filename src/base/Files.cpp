#include "base/Files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Format.h"
#include "base/Say.h"
#include "base/Text.h"

namespace velmor {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_regular_file(path, ec);
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::exists(path, ec);
}

bool NameTaken(const std::string& path) {
  std::error_code ec;
  // A name the system will not look up counts as taken: reading it says why.
  return !path.empty() && fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

PathKind KindOf(const std::string& path, std::string* why) {
  std::error_code ec;
  const fs::file_type type = fs::status(path, ec).type();
  if (type == fs::file_type::not_found) return PathKind::Missing;
  if (ec) {
    if (why) *why = ec.message();
    return PathKind::Unknown;
  }
  if (type == fs::file_type::regular) return PathKind::File;
  return type == fs::file_type::directory ? PathKind::Folder : PathKind::Special;
}

std::optional<uintmax_t> FileSize(const std::string& path) {
  std::error_code ec;
  const uintmax_t size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  return size;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  std::error_code sizeError, timeError;
  const uintmax_t size = fs::file_size(path, sizeError);
  const fs::file_time_type time = fs::last_write_time(path, timeError);
  if (sizeError || timeError) return std::nullopt;
  return FileStamp{size, static_cast<int64_t>(time.time_since_epoch().count())};
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    names.push_back(it->path().filename().string());
  }
  return names;
}

bool MakeFolder(const std::string& folder, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    error = Fill(VELMOR_TEXT("cannot create the folder \"%1\": %2"), folder,
                 ec ? ec.message() : std::string(VELMOR_TEXT("not a folder")));
    return false;
  }
  return true;
}

bool FolderIsWritable(const std::string& folder) {
  // access() answers yes for root on any folder of a writable file system, and no on some
  // network file systems that would accept the file, so try it.
  std::string probe = FolderWithSlash(folder) + ".velmor-write-test-XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool CopyNewFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (Exists(to) || !IsFile(from)) return false;
  return fs::copy_file(from, to, ec) && !ec;
}

bool RemoveFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(path, ec) && !ec;
}

bool RenameFile(const std::string& from, const std::string& to, std::string* why) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  if (why) *why = std::strerror(errno);
  return false;
}

bool ReadWholeFile(const std::string& path, std::string& out, std::string& error) {
  if (IsFolder(path)) {
    error = Fill(VELMOR_TEXT("\"%1\" is a folder, not a file"), path);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = Fill(VELMOR_TEXT("cannot open \"%1\": %2"), path, std::strerror(errno));
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = Fill(VELMOR_TEXT("cannot read \"%1\""), path);
    return false;
  }
  out = buffer.str();
  return true;
}

bool ReadFilePart(const std::string& path, uintmax_t offset, size_t count, std::string& out) {
  out.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in || !in.seekg(static_cast<std::streamoff>(offset))) return false;
  out.resize(count);
  in.read(out.data(), static_cast<std::streamsize>(count));
  out.resize(static_cast<size_t>(in.gcount()));
  return !in.bad();
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string& error) {
  const std::string temp = path + ".tmp-" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    error = Fill(VELMOR_TEXT("cannot write \"%1\": %2"), path, std::strerror(errno));
    return false;
  }
  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (::fsync(::fileno(f)) == 0) && ok;
  const int savedErrno = errno;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::remove(temp.c_str());
    error = Fill(VELMOR_TEXT("cannot write \"%1\": %2"), path, std::strerror(savedErrno ? savedErrno : EIO));
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    error = Fill(VELMOR_TEXT("cannot replace \"%1\": %2"), path, std::strerror(errno));
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }
std::string FileStemOf(const std::string& path) { return fs::path(path).stem().string(); }
std::string ExtensionOf(const std::string& path) { return fs::path(path).extension().string(); }
std::string FolderOf(const std::string& path) { return fs::path(path).parent_path().string(); }
std::string NormalPath(const std::string& path) { return fs::path(path).lexically_normal().string(); }
bool SamePath(const std::string& a, const std::string& b) { return fs::path(a) == fs::path(b); }

}  // namespace velmor
