#include "shell/SavedGameFile.h"

#include "base/Files.h"
#include "base/Say.h"
#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

// A saved game is a few kilobytes; anything far larger is something else under its name.
constexpr uintmax_t LargestSavedGame = 1 << 20;

}  // namespace

SavedGameRead ReadSavedGame(const std::string& path, SavedGame& out, std::string& error) {
  if (!NameTaken(path)) {
    error = Fill(VELMOR_TEXT("there is no file \"%1\""), path);
    return SavedGameRead::Missing;
  }
  if (const auto size = FileSize(path); size && *size > LargestSavedGame) {
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
  for (int k = 2; NameTaken(target); ++k) {
    if (k > 1000) {
      error = Fill(VELMOR_TEXT("too many damaged copies of \"%1\" lie beside it"), path);
      return false;
    }
    target = path + ".damaged-" + std::to_string(k);
  }
  if (std::string why; !RenameFile(path, target, &why)) {
    error = Fill(VELMOR_TEXT("cannot rename \"%1\": %2"), path, why);
    return false;
  }
  movedTo = target;
  return true;
}

}  // namespace velmor
