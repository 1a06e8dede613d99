// The Layout menu's "Choose Layout…" and "Import Layout…": picking a layout from pictures of them
// all, and bringing in the heaps of other Mah-Jongg games as the player's own layouts.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Say.h"
#include "modes/GameState.h"
#include "shell/GameFolders.h"
#include "shell/GameRecords.h"
#include "shell/HallOfFameFile.h"
#include "shell/LayoutChooserModel.h"
#include "shell/LayoutMenu.h"
#include "shell/Platform.h"

namespace velmor {

class LayoutChoice {
 public:
  VELMOR_SPEAKS(velmor)
  struct Hooks {
    std::function<void()> pause;  // pauses the game, or goes on with a paused one
    std::function<void()> fillHallChooser;
  };
  LayoutChoice(Platform& platform, const FolderPaths& folders, const GameState& game, LayoutMenu& listed,
               HallRecords& hall, const GameRecords& records, Hooks hooks)
      : platform_(platform),
        folders_(folders),
        game_(game),
        listed_(listed),
        hall_(hall),
        records_(records),
        hooks_(std::move(hooks)) {}
  LayoutChoice(const LayoutChoice&) = delete;
  LayoutChoice& operator=(const LayoutChoice&) = delete;

  // Shows the chooser, the game paused meanwhile; the layout picked is played as its menu entry
  // plays it.
  void Choose();
  // Asks for a KMahjongg or GNOME Mahjongg file and saves each heap it holds as a ".lay" file in
  // the player's layouts folder, asking before one replaces a layout of the same name; the Layout
  // menu then lists them. The player is told what came in and what was refused, and why.
  void Import();
  // Lists the layouts again from their folders. The layout in play keeps its check mark and every
  // layout its Hall of Fame list, whatever number it now has. The files a full menu leaves out.
  std::vector<std::string> Relist();
  const LayoutChooserModel& Model() const { return model_; }
  // Reads the layouts' difficulty and counts, in the background, that of the player's layouts
  // not yet counted.
  void Survey();

 private:
  Platform& platform_;
  const FolderPaths& folders_;
  const GameState& game_;
  LayoutMenu& listed_;
  HallRecords& hall_;
  const GameRecords& records_;
  Hooks hooks_;
  LayoutChooserModel model_;
  ClearableSurvey odds_;
  std::string lastFolder_;  // where the player last imported from
};

}  // namespace velmor
