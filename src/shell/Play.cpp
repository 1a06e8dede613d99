// The sounds, what a pair taken sets going, and the shuffle's neighbours.
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

BoardShuffle::Hooks TVelmor::ShuffleHooks() {
  return {[this](const std::string& message) { ShowStatus(message); }, [this] { FullRedraw(); },
          [this] { AfterMove(); }};
}

}  // namespace velmor
