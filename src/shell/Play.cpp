// Clicks on tiles: selecting, refusing and removing pairs; undo, restart and shuffle.
#include "base/Say.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::PlaySound(const std::string& name) {
  if (PlaySounds.Checked()) platform.PlayWave(Folders.AppFolder + name + ".wav");
}

void TVelmor::AfterMove() {
  Keeper.Keep();
  DeadEnds.Check();
  Solver.PositionChanged();
  UpdateCommands();
}

void TVelmor::ChoisitPai(int x, int y, int column, int row, Button button) {
  const bool inside = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;
  RefreshHallPanel = false;
  if (Play.Editing()) {
    if (inside) EditorClick(button, x, y, column, row);
    return;
  }
  const int q = WhatTileThere(Board.BoardGrid, x, y);
  if (!inside || q <= 0) return;

  Selection::Result picked = Selection::Click(q, IsPlayable(q));
  switch (picked.outcome) {
    case Selection::Outcome::Refused:
      PlaySound("noway");
      return;
    case Selection::Outcome::Picked:
      PlaySound("select");
      RedrawTile(q);
      return;
    case Selection::Outcome::Dropped:
      PlaySound("select");
      RedrawTile(q);
      return;
    case Selection::Outcome::Repicked:
    case Selection::Outcome::Pair:
      RedrawTile(q);
      break;
  }
  const int a = FirstTile, b = SecondTile;
  // In the flat game the path search may slide the first tile; its history entry keeps where it was.
  const Place placeA = Board.TilePlace[static_cast<size_t>(a)];
  if (picked.outcome == Selection::Outcome::Pair && Play.Is(GameKind::Flat) && !CanBeReached(b, a))
    picked = Selection::Repick();
  if (picked.outcome == Selection::Outcome::Repicked) {
    RedrawTile(picked.released);
    PlaySound("select");
    return;
  }
  TakePair(a, placeA, b);
}

void TVelmor::TakePair(int a, Place placeA, int b) {
  StatusGivesWay();
  Selection::Clear();
  const Place placeB = Board.TilePlace[static_cast<size_t>(b)];
  History.TakePair(Board, a, placeA, b);
  RedrawTaken(placeA, placeB);
  platform.ShowPresented();
  PlaySound("done");
  if (Play.Is(GameKind::TwoPlayers)) TurnChange();
  // The win is timed at the pair that cleared the board.
  Clock.Update(platform.TickCount());
  CheckGameEnd();
  AfterMove();
}

void TVelmor::Back() {
  if (!Play.Solo()) return;
  if (Board.TilesLeft == 0 || History.Empty()) return;
  GoBack();
}

void TVelmor::GoBack() {
  if (!Play.Solo()) return;
  BackHistory();
  FullRedraw();
  AfterMove();
}

void TVelmor::BackHistory() {
  if (History.Empty()) return;
  Selection::Clear();
  HintTileA = HintTileB = 0;
  History.TakeBackPair(Board);
}

void TVelmor::Redo() {
  if (!Play.Solo()) return;
  Selection::Clear();
  HintTileA = HintTileB = 0;
  if (!History.RedoPair(Board)) return;
  FullRedraw();
  PlaySound("done");
  Clock.Update(platform.TickCount());
  CheckGameEnd();
  AfterMove();
}

void TVelmor::Restart() {
  if (Board.TilesLeft == 0 || History.Empty()) return;
  if (!Play.Solo()) return;
  while (!History.Empty()) GoBack();
  History.ClearRedo();
  Clock.Start(platform.TickCount());
  HoverTile = 0;
  ShowStatus(VELMOR_TEXT("Game restarted."));
  AfterMove();
}

void TVelmor::Shuffle1Click() {
  if (BoardCleared) return;
  if (!Play.Playing()) return;
  HintTileA = HintTileB = 0;
  Selection::Clear();
  History.ClearRedo();  // the pairs taken back no longer stand where they were taken

  if (Shuffable.Checked()) {
    ShuffleBoard();
  } else if (Play.Is(GameKind::Flat)) {
    // A pair is only ever joined on its own layer (see ShuffleFlatLayers).
    PlainShuffle(Board, Gen, /*sameLayer=*/true, [this] { return CountReachablePairs(Board); });
  } else {
    PlainShuffle(Board, Gen, /*sameLayer=*/false, [this] {
      IsItFree();
      return Free.MovesLeft;
    });
  }

  if (!Play.Is(GameKind::Flat)) {
    IsItFree();
    const int n = Free.MovesLeft;
    if (n >= 2)
      ShowStatus(Fill(VELMOR_TEXT("Tiles shuffled. %1 new moves found."), n));
    else if (n == 1)
      ShowStatus(VELMOR_TEXT("Tiles shuffled. 1 new move found."));
    else
      ShowStatus(VELMOR_TEXT("No moves found. Try to press Back a few times."));
    if (!Play.Is(GameKind::TwoPlayers)) Clock.ChargeShuffle(n);
  }
  FullRedraw();
  AfterMove();
  platform.ProcessMessages();
}

}  // namespace velmor
