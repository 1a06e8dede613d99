// The Layout menu's "Choose Layout…" and "Import Layout…": picking a layout from pictures of them
// all, and bringing in the heaps of other Mah-Jongg games as the player's own layouts.
#pragma once

#include <string>
#include <vector>

#include "base/Say.h"
#include "shell/LayoutChooserModel.h"

namespace velmor {

class TVelmor;

class LayoutChoice {
 public:
  VELMOR_SPEAKS(velmor)
  explicit LayoutChoice(TVelmor& game) : game_(game) {}
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
  TVelmor& game_;
  LayoutChooserModel model_;
  ClearableSurvey odds_;
  std::string lastFolder_;  // where the player last imported from
};

}  // namespace velmor
