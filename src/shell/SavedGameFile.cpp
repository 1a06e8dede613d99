#include "shell/SavedGameFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

// A saved game is a few kilobytes; anything far larger is something else under its name.
constexpr uintmax_t LargestSavedGame = 1 << 20;

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
}

}  // namespace

SavedGameRead ReadSavedGame(const std::string& path, SavedGame& out, std::string& error) {
  std::error_code ec;
  if (!Exists(path)) {
    error = "there is no file \"" + path + "\"";
    return SavedGameRead::Missing;
  }
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > LargestSavedGame) {
    error = "it is not a saved game";
    return SavedGameRead::Damaged;
  }
  std::string text;
  if (!ReadWholeFile(path, text, error)) return SavedGameRead::Unreadable;
  return ParseSavedGame(text, out, error) ? SavedGameRead::Read : SavedGameRead::Damaged;
}

bool WriteSavedGame(const std::string& path, const SavedGame& saved, std::string& error) {
  return WriteFileAtomically(path, SerializeSavedGame(saved), error);
}

bool MoveAside(const std::string& path, std::string& movedTo, std::string& error) {
  std::string target = path + ".damaged";
  for (int k = 2; Exists(target); ++k) {
    if (k > 1000) {
      error = "too many damaged copies of \"" + path + "\" lie beside it";
      return false;
    }
    target = path + ".damaged-" + std::to_string(k);
  }
  if (std::rename(path.c_str(), target.c_str()) != 0) {
    error = "cannot rename \"" + path + "\": " + std::strerror(errno);
    return false;
  }
  movedTo = target;
  return true;
}

}  // namespace velmor
