// Reading the heaps of two other Mah-Jongg games, KMahjongg's ".layout" files and GNOME Mahjongg's
// ".map" files, as shapes on this game's board.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/LayoutShape.h"

namespace velmor {

// The game a heap comes from, which tells it apart from a shipped layout of the same name.
enum class ImportOrigin { KMahjongg, GnomeMahjongg };

// One heap found in a foreign file: either imported as a shape or refused with the reason. Each
// heap of a file stands on its own: one refused map does not spoil the others.
struct ImportedHeap {
  // As the other game shows it: the map's name, or a ".layout"'s (see KMahjonggLayoutName); no
  // control characters.
  std::string name;
  ImportOrigin origin = ImportOrigin::KMahjongg;
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

// The name KMahjongg shows for a layout: the untranslated "Name=" of the "[KMahjonggLayout]" group
// of `desktop`, the text of the ".desktop" file KMahjongg keeps beside each ".layout" (empty when
// there is none). Without one, the file's base name `stem` read as words: "inner_circle" gives
// "Inner Circle". A translated name is not taken: the name must not change with the language, or
// the next import would not find the layout it replaces.
std::string KMahjonggLayoutName(std::string_view desktop, std::string_view stem);

// Reads either kind, told apart by their content; `path` and `desktop` (as above) give a
// ".layout" heap its name.
bool ImportLayoutText(std::string_view text, const std::string& path, std::vector<ImportedHeap>& heaps,
                      std::string& error, std::string_view desktop = {});
// The same from a file, refusing missing, unreadable and oversized files; a ".layout" takes its
// name from the ".desktop" file of the same base name beside it, when there is one.
bool ImportLayoutFile(const std::string& path, std::vector<ImportedHeap>& heaps, std::string& error);

// The ".lay" file name an imported heap is saved under: the name without slashes, control
// characters or leading dots and spaces, shortened to fit a file system, "Imported" when nothing
// is left, and ".lay" after it.
std::string ImportedLayFileName(std::string_view heapName);

// True for the name of a layout the game ships ("Crab", "Spiral"), in any case.
bool IsShippedLayoutName(std::string_view name);

// What an imported heap becomes: a ".lay" file, which the Layout menu, the chooser, the Hall of
// Fame and "--layout" know by its name (the file's, without ".lay").
struct ImportedLayout {
  std::string name;  // "Inner Circle", "Crab (KMahjongg)"
  std::string file;  // "Inner Circle.lay", "Crab (KMahjongg).lay"
};

// The layouts the heaps of one file become, one for each heap in order (refused ones too). A heap
// is named as its game shows it; when that is a shipped layout's name, its origin follows in
// parentheses: "Crab (KMahjongg)", "Crab (GNOME Mahjongg)". A second imported heap of one name in
// the file is numbered: "Easy (2)". Nothing else is looked at, so importing a file again gives the same
// files, which replace those of the import before.
std::vector<ImportedLayout> ImportedLayouts(const std::vector<ImportedHeap>& heaps);

// Writes an imported heap as the ".lay" file at `path`, named `name` inside (the name it is listed
// by), atomically like every file the game writes.
bool SaveImportedHeap(const std::string& path, std::string_view name, const ImportedHeap& heap, std::string& error);
// The text SaveImportedHeap writes: an import whose file already holds it changes nothing.
std::string ImportedLayText(std::string_view name, const ImportedHeap& heap);

}  // namespace velmor
