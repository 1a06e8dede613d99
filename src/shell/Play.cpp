// What a pair taken sets going, and the shuffle.
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

TilePicking::Hooks TVelmor::PickHooks() {
  TilePicking::Hooks hooks;
  hooks.sound = [this](const std::string& name) { PlaySound(name); };
  hooks.redrawTile = [this](int tile) { RedrawTile(tile); };
  hooks.fullRedraw = [this] { FullRedraw(); };
  hooks.boardSeen = [this] { Panel.Stale = false; };
  hooks.presentPanel = [this] { Panel.Present(); };
  hooks.stopDemo = [this] {
    if (!Solver.DemoRunning()) return false;
    Solver.StopDemo();
    return true;
  };
  hooks.editorClick = [this](bool add, int x, int y, int column, int row) { Editor.Click(add, x, y, column, row); };
  hooks.flatReach = [this](int b, int a) { return Flat.Reach(b, a); };
  hooks.goingOn = [this] { StatusGivesWay(); };
  hooks.redrawTaken = [this](const Place& a, const Place& b) {
    View.RedrawTaken(a, b);
    platform.ShowPresented();
  };
  hooks.taken = [this] {
    if (Current.Play.Is(GameKind::TwoPlayers)) TurnChange();
    // The win is timed at the pair that cleared the board.
    Current.Clock.Update(platform.TickCount());
    CheckGameEnd();
    AfterMove();
  };
  return hooks;
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
