// Shared helpers for the core tests: scratch folders, small layouts and a game object that
// records what it was asked to draw.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "board/Grid.h"
#include "board/LayoutShape.h"
#include "fakes/FakePlatform.h"
#include "layouts/LayoutFile.h"
#include "shell/HallOfFameFile.h"
#include "shell/TVelmor.h"

namespace velmor::test {

// Puts the game in the old mode `mode` directly, keeping what a pause returns to where it can.
inline void SetMode(TVelmor& game, uint8_t mode) {
  game.Current.Play = PlayState::FromNumbers(mode, game.Current.Play.ResumeNumber());
}

// A picture of random colours: every pixel differs from its neighbours, so any misplaced copy shows.
inline Picture Noise(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  Picture p(width, height);
  for (uint32_t& px : p.pixels()) px = random() & 0xFFFFFF;
  return p;
}

// A fresh folder under the system temp folder, removed when the object goes away.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string path() const { return path_.string() + "/"; }
  std::string Write(const std::string& relative, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// Board anchors (column, row, layer) written into a shape.
LayoutShape ShapeOf(const std::vector<Place>& places);
// A row of `count` tiles on layer 1, two columns apart, starting at column 2, row 4.
LayoutShape RowShape(int count);
// The shipped "Traditional" heap, read from the data folder.
LayoutShape TraditionalShape();

class RecordingGame : public TVelmor {
 public:
  using TVelmor::TVelmor;
  int fullRedraws = 0;
  std::vector<int> tileRedraws;
  void FullRedraw() override { ++fullRedraws; }
  void RedrawTile(int tile) override { tileRedraws.push_back(tile); }
};

// The Hall of Fame list of the game's list number `number` (a menu entry or a flat game).
inline HallList& HallOf(TVelmor& game, int number) { return game.Hall.Book[HallKeyOf(game.Listed.Layouts, number)]; }

// Removes the tiles pair by pair in the given order, checking that each pair matches and is
// free under the standard rule when it is taken. Returns the number of tiles removed.
int ReplayRemovals(BoardState board, const std::vector<Place>& order, std::string* failure = nullptr);

std::string DataDir();

}  // namespace velmor::test
