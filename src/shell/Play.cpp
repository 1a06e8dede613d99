// Clicks on tiles: selecting, refusing and removing pairs; undo, restart and shuffle.
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::PlaySound(const std::string& name) {
  if (PlaySounds.Checked()) platform.PlayWave(AppFolder + name + ".wav");
}

void TVelmor::SonOK(int tile) {
  PlaySound("select");
  if (tile > 0) RedrawTile(tile);
}

void TVelmor::ChoisitPai(int x, int y, int column, int row, Button button) {
  const bool inside = column >= 0 && column <= AnchorColumns && row >= 0 && row <= AnchorRows;
  RefreshHallPanel = false;
  const int q = WhatTileThere(Board.BoardGrid, x, y);

  if (inside && q > 0 && GameMode != ModeEditor) {
    if (FirstTile == 0) {
      FirstTile = static_cast<uint8_t>(q);
      if (IsPlayable(q)) {
        SonOK(q);
      } else {
        FirstTile = 0;
        PlaySound("noway");
      }
    } else {
      SecondTile = static_cast<uint8_t>(q);
      if (IsPlayable(q)) {
        TestStile2();
      } else {
        SecondTile = 0;
        PlaySound("noway");
      }
    }
  }

  if (GameMode == ModeEditor) {
    if (inside) EditorClick(button, x, y, column, row);
    return;
  }

  if (FirstTile == 0 || SecondTile == 0) return;
  auto takeAsSelection = [this] {
    const int previous = FirstTile;
    FirstTile = SecondTile;
    SecondTile = 0;
    RedrawTile(previous);
    PlaySound("select");
  };
  if (!TilesMatch(FirstTile, SecondTile)) {
    takeAsSelection();
    return;
  }

  const int a = FirstTile, b = SecondTile;
  Place placeA = Board.TilePlace[static_cast<size_t>(a)];
  if (GameMode == ModeRivers) {
    // The path search may slide the first tile; its history entry keeps where it was.
    if (!CanBeReached(b, a)) {
      takeAsSelection();
      return;
    }
  }
  FirstTile = 0;
  SecondTile = 0;
  History.TakePair(Board, a, placeA, b);
  FullRedraw();
  PlaySound("done");
  if (GameMode == ModeTwoPlayers) TurnChange();
  // The win is timed at the pair that cleared the board.
  Clock.Update(platform.TickCount());
  CheckGameEnd();
}

void TVelmor::TestStile2() {
  if (FirstTile == SecondTile) {
    const int tile = FirstTile;
    FirstTile = 0;
    SecondTile = 0;
    PlaySound("select");
    RedrawTile(tile);
    return;
  }
  RedrawTile(SecondTile);
}

void TVelmor::Back() {
  if (GameMode != ModeSolitaire && GameMode != ModeRivers) return;
  if (Board.TilesLeft == 0 || History.Empty()) return;
  GoBack();
}

void TVelmor::GoBack() {
  if (GameMode != ModeSolitaire && GameMode != ModeRivers) return;
  BackHistory();
  FullRedraw();
}

void TVelmor::BackHistory() {
  if (History.Empty()) return;
  FirstTile = SecondTile = 0;
  HintTileA = HintTileB = 0;
  History.TakeBackPair(Board);
}

void TVelmor::Restart() {
  if (Board.TilesLeft == 0 || History.Empty()) return;
  if (GameMode != ModeSolitaire && GameMode != ModeRivers) return;
  while (!History.Empty()) GoBack();
  Clock.Start(platform.TickCount());
  HoverTile = 0;
  ShowStatus("Game restarted.");
}

void TVelmor::Shuffle1Click() {
  if (BoardCleared) return;
  if (GameMode != ModeSolitaire && GameMode != ModeTwoPlayers && GameMode != ModeRivers) return;
  HintTileA = HintTileB = 0;
  FirstTile = SecondTile = 0;

  if (Shuffable.Checked()) {
    ShuffleBoard();
  } else {
    Grid& grid = Board.BoardGrid;
    int passes = 0;
    do {
      for (int c = 1; c <= AnchorColumns; ++c)
        for (int r = 1; r <= AnchorRows; ++r)
          for (int l = 1; l <= AnchorLayers; ++l) {
            const int t = grid.at(c, r, l);
            if (t < 1 || t > TileTotal) continue;
            int c2, r2, l2, u;
            do {
              c2 = RandomBelow(AnchorColumns) + 1;
              r2 = RandomBelow(AnchorRows) + 1;
              l2 = RandomBelow(AnchorLayers) + 1;
              u = grid.at(c2, r2, l2);
            } while (u < 1 || u > TileTotal || (GameMode == ModeRivers && l2 != l));  // see ShuffleBoard
            std::swap(Board.TilePlace[static_cast<size_t>(t)], Board.TilePlace[static_cast<size_t>(u)]);
            grid.set(c2, r2, l2, static_cast<uint8_t>(t));
            grid.set(c, r, l, static_cast<uint8_t>(u));
          }
      IsItFree();
      ++passes;
    } while (Free.MovesLeft == 0 && passes < 101);
  }

  if (GameMode != ModeRivers) {
    IsItFree();
    const int n = Free.MovesLeft;
    if (n >= 2)
      ShowStatus("Tiles shuffled. " + std::to_string(n) + " new moves found.");
    else if (n == 1)
      ShowStatus("Tiles shuffled. 1 new move found.");
    else
      ShowStatus("No moves found. Try to press Back a few times.");
    if (GameMode != ModeTwoPlayers) Clock.AddPenalty(10 * n);
  }
  FullRedraw();
  platform.ProcessMessages();
}

}  // namespace velmor
