// The models a board in play is made of, built without the game object around them, for the
// tests of a rule that lives in one of them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "display/BoardPictures.h"
#include "fakes/FakePlatform.h"
#include "layouts/LayoutInPlay.h"
#include "modes/GameState.h"
#include "shell/BoardDrawing.h"
#include "shell/Dealer.h"
#include "shell/GameMenus.h"
#include "shell/KeyboardPlay.h"

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

  // Puts the game in the old mode `mode` directly, keeping what a pause returns to.
  void SetMode(uint8_t mode) { current.Play = PlayState::FromNumbers(mode, current.Play.ResumeNumber()); }
  // The layout in play dealt onto the board, as the options in the menus ask.
  void DealLayout() {
    Dealer deals{platform, menus, current, layout, pictures, {[] {}, [](int) {}, [](const std::string&) {}}};
    deals.Deal();
  }
};

}  // namespace velmor::test
