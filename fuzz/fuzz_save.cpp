#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "modes/SavedGame.h"

// Whatever the reader accepts must survive being written again and being played: applied to a
// game and taken back out, it is the same saved game, and Back and Redo stay within the board.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  velmor::SavedGame saved;
  std::string error;
  if (!velmor::ParseSavedGame(std::string_view(reinterpret_cast<const char*>(data), size), saved, error)) {
    if (error.empty()) __builtin_trap();
    return 0;
  }
  velmor::SavedGame again;
  if (!velmor::ParseSavedGame(velmor::SerializeSavedGame(saved), again, error) || !(again == saved)) __builtin_trap();

  velmor::GameState game;
  velmor::LayoutInPlay layout;
  const uint32_t now = 0xFFFFF000u;
  velmor::ApplySavedGame(saved, game, layout, now);
  velmor::SavedGame back;
  if (!velmor::MakeSavedGame(game, layout, saved.Vertical, now, back) || !(back == saved)) __builtin_trap();
  while (game.History.RedoPair(game.Board)) {
  }
  while (game.History.TakeBackPair(game.Board)) {
  }
  if (game.Board.TilesLeft != saved.Board.TilesLeft + saved.History.Count) __builtin_trap();
  return 0;
}
