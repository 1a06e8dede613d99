// The 144 tiles, which of them match, and which picture each one shows.
#pragma once

#include <cstdint>

namespace velmor {

constexpr int TileTotal = 144;  // tiles in a full set, numbered 1..144; 0 is "no tile"
constexpr int FaceTotal = 42;   // distinct tile pictures, numbered 1..42

constexpr int MatchGroup(int tile) { return (tile - 1) / 4; }

// Only the group decides: the four flowers match one another although each has its own picture.
constexpr bool TilesMatch(int a, int b) { return a != b && MatchGroup(a) == MatchGroup(b); }

constexpr int FaceOfTile(int tile) {
  if (tile <= 108) return (tile + 3) / 4;  // craks 1-9, bamboos 10-18, dots 19-27
  if (tile <= 116) return tile - 81;       // flowers 28-31, seasons 32-35
  return (tile - 117) / 4 + 36;            // dragons 36-38, winds 39-42
}

// Column and row of a face in the tileset's face grid and in the sheet of ready-made tiles.
struct SheetCell {
  int column;
  int row;
};

constexpr SheetCell FaceCell(int face) {
  if (face >= 19 && face <= 27) return {face - 19, 0};  // dots
  if (face >= 10 && face <= 18) return {face - 10, 1};  // bamboos
  if (face >= 1 && face <= 9) return {face - 1, 2};     // craks
  if (face >= 32 && face <= 35) return {face - 32, 3};  // seasons
  if (face >= 39 && face <= 42) return {face - 35, 3};  // winds, columns 4-7
  if (face >= 28 && face <= 31) return {face - 28, 4};  // flowers
  if (face >= 36 && face <= 38) return {face - 32, 4};  // dragons, columns 4-6
  return {0, 0};
}

}  // namespace velmor
