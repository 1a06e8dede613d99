#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include <zlib.h>

#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "modes/SavedGame.h"

namespace {

// Whatever the reader accepts must survive being written again and being played: applied to a
// game and taken back out, it is the same saved game, and Back and Redo stay within the board.
void Check(std::string_view text) {
  velmor::SavedGame saved;
  std::string error;
  if (!velmor::ParseSavedGame(text, saved, error)) {
    if (error.empty()) __builtin_trap();
    return;
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text);
  // The checksum stops nearly every change at the door; signed afresh, the same input reaches
  // the checks behind it.
  const size_t last = text.rfind("Checksum=");
  std::string signed_(text.substr(0, last == std::string_view::npos ? text.size() : last));
  char sum[32];
  std::snprintf(
      sum, sizeof sum, "Checksum=%08lx\n",
      crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(signed_.data()), static_cast<uInt>(signed_.size())));
  Check(signed_ + sum);
  return 0;
}
