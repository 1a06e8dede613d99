#include "layouts/ImportLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/ImportHeap.h"
#include "layouts/LayoutFile.h"
#include "layouts/ShippedLayoutNames.h"

namespace velmor {

namespace {

// ---- KMahjongg layouts ----

constexpr std::string_view KMahjonggMagic = "kmahjongg-layout-v";

// A size line's number, 1 to a million; anything else is no size.
bool ReadSize(std::string_view digits, int64_t& out) {
  digits = TrimBlanks(digits);
  if (digits.empty() || digits.size() > 7) return false;
  int64_t v = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + (ch - '0');
  }
  out = v;
  return v > 0;
}

// A ".desktop" file larger than this holds no layout's name; it is not read.
constexpr uintmax_t MaxDesktopFileSize = 1024 * 1024;

// A value of a ".desktop" file with its escapes undone: "\s" is a space, "\\" a backslash, and
// the line breaks and tabs a name cannot hold become spaces.
std::string Unescaped(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out.push_back(value[i]);
      continue;
    }
    const char next = value[++i];
    out.push_back(next == '\\' ? '\\' : next == 's' || next == 'n' || next == 't' || next == 'r' ? ' ' : next);
  }
  return out;
}

// "inner_circle" -> "Inner Circle": underscores are spaces, and each word starts with a capital.
std::string Words(std::string_view stem) {
  std::string out;
  for (char ch : stem) {
    if (ch == '_') ch = ' ';
    if (ch == ' ' && (out.empty() || out.back() == ' ')) continue;
    if ((out.empty() || out.back() == ' ') && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    out.push_back(ch);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

const char* OriginName(ImportOrigin origin) {
  return origin == ImportOrigin::KMahjongg ? "KMahjongg" : "GNOME Mahjongg";
}

std::string StemOf(const std::string& layFile) { return layFile.substr(0, layFile.size() - 4); }

}  // namespace

std::string KMahjonggLayoutName(std::string_view desktop, std::string_view stem) {
  std::string name;
  bool inGroup = false;
  for (std::string_view line : SplitLines(SkipByteOrderMark(desktop))) {
    line = TrimBlanks(line);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      inGroup = line == "[KMahjonggLayout]";
      continue;
    }
    const size_t equals = line.find('=');
    // "Name[de]=" and the like are other keys; of two "Name=" the last counts.
    if (inGroup && equals != std::string_view::npos && TrimBlanks(line.substr(0, equals)) == "Name")
      name = CleanName(Unescaped(TrimBlanks(line.substr(equals + 1))));
  }
  return name.empty() ? CleanName(Words(stem)) : name;
}

bool ReadKMahjonggLayout(std::string_view text, std::string_view name, std::vector<ImportedHeap>& heaps,
                         std::string& error) {
  const std::vector<std::string_view> lines = SplitLines(SkipByteOrderMark(text));
  const std::string_view magic = lines.empty() ? std::string_view() : TrimBlanks(lines[0]);
  const bool v10 = magic == "kmahjongg-layout-v1.0", v11 = magic == "kmahjongg-layout-v1.1";
  if (!v10 && !v11) {
    error =
        magic.substr(0, KMahjonggMagic.size()) == KMahjonggMagic
            ? VELMOR_TEXT("it is a KMahjongg layout of a version other than 1.0 and 1.1")
            : VELMOR_TEXT("it is not a KMahjongg layout: its first line is not \"kmahjongg-layout-v1.0\" or \"-v1.1\"");
    return false;
  }
  // Version 1.0 has the one board size; 1.1 gives its own in "w", "h" and "d" lines.
  int64_t width = v10 ? 32 : 0, height = v10 ? 16 : 0, depth = v10 ? 5 : 0;
  std::string cells;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    if (v11 && (line[0] == 'w' || line[0] == 'h' || line[0] == 'd')) {
      int64_t& size = line[0] == 'w' ? width : line[0] == 'h' ? height : depth;
      if (!ReadSize(line.substr(1), size)) {
        error =
            Fill(VELMOR_TEXT("its size line \"%1\" holds no size from 1 to 9999999"), CleanName(line.substr(0, 20)));
        return false;
      }
      continue;
    }
    cells.append(line);
  }
  if (width == 0 || height == 0 || depth == 0) {
    error = VELMOR_TEXT("it does not give its width, height and depth");
    return false;
  }
  // Each size is below ten million and the text below MaxImportFileSize, so no product overflows.
  const int64_t have = static_cast<int64_t>(cells.size()), layerCells = width * height;
  if (layerCells > have || layerCells * depth != have) {
    error = Fill(VELMOR_TEXT("its tile map has %1 cells instead of %2 x %3 x %4"), have, width, height, depth);
    return false;
  }
  const int64_t expected = have;
  // Only the upper-left quarter of a tile ("1") says where it stands; the other quarters follow.
  SlotList list;
  for (int64_t i = 0; i < expected; ++i)
    if (cells[static_cast<size_t>(i)] == '1') list.Add(Slot{i % width, (i / width) % height, i / (width * height)});
  heaps.push_back(MakeHeap(CleanName(name), list));
  heaps.back().origin = ImportOrigin::KMahjongg;
  return true;
}

