// Reading the heaps of two other Mah-Jongg games, KMahjongg's ".layout" files and GNOME Mahjongg's
// ".map" files, as shapes on this game's board.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/LayoutShape.h"

namespace velmor {

// One heap found in a foreign file: either imported as a shape or refused with the reason. Each
// heap of a file stands on its own: one refused map does not spoil the others.
struct ImportedHeap {
  std::string name;  // the map's name, or the file's base name for a ".layout"; no control characters
  bool imported = false;
  LayoutShape shape;    // when imported: 144 tiles, centred on the board
  std::string refusal;  // when not: why, as a player is told ("it has 120 tiles; ...")
};

// Files larger than this are not layouts of either kind; they are refused before being read.
inline constexpr size_t MaxImportFileSize = 16 * 1024 * 1024;

// Reads KMahjongg layout text, version 1.0 or 1.1, as one heap called `name`. False with a
// message in `error` when the text is not such a layout or is damaged.
bool ReadKMahjonggLayout(std::string_view text, std::string_view name, std::vector<ImportedHeap>& heaps,
                         std::string& error);

// Reads GNOME Mahjongg map XML: every <map> gives a heap. A map that the file breaks off in, or
// that holds an unreadable coordinate, is refused. False with a message when no map is found.
bool ReadGnomeMahjonggMaps(std::string_view text, std::vector<ImportedHeap>& heaps, std::string& error);

// Reads either kind, told apart by their content; `path` gives a ".layout" heap its name.
bool ImportLayoutText(std::string_view text, const std::string& path, std::vector<ImportedHeap>& heaps,
                      std::string& error);
// The same from a file, refusing missing, unreadable and oversized files.
bool ImportLayoutFile(const std::string& path, std::vector<ImportedHeap>& heaps, std::string& error);

// The ".lay" file name an imported heap is saved under: the name without slashes, control
// characters or leading dots and spaces, shortened to fit a file system, "Imported" when nothing
// is left, and ".lay" after it.
std::string ImportedLayFileName(std::string_view heapName);

// Writes an imported heap as a ".lay" file at `path`, atomically like every file the game writes.
bool SaveImportedHeap(const std::string& path, const ImportedHeap& heap, std::string& error);

}  // namespace velmor
