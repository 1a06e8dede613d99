// The models a board in play is made of, built without the game object around them, for the
// tests of a rule that lives in one of them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/BoardPictures.h"
#include "fakes/FakePlatform.h"
#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "shell/BoardDrawing.h"
#include "shell/Dealer.h"
#include "shell/FreeMoves.h"
#include "shell/GameMenus.h"
#include "shell/KeyboardPlay.h"
#include "shell/ScoreAndPause.h"
#include "shell/TilePicking.h"

namespace velmor::test {

class BoardModels : public ::testing::Test {
 protected:
  FakePlatform platform;
  GameMenus menus;
  GameState current;
  LayoutInPlay layout;
  BoardPictures pictures;
  KeyboardPlay keys{platform, current, {}};
  BoardDrawing view{platform, menus, current, pictures, keys, {[] {}, [this] { view.RedrawAll(); }}};

  // Free tiles and hints with no solver watching and no flat game's path to show.
  FreeMoves moves{
      menus, current, {[this] { view.RedrawAll(); }, [] { return std::optional<std::pair<int, int>>{}; }, [] {}}};
  std::vector<std::string> sounds;  // the sounds a press asked for, by file name

  // What a press sets going, over the board's drawing: the sounds recorded, no demo to stop, no
  // editor, a path for every flat pair.
  TilePicking::Hooks PickHooks() {
    TilePicking::Hooks hooks;
    hooks.sound = [this](const std::string& name) { sounds.push_back(name + ".wav"); };
    hooks.redrawTile = [this](int tile) { view.RedrawTile(tile); };
    hooks.fullRedraw = [this] { view.RedrawAll(); };
    hooks.boardSeen = hooks.presentPanel = hooks.goingOn = hooks.taken = [] {};
    hooks.stopDemo = [] { return false; };
    hooks.editorClick = [](bool, int, int, int, int) {};
    hooks.flatReach = [](int, int) { return true; };
    hooks.redrawTaken = [this](const Place& a, const Place& b) { view.RedrawTaken(a, b); };
    return hooks;
  }
  // What the clock's model sets going, over the board's drawing and the free-tile rule: no commands
  // to grey out, no game kept, no end to check; the flat game's count as `flatMoves` gives it.
  ScoreAndPause::Hooks ClockHooks(std::function<int()> flatMoves = [] { return 0; }) {
    return {[] {},
            [this] { view.ShowBackground(); },
            [this] { view.RedrawAll(); },
            [] {},
            [this] { moves.Recount(); },
            std::move(flatMoves),
            [] { return false; }};
  }
  // Puts the game in the old mode `mode` directly, keeping what a pause returns to.
  void SetMode(uint8_t mode) { current.Play = PlayState::FromNumbers(mode, current.Play.ResumeNumber()); }
  // The layout in play dealt onto the board, as the options in the menus ask.
  void DealLayout() {
    Dealer deals{platform, menus, current, layout, pictures, {[] {}, [](int) {}, [](const std::string&) {}}};
    deals.Deal();
  }
  // A winnable deal of `shape` by its number, as a new numbered game deals it.
  void DealWinnable(LayoutShape shape, int32_t number) {
    layout.Shape = std::move(shape);
    menus.Winnable.SetChecked(true);
    menus.RandomSeed1.SetChecked(true);
    current.GameNumber = number;
    DealLayout();
  }
};

}  // namespace velmor::test