bool ImportLayoutText(std::string_view text, const std::string& path, std::vector<ImportedHeap>& heaps,
                      std::string& error, std::string_view desktop) {
  std::string_view start = SkipByteOrderMark(text);
  while (!start.empty() && IsSpace(start.front())) start.remove_prefix(1);
  if (start.substr(0, KMahjonggMagic.size()) == KMahjonggMagic)
    return ReadKMahjonggLayout(start, KMahjonggLayoutName(desktop, FileStemOf(path)), heaps, error);
  if (start.substr(0, 1) == "<") return ReadGnomeMahjonggMaps(text, heaps, error);
  error = VELMOR_TEXT("it is neither a KMahjongg layout nor a GNOME Mahjongg map");
  return false;
}

bool ImportLayoutFile(const std::string& path, std::vector<ImportedHeap>& heaps, std::string& error) {
  if (const auto size = FileSize(path); size && *size > MaxImportFileSize) {
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a layout (%2 bytes)"), path, *size);
    return false;
  }
  std::string text;
  if (!ReadWholeFile(path, text, error)) return false;
  if (text.size() > MaxImportFileSize) {  // a file that grew, or one whose size nobody could tell
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a layout"), path);
    return false;
  }
  // KMahjongg names its layouts in a ".desktop" file beside each; one that is missing, unreadable
  // or no plain file of a sensible size leaves the name to the file's own.
  std::string desktop;
  const std::string desktopPath = path.substr(0, path.size() - ExtensionOf(path).size()) + ".desktop";
  if (const auto size = FileSize(desktopPath);
      size && *size <= MaxDesktopFileSize && KindOf(desktopPath) == PathKind::File) {
    std::string ignored;
    if (!ReadWholeFile(desktopPath, desktop, ignored)) desktop.clear();
  }
  if (!ImportLayoutText(text, path, heaps, error, desktop)) {
    error = Fill(VELMOR_TEXT("\"%1\" cannot be imported: %2"), path, error);
    return false;
  }
  return true;
}

std::string ImportedLayFileName(std::string_view heapName) {
  std::string name;
  for (char ch : heapName) {
    const auto c = static_cast<unsigned char>(ch);
    name.push_back(ch == '/' || ch == '\\' || c < 0x20 || c == 0x7F ? '_' : ch);
  }
  const size_t first = name.find_first_not_of(". ");
  name = first == std::string::npos ? std::string() : name.substr(first);
  // Room for ".lay" and a copy number within the usual 255 bytes, never cutting a UTF-8 character.
  constexpr size_t Longest = 200;
  if (name.size() > Longest) {
    size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (name.empty()) name = "Imported";
  return name + ".lay";
}

bool IsShippedLayoutName(std::string_view name) {
  return std::any_of(std::begin(ShippedLayoutNames), std::end(ShippedLayoutNames),
                     [&](std::string_view shipped) { return SameText(shipped, name); });
}

std::vector<ImportedLayout> ImportedLayouts(const std::vector<ImportedHeap>& heaps) {
  std::vector<ImportedLayout> layouts;
  std::vector<std::string> files;  // of the heaps imported so far; a refused one takes no name
  // Names that differ in case only would share a Hall of Fame list and "--layout" name.
  auto taken = [&](const std::string& file) {
    return std::any_of(files.begin(), files.end(), [&](const std::string& f) { return SameText(f, file); });
  };
  for (const ImportedHeap& heap : heaps) {
    // Told by the name as listed, which may have lost leading dots and the like.
    std::string file = ImportedLayFileName(heap.name);
    if (IsShippedLayoutName(StemOf(file))) file = ImportedLayFileName(heap.name + " (" + OriginName(heap.origin) + ")");
    const std::string stem = StemOf(file);
    for (int copy = 2; heap.imported && taken(file); ++copy) file = stem + " (" + std::to_string(copy) + ").lay";
    if (heap.imported) files.push_back(file);
    layouts.push_back({StemOf(file), file});
  }
  return layouts;
}

std::string ImportedLayText(std::string_view name, const ImportedHeap& heap) { return FormatLayFile(name, heap.shape); }

bool SaveImportedHeap(const std::string& path, std::string_view name, const ImportedHeap& heap, std::string& error) {
  if (!heap.imported) {
    error = Fill(VELMOR_TEXT("\"%1\" was not imported: %2"), heap.name, heap.refusal);
    return false;
  }
  return WriteFileAtomically(path, ImportedLayText(name, heap), error);
}

}  // namespace velmor
