// How loud the music and the effects play: "Off" and five steps each, a submenu of radio entries
// apiece, applied to the player at once. "Off" is a level like the others: "Play music" and
// "Play sound effects" stay as the player left them.
#pragma once

#include <array>

#include "base/Say.h"
#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

class SoundLevels {
  VELMOR_SPEAKS(velmor)

 public:
  // Levels run from 0, silent, to Full, the game's own balance of music and effects.
  static constexpr int Full = 5;

  // Fills the two submenus with their entries, Full checked; nothing is applied until a level is set.
  SoundLevels(Platform& platform, MenuItem& musicMenu, MenuItem& effectsMenu);
  SoundLevels(const SoundLevels&) = delete;
  SoundLevels& operator=(const SoundLevels&) = delete;

  int Music() const { return music_.level; }
  int Effects() const { return effects_.level; }
  // Checks the level's entry and applies it; a level outside 0 .. Full is taken as Full.
  void SetMusic(int level);
  void SetEffects(int level);

  // The share of the full amplitude a level plays at.
  static double Volume(int level);

 private:
  struct Control {
    std::array<MenuItem*, Full + 1> entries{};
    int level = Full;
  };
  void Fill(Control& control, MenuItem& menu, int radioGroup, void (SoundLevels::*set)(int));
  static void Check(Control& control, int level);

  Platform& platform_;
  Control music_, effects_;
};

}  // namespace velmor
