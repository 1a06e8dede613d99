#include "modes/SavedGame.h"

#include <algorithm>
#include <limits>

#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "modes/HallOfFame.h"

namespace velmor {

bool operator==(const SavedGame& a, const SavedGame& b) {
  const auto used = static_cast<size_t>(std::clamp(a.History.RedoEnd, 0, TileTotal + 2));
  return a.Kind == b.Kind && a.LayoutName == b.LayoutName && a.LayoutPath == b.LayoutPath &&
         a.BoardNumber == b.BoardNumber && a.SavedLayoutNumber == b.SavedLayoutNumber && a.Shape == b.Shape &&
         a.GameNumber == b.GameNumber && a.GeneratorState == b.GeneratorState &&
         a.Board.BoardGrid == b.Board.BoardGrid && a.Board.TilePlace == b.Board.TilePlace &&
         a.Board.TileCount == b.Board.TileCount && a.Board.TilesLeft == b.Board.TilesLeft &&
         a.History.Count == b.History.Count && a.History.RedoEnd == b.History.RedoEnd &&
         std::equal(
             a.History.Entries.begin(), a.History.Entries.begin() + static_cast<std::ptrdiff_t>(used),
             b.History.Entries.begin(),
             [](const HistoryEntry& x, const HistoryEntry& y) { return x.tile == y.tile && x.place() == y.place(); }) &&
         a.ElapsedMillis == b.ElapsedMillis && a.PenaltySeconds == b.PenaltySeconds &&
         a.Player1Millis == b.Player1Millis && a.Player2Millis == b.Player2Millis && a.Player2Turn == b.Player2Turn &&
         a.Paused == b.Paused && a.Vertical == b.Vertical && a.HintIndex == b.HintIndex;
}

namespace {

int32_t Millis(uint32_t difference) {
  return static_cast<int32_t>(std::min<uint32_t>(difference, std::numeric_limits<int32_t>::max()));
}

GameKind KindOf(SavedGameKind kind) {
  switch (kind) {
    case SavedGameKind::OnePlayer:
      return GameKind::OnePlayer;
    case SavedGameKind::TwoPlayers:
      return GameKind::TwoPlayers;
    default:
      return GameKind::Flat;
  }
}

}  // namespace

bool MakeSavedGame(const GameState& game, const LayoutInPlay& layout, bool vertical, uint32_t now, SavedGame& out) {
  const bool paused = game.Play.Paused();
  SavedGame s;
  switch (game.Play.ToKeep()) {
    case GameKind::OnePlayer:
      s.Kind = SavedGameKind::OnePlayer;
      break;
    case GameKind::TwoPlayers:
      s.Kind = SavedGameKind::TwoPlayers;
      break;
    case GameKind::Flat:
      s.Kind = layout.BoardNumber == RiversHardList ? SavedGameKind::FlatHard : SavedGameKind::FlatEasy;
      break;
    default:
      return false;
  }
  s.LayoutName = layout.LayoutName;
  s.LayoutPath = layout.LayoutPath;
  s.BoardNumber = layout.BoardNumber;
  s.SavedLayoutNumber = layout.SavedLayoutNumber;
  s.Shape = layout.Shape;
  s.GameNumber = game.GameNumber;
  s.GeneratorState = game.Gen.GeneratorState;

  // Only the places are kept: the grid is rebuilt from them, which drops anything a deal in
  // progress may have left in it.
  s.Board.TileCount = game.Board.TileCount;
  s.Board.TilesLeft = game.Board.TilesLeft;
  for (int t = 1; t <= TileTotal; ++t)
    if (const Place& p = game.Board.TilePlace[static_cast<size_t>(t)]; !p.empty()) s.Board.PutTile(t, p);

  // Pairs taken back count only while their tiles still stand where they were taken from.
  const PairHistory& h = game.History;
  s.History.Count = std::clamp(h.Count, 0, TileTotal) & ~1;
  s.History.RedoEnd = s.History.Count;
  while (s.History.RedoEnd + 1 < std::min(h.RedoEnd, TileTotal + 1)) {
    const HistoryEntry &a = h.Entries[static_cast<size_t>(s.History.RedoEnd)],
                       &b = h.Entries[static_cast<size_t>(s.History.RedoEnd) + 1];
    if (a.tile > TileTotal || b.tile > TileTotal || s.Board.TilePlace[a.tile] != a.place() ||
        s.Board.TilePlace[b.tile] != b.place())
      break;
    s.History.RedoEnd += 2;
  }
  std::copy_n(h.Entries.begin(), s.History.RedoEnd, s.History.Entries.begin());

  s.ElapsedMillis =
      paused || game.Clock.Held ? std::max(game.Clock.PauseOffset, 0) : Millis(now - game.Clock.StartTick);
  s.PenaltySeconds = game.Clock.PenaltySeconds;
  if (s.Kind == SavedGameKind::TwoPlayers) {
    s.Player1Millis = std::max(game.Turns.Running(false, now), 0);
    s.Player2Millis = std::max(game.Turns.Running(true, now), 0);
    s.Player2Turn = game.Turns.Player2Turn;
  }
  s.Paused = paused;
  s.Vertical = vertical;
  s.HintIndex = game.HintIndex;
  out = std::move(s);
  return true;
}

void ApplySavedGame(const SavedGame& saved, GameState& game, LayoutInPlay& layout, uint32_t now) {
  layout.LayoutName = saved.LayoutName;
  layout.LayoutPath = saved.LayoutPath;
  layout.BoardNumber = saved.BoardNumber;
  layout.SavedLayoutNumber = saved.SavedLayoutNumber;
  layout.Shape = saved.Shape;

  game.Play.Start(KindOf(saved.Kind), saved.Paused);
  game.GameNumber = saved.GameNumber;
  game.Gen.GeneratorState = saved.GeneratorState;
  game.Board = BoardState{};
  game.Board.TileCount = saved.Board.TileCount;
  game.Board.TilesLeft = saved.Board.TilesLeft;
  for (int t = 1; t <= TileTotal; ++t)
    if (const Place& p = saved.Board.TilePlace[static_cast<size_t>(t)]; !p.empty()) game.Board.PutTile(t, p);
  game.History = saved.History;
  game.RemovalOrder.clear();
  game.Free = FreeTiles{};

  game.Selection::Clear();
  game.HintIndex = saved.HintIndex;
  game.HintTileA = game.HintTileB = 0;
  game.HoverTile = 0;
  game.PointedTile = game.PrevPointedTile = 0;

  const auto elapsed = static_cast<uint32_t>(saved.ElapsedMillis);
  game.Clock.StartTick = now - elapsed;
  game.Clock.PauseOffset = saved.ElapsedMillis;
  game.Clock.ElapsedSeconds = saved.ElapsedMillis / 1000;
  game.Clock.PenaltySeconds = saved.PenaltySeconds;
  game.Turns.Start(now);
  game.Turns.Player1Millis = saved.Player1Millis;
  game.Turns.Player2Millis = saved.Player2Millis;
  game.Turns.Player2Turn = saved.Player2Turn;

  game.BoardCleared = saved.Board.TilesLeft == 0;
  game.ResultShown = false;
}

}  // namespace velmor
