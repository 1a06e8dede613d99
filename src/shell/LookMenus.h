// The tileset and background menus and the board's pictures at the window's scale. Given only
// what they touch: the menus' items, the pictures, whether a game is on the board, and a way to
// have the board drawn again once a new picture is in use.
#pragma once

#include <functional>
#include <string>

#include "display/BoardPictures.h"
#include "modes/PlayState.h"
#include "shell/GameMenus.h"
#include "shell/LookChoice.h"
#include "shell/Platform.h"

namespace velmor {

class LookMenus {
 public:
  VELMOR_SPEAKS(velmor)

  // `appFolder` is read at each use, so the slash the game adds to it at start-up still counts.
  LookMenus(Platform& platform, const std::string& appFolder, GameMenus& menus, BoardPictures& pictures,
            const PlayState& play, std::function<void()> fullRedraw);
  LookMenus(const LookMenus&) = delete;
  LookMenus& operator=(const LookMenus&) = delete;

 private:
  Platform& platform_;
  const std::string& appFolder_;
  GameMenus& menus_;
  BoardPictures& pictures_;
  const PlayState& play_;
  std::function<void()> fullRedraw_;
  // Each menu's rules; built before the names below that refer into them.
  LookChoice tilesets_;
  LookChoice backgrounds_;

 public:
  // The files "Load from disk" reloads, under the names the settings keep them by.
  std::string& LastLoadedTileset = tilesets_.remembered;
  std::string& LastLoadedBackground = backgrounds_.remembered;
  // Both say whether the picture is now in use (a missing file hands over to the dialog).
  bool LoadTileset(const std::string& path) { return tilesets_.Load(path); }
  bool NouveauFond(const std::string& path) { return backgrounds_.Load(path); }
  void Load1Click() { tilesets_.LoadFromDisk(); }
  void LoadBackgroundClick() { backgrounds_.LoadFromDisk(); }
  void None1Click();
  // The check marks read from the settings name the looks to take, clicked as the player would.
  void ActiveTilesetBackground();
  // Built-in choices: tileset items 1-4 and background items with a file.
  void BuiltInTilesetClick(MenuItem& item) { tilesets_.Choose(item); }
  void BuiltInBackgroundClick(MenuItem& item) { backgrounds_.Choose(item); }
  // Every picture made again at another whole scale; false when the scale is the one shown.
  bool SetScale(int scale);

 private:
  bool LoadPicture(const std::string& path, bool jpeg, Picture& out);
  LookChoice::Loaders Loaders(std::function<void(Picture&, const std::string&)> use, std::function<void()> fallBack);
  LookChoice TilesetChoice();
  LookChoice BackgroundChoice();
  void NewBackground();   // BackgroundImage made again from its source at the scale
  void MakeLooksAhead();  // the looks at the screen's other scales, made and kept in the background
};

}  // namespace velmor
