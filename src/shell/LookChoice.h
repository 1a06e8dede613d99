// One look menu (tilesets or backgrounds): its items, the file "Load from disk" remembers, and the
// choice whose picture is really in use. Reading pictures, the file dialog and what to fall back on
// belong to the caller; the rules for when to ask, what to remember and which mark to show live here,
// so both menus follow them alike.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

class LookChoice {
 public:
  struct Entry {
    MenuItem* item;
    std::string file;  // relative to the program's folder; empty for a choice without a picture
  };
  struct Loaders {
    std::function<std::optional<std::string>(const FileDialogRequest&)> ask;  // nothing when cancelled
    std::function<bool(const std::string&)> exists;
    // Reads the picture and puts it in use; false (the player told why) when it cannot be read.
    std::function<bool(const std::string&)> read;
    // At start-up nothing is in use yet, so a failure takes this instead (a default choice).
    std::function<void()> fallBack;
  };

  // `folder` is read at each use: the program's folder, ending with '/'. The dialog's initial
  // folder is relative to it. `fromDisk` comes first in the menu, then `entries` in their order.
  LookChoice(const std::string& folder, MenuItem& fromDisk, std::vector<Entry> entries, FileDialogRequest dialog,
             Loaders loaders);
  LookChoice(const LookChoice&) = delete;
  LookChoice& operator=(const LookChoice&) = delete;

  // The file "Load from disk" reloads without asking; empty when there is none.
  std::string remembered;

  // The choice whose picture is in use; none before the first picture is read.
  MenuItem* InUse() const { return inUse_; }
  // Checks `item` alone.
  void Show(MenuItem* item);
  // A choice that needs no picture: checked and in use at once.
  void Use(MenuItem& item);

  // A built-in choice: checked, then its picture read (a missing file hands over to the dialog).
  void Choose(MenuItem& item);
  // Reads `path` for the checked choice; true when its picture is now in use. A missing file
  // forgets the remembered one and opens the dialog instead.
  bool Load(const std::string& path);
  // "Load from disk": asks with the dialog when the item is checked already or nothing is
  // remembered, and otherwise reloads the remembered file.
  void LoadFromDisk();
  // At start-up: a checked "Load from disk" (unchecked, so that a remembered file is reloaded without
  // a dialog), else the first checked of `preferred`, else `otherwise`.
  MenuItem& StartUpChoice(std::initializer_list<MenuItem*> preferred, MenuItem& otherwise);

 private:
  // A cancelled dialog or an unreadable picture keeps the look in use and its mark.
  void KeepInUse();

  const std::string& folder_;
  MenuItem& fromDisk_;
  std::vector<Entry> entries_;  // fromDisk_ first, in menu order
  FileDialogRequest dialog_;
  Loaders loaders_;
  MenuItem* inUse_ = nullptr;
  bool fallingBack_ = false;
};

}  // namespace velmor
