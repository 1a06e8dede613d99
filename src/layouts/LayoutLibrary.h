// The layouts the game can play: the shipped ones and the player's own, each known by its file.
// Numbers are 1-based, as the Layout menu, BoardNumber and the Hall of Fame lists count them.
#pragma once

#include <string>
#include <vector>

namespace velmor {

struct LayoutInfo {
  std::string name;    // as listed: the file's name without ".lay" or ".shp"
  std::string file;    // "Pyramid.lay", "Spiral.shp"
  std::string folder;  // ends with '/'
  bool shp = false;
  std::string Path() const { return folder + file; }
  // The name its records are kept under. A ".shp" layout was once listed by its whole file name,
  // and Hall of Fame files written then must still find its records (and not mix them with those
  // of a ".lay" of the same base name).
  const std::string& RecordName() const { return shp ? file : name; }
};

class LayoutLibrary {
 public:
  static constexpr int MaxEntries = 99;  // numbers 100 and 101 belong to the two flat games

  // Lists the ".lay" files, sorted without regard to case, then the ".shp" files, sorted the same
  // way, of `shipped` and of `players` (empty: none). A player's file replaces a shipped file of
  // the same name. Files past MaxEntries are not listed; their names land in `leftOut`.
  void Scan(const std::string& shipped, const std::string& players, std::vector<std::string>& leftOut);
  // Appends an entry; its number.
  int Add(LayoutInfo info);

  int Count() const { return static_cast<int>(entries_.size()); }
  bool Has(int number) const { return number >= 1 && number <= Count(); }
  const LayoutInfo& operator[](int number) const { return entries_[static_cast<size_t>(number - 1)]; }
  LayoutInfo& operator[](int number) { return entries_[static_cast<size_t>(number - 1)]; }
  // The number of the entry reading `file` ("Pyramid.lay"), or of a ".lay" entry named `name`; 0 if none.
  int FindFile(const std::string& file) const;
  int FindName(const std::string& name) const;

 private:
  std::vector<LayoutInfo> entries_;
};

// The ".lay" file the editor writes for a path the player chose or a layout being edited: an
// external ".shp" layout is saved beside it as "Name.lay" (never "Name.shp.lay", which would list
// a second "Name.shp"); a path with no ".lay" in it gets the extension.
std::string LayFilePathFor(const std::string& path);

}  // namespace velmor
