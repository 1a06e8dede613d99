// A game put away to be continued later, exactly as it stood: the deal, what was taken and taken
// back, the clocks and the turn. The text form is small and versioned, and ends with a checksum
// so that a damaged or hand-edited file is caught before it reaches the board.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "board/Grid.h"
#include "board/History.h"
#include "board/LayoutShape.h"

namespace velmor {

struct GameState;
struct LayoutInPlay;

inline constexpr std::string_view SavedGameMagic = "Velmor saved game 1";

enum class SavedGameKind : uint8_t { OnePlayer, TwoPlayers, FlatEasy, FlatHard };

struct SavedGame {
  SavedGameKind Kind = SavedGameKind::OnePlayer;

  // The layout as the Layout menu and the settings know it, and its shape, so the game can be
  // checked against the file it was dealt from. A flat game keeps the layout it returns to.
  std::string LayoutName;
  std::string LayoutPath;
  int32_t BoardNumber = -1;
  int32_t SavedLayoutNumber = 1;
  LayoutShape Shape;

  int32_t GameNumber = 0;
  uint32_t GeneratorState = 0;
  BoardState Board;     // the grid follows from the places
  PairHistory History;  // entries below RedoEnd; those past Count can be taken again

  // Milliseconds, not counter values: the counter starts afresh with every run of the program.
  int32_t ElapsedMillis = 0;
  int32_t PenaltySeconds = 0;
  int32_t Player1Millis = 0, Player2Millis = 0;  // each player's time, the turn under way included
  bool Player2Turn = false;

  bool Paused = false;
  bool Vertical = false;  // the vertical rule was on
  int32_t HintIndex = 0;

  bool Flat() const { return Kind == SavedGameKind::FlatEasy || Kind == SavedGameKind::FlatHard; }
  // Entries past RedoEnd are left-overs and do not count.
  friend bool operator==(const SavedGame& a, const SavedGame& b);
};

// The game in progress as of `now`; false, leaving `out` alone, when no game is being played
// (a paused game is one). `vertical` is the rule the game is played by.
bool MakeSavedGame(const GameState& game, const LayoutInPlay& layout, bool vertical, uint32_t now, SavedGame& out);

// Puts the saved game in place of the current one, its clocks running on from `now` (or paused
// there). Picks, hint marks and the free-tile count are cleared; the caller recounts and redraws,
// and sets the vertical rule from `saved.Vertical`.
void ApplySavedGame(const SavedGame& saved, GameState& game, LayoutInPlay& layout, uint32_t now);

std::string SerializeSavedGame(const SavedGame& saved);
// Refuses, with a sentence for the player in `error`, anything that is not a whole, undamaged
// saved game this program could have written; `out` is left alone then.
bool ParseSavedGame(std::string_view text, SavedGame& out, std::string& error);

}  // namespace velmor
