// Clicks on tiles: selecting, refusing and removing pairs; the shuffle.
#include "base/Say.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::PlaySound(const std::string& name) {
  if (Menus.PlaySounds.Checked()) platform.PlayWave(Folders.AppFolder + name + ".wav");
}

void TVelmor::AfterMove() {
  Keeper.Keep();
  DeadEnds.Check();
  Solver.PositionChanged();
  UpdateCommands();
}

void TVelmor::ChoisitPai(int x, int y, int column, int row, Button button) {
  const bool inside = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;
  Panel.Stale = false;
  if (Current.Play.Editing()) {
    if (inside && button != Button::Middle) Editor.Click(button == Button::Primary, x, y, column, row);
    return;
  }
  const int q = WhatTileThere(Current.Board.BoardGrid, x, y);
  if (!inside || q <= 0) return;

  Selection::Result picked = Current.Click(q, IsPlayable(q));
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
  const int a = Current.FirstTile, b = Current.SecondTile;
  // In the flat game the path search may slide the first tile; its history entry keeps where it was.
  const Place placeA = Current.Board.TilePlace[static_cast<size_t>(a)];
  if (picked.outcome == Selection::Outcome::Pair && Current.Play.Is(GameKind::Flat) && !Flat.Reach(b, a))
    picked = Current.Repick();
  if (picked.outcome == Selection::Outcome::Repicked) {
    RedrawTile(picked.released);
    PlaySound("select");
    return;
  }
  TakePair(a, placeA, b);
}

void TVelmor::TakePair(int a, Place placeA, int b) {
  StatusGivesWay();
  Current.Clear();
  const Place placeB = Current.Board.TilePlace[static_cast<size_t>(b)];
  Current.History.TakePair(Current.Board, a, placeA, b);
  View.RedrawTaken(placeA, placeB);
  platform.ShowPresented();
  PlaySound("done");
  if (Current.Play.Is(GameKind::TwoPlayers)) TurnChange();
  // The win is timed at the pair that cleared the board.
  Current.Clock.Update(platform.TickCount());
  CheckGameEnd();
  AfterMove();
}

void TVelmor::Shuffle1Click() {
  if (Current.BoardCleared) return;
  if (!Current.Play.Playing()) return;
  Current.HintTileA = Current.HintTileB = 0;
  Current.Clear();
  Current.History.ClearRedo();  // the pairs taken back no longer stand where they were taken

  if (Menus.Shuffable.Checked()) {
    Deals.Shuffle();
  } else if (Current.Play.Is(GameKind::Flat)) {
    // A pair is only ever joined on its own layer (see ShuffleFlatLayers).
    PlainShuffle(Current.Board, Current.Gen, /*sameLayer=*/true, [this] { return CountReachablePairs(Current.Board); });
  } else {
    PlainShuffle(Current.Board, Current.Gen, /*sameLayer=*/false, [this] {
      IsItFree();
      return Current.Free.MovesLeft;
    });
  }

  if (!Current.Play.Is(GameKind::Flat)) {
    IsItFree();
    const int n = Current.Free.MovesLeft;
    if (n >= 2)
      ShowStatus(Fill(VELMOR_TEXT("Tiles shuffled. %1 new moves found."), n));
    else if (n == 1)
      ShowStatus(VELMOR_TEXT("Tiles shuffled. 1 new move found."));
    else
      ShowStatus(VELMOR_TEXT("No moves found. Try to press Back a few times."));
    if (!Current.Play.Is(GameKind::TwoPlayers)) Current.Clock.ChargeShuffle(n);
  }
  FullRedraw();
  AfterMove();
  platform.ProcessMessages();
}

}  // namespace velmor
