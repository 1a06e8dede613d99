// Saved games on disk. A file that cannot be continued is moved aside rather than deleted: the
// player may still want it, and the next save must not fail because of it.
#pragma once

#include <string>

#include "modes/SavedGame.h"

namespace velmor {

inline constexpr const char* SavedGameExtension = ".vsave";

enum class SavedGameRead {
  Read,
  Missing,     // no such file: nothing to continue
  Unreadable,  // it exists but could not be opened or read; leave it where it is
  Damaged,     // read, but not a saved game this program could continue: a candidate for MoveAside
};

// `error` says why for every outcome but Read, as a phrase to follow "cannot be continued: ".
SavedGameRead ReadSavedGame(const std::string& path, SavedGame& out, std::string& error);
// Through a temporary file, so a failed write leaves the old file whole.
bool WriteSavedGame(const std::string& path, const SavedGame& saved, std::string& error);

// Renames `path` to "path.damaged", or "path.damaged-2", "-3" ... when those are taken; never
// replaces or deletes a file. `movedTo` is the new name.
bool MoveAside(const std::string& path, std::string& movedTo, std::string& error);

}  // namespace velmor
