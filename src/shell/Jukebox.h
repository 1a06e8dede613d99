// The music: one entry per ".mid" file of the tunes folder in the Music menu, the tune the player
// chose, and what happens when a tune ends (it loops, or another is drawn at random).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Say.h"
#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

class Jukebox {
 public:
  VELMOR_SPEAKS(velmor)

  // The menu items the music answers to and shows itself on.
  struct Items {
    MenuItem& musicMenu;    // the tune entries are added here
    MenuItem& playMusic;    // checked: music plays
    MenuItem& randomMusic;  // checked: a tune that ends is followed by one drawn at random
    MenuItem& setMusic;     // the toolbar's pause button, enabled while music may play
  };
  // `randomBelow` draws the next tune (the game's generator, so a seed replays it); `tell` puts a
  // problem on the status line.
  Jukebox(Platform& platform, Items items, std::function<int(int)> randomBelow,
          std::function<void(const std::string&)> tell)
      : platform_(platform), items_(items), randomBelow_(std::move(randomBelow)), tell_(std::move(tell)) {}

  int32_t Number = -1;        // the chosen entry ("MidiNumber"); -1 until the settings or the list choose
  std::string Current;        // path of the tune chosen last
  bool FirstPending = false;  // the first tune waits for the window's first heartbeat

  MenuItem* Entry(int number) const { return entries_.Entry(number); }
  int Count() const { return entries_.Count(); }

  // Lists the tunes of `folder` in name order ("Night" chosen when nothing was); false, with the
  // player told, when there is none.
  bool BuildTuneList(const std::string& folder);
  // A tune entry was clicked: it becomes the chosen one and plays when music is on.
  void LoadMidiClick(MenuItem& entry);
  void SelectedMusic(const std::string& path);
  void PlayRandomTune();
  // The heartbeat's look at the tune: one that has ended loops or gives way to a random one.
  void MusicSupervision();
  // A tune plays or is on its way: MusicSupervision has something to look at.
  bool Listening() const;
  void PlayMusicClick();
  void RandomMusicClick();
  void SetMusicClick();

 private:
  Platform& platform_;
  Items items_;
  std::function<int(int)> randomBelow_;
  std::function<void(const std::string&)> tell_;
  NumberedEntries entries_;
  std::string folder_;
  bool problemShown_ = false;  // a tune that cannot play is reported once per session
  bool started_ = false;       // the tune chosen last was opened and asked to play
};

}  // namespace velmor
