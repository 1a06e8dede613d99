#include "shell/SavedGameFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/Say.h"
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
    error = Fill(VELMOR_TEXT("there is no file \"%1\""), path);
    return SavedGameRead::Missing;
  }
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > LargestSavedGame) {
    error = VELMOR_TEXT("it is not a saved game");
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
      error = Fill(VELMOR_TEXT("too many damaged copies of \"%1\" lie beside it"), path);
      return false;
    }
    target = path + ".damaged-" + std::to_string(k);
  }
  if (std::rename(path.c_str(), target.c_str()) != 0) {
    error = Fill(VELMOR_TEXT("cannot rename \"%1\": %2"), path, std::strerror(errno));
    return false;
  }
  movedTo = target;
  return true;
}

}  // namespace velmor
