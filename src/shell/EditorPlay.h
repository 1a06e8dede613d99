// The layout editor in the window: building a heap tile by tile on the board itself, moving it
// whole, and saving it as a layout of the Layout menu.
#pragma once

#include <functional>
#include <string>

#include "base/Say.h"
#include "display/BoardPictures.h"
#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "shell/GameFolders.h"
#include "shell/GameMenus.h"
#include "shell/HallOfFameFile.h"
#include "shell/LayoutMenu.h"
#include "shell/Platform.h"

namespace velmor {

class EditorPlay {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void()> updateCommands, fullRedraw;
    std::function<void(const std::string& message)> status;
    std::function<void()> deal;        // a random deal of the layout, the board the editor starts from
    std::function<void()> beginGame;   // a game on the layout just built
    std::function<bool()> loadLayout;  // the layout in play read again
  };
  EditorPlay(Platform& platform, const FolderPaths& folders, GameMenus& menus, GameState& game, LayoutInPlay& layout,
             BoardPictures& pictures, LayoutMenu& listed, HallRecords& hall, Hooks hooks)
      : platform_(platform),
        folders_(folders),
        menus_(menus),
        game_(game),
        layout_(layout),
        pictures_(pictures),
        listed_(listed),
        hall_(hall),
        hooks_(std::move(hooks)) {}
  EditorPlay(const EditorPlay&) = delete;
  EditorPlay& operator=(const EditorPlay&) = delete;

  // "Create Layout" (an empty board) and "Edit Layout" (the layout in play).
  void Enter(bool create);
  // A click on the board: `add` puts a tile where the pointer is, else the one there goes.
  void Click(bool add, int x, int y, int column, int row);
  void Move(int dc, int dr);
  // "Save", "Save As…" and "Try It", as `sender` says.
  void SaveAndExit(MenuItem& sender);
  void Cancel();
  // Writes the layout to LayoutPath, asking for a name when it has none, and lists it.
  bool Save();

 private:
  Platform& platform_;
  const FolderPaths& folders_;
  GameMenus& menus_;
  GameState& game_;
  LayoutInPlay& layout_;
  BoardPictures& pictures_;
  LayoutMenu& listed_;
  HallRecords& hall_;
  Hooks hooks_;
};

}  // namespace velmor
