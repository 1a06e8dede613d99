// The Layout menu's layouts, in its order, and their entries in it: the shipped layouts and the
// player's own, where a layout of the same name replaces the shipped one; and the reading of the
// layout an entry names.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Say.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutInPlay.h"
#include "layouts/LayoutLibrary.h"
#include "shell/CommandLine.h"
#include "shell/GameFolders.h"
#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

class LayoutMenu {
 public:
  VELMOR_SPEAKS(velmor)
  // `read` follows every layout read: a deal on it, or the greeting at start-up.
  LayoutMenu(Platform& platform, const FolderPaths& folders, LayoutInPlay& layout, MenuItem& menu,
             std::function<void()> read)
      : platform_(platform), folders_(folders), layout_(layout), menu_(menu), read_(std::move(read)) {}
  LayoutMenu(const LayoutMenu&) = delete;
  LayoutMenu& operator=(const LayoutMenu&) = delete;

  LayoutLibrary Layouts;
  NumberedEntries Entries;  // beside Layouts

  // Lists the layouts from their folders and makes their entries, the layout to play checked: the
  // remembered one, or the one `asked` names. False (after telling the player) when there is none.
  bool Build(const StartRequest& asked);
  // Lists the layouts again. The layout in play keeps its check mark, whatever number it now has.
  // The files a full menu leaves out.
  std::vector<std::string> Relist();
  // The entries of Layouts[from] on, appended to the menu.
  void AddEntries(int from);
  // LayoutPath for BoardNumber; the first entry's when BoardNumber names no file.
  void ResolvePath();
  // After a flat game, BoardNumber names the layout whose entry is still checked.
  void FromCheckedEntry();
  // The layout a flat game returns to, or the one in play.
  int InPlay() const;
  // Reads the layout at `path` (a whole ".shp" shape when `shp`) into the layout in play; false
  // when it was refused: the player is told why, or `refusal` is, when given.
  bool Play(const std::string& path, bool shp, LayoutRefusal* refusal = nullptr);
  // LayoutPath, with the reader its extension calls for.
  bool LoadCurrent();
  // The same at start-up, falling back to another layout when the remembered one is refused.
  bool LoadStart();

 private:
  void Choose(MenuItem& entry, bool shp);
  Platform& platform_;
  const FolderPaths& folders_;
  LayoutInPlay& layout_;
  MenuItem& menu_;
  std::function<void()> read_;
};

}  // namespace velmor
