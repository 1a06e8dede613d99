// The keyboard's cursor: where the arrows and Tab take it, and keys that act as the clicks do.
#include <gtest/gtest.h>

#include <set>

#include "BoardModels.h"
#include "TestSupport.h"
#include "board/Deal.h"
#include "modes/BoardCursor.h"

using namespace velmor;
using namespace velmor::test;

namespace {

struct Centre {
  int x, y;
};
Centre FaceCentreOf(const BoardState& board, int t) {
  const Place& p = board.TilePlace[static_cast<size_t>(t)];
  return {FaceLeft(p.column, p.layer) + FaceWidth / 2, TileTop(p.row, p.layer) + FaceHeight / 2};
}

class KeyboardGame : public ::testing::Test {
 protected:
  FakePlatform platform;
  ScratchFolder dir;
  TVelmor game{platform, dir.path()};
  void SetUp() override {
    game.Layout.Shape = TraditionalShape();
    game.Menus.RandomSeed1.SetChecked(true);
    game.Current.GameNumber = 12;
    game.BeginGame();
  }
};

// A numbered deal of the Traditional heap on the board's models alone.
class CursorBoard : public BoardModels {
 protected:
  void SetUp() override {
    layout.Shape = TraditionalShape();
    menus.RandomSeed1.SetChecked(true);
    current.GameNumber = 12;
    DealLayout();
  }
};

}  // namespace

// Over whole deals: every arrow lands on a visible tile that lies that way (or stays), and Tab
// visits every free tile once, in reading order, before it comes round again.
TEST_F(CursorBoard, ArrowsGoToVisibleTilesThatWayAndTabVisitsEveryFreeTileOnce) {
  const BoardState& board = current.Board;
  const Selectable free = [&](int t) { return IsTileFree(board, t, false); };
  for (int t = 1; t <= TileTotal; ++t) {
    if (!TileVisible(board, t)) continue;
    const Centre a = FaceCentreOf(board, t);
    for (CursorStep step : {CursorStep::Left, CursorStep::Right, CursorStep::Up, CursorStep::Down}) {
      const int to = CursorMove(board, t, step, free);
      if (to == t) continue;
      ASSERT_TRUE(TileVisible(board, to));
      const Centre b = FaceCentreOf(board, to);
      const int ahead = step == CursorStep::Left    ? a.x - b.x
                        : step == CursorStep::Right ? b.x - a.x
                        : step == CursorStep::Up    ? a.y - b.y
                                                    : b.y - a.y;
      EXPECT_GT(ahead, 0) << t << " -> " << to;
    }
  }
  std::set<int> seen;
  int tile = FirstFreeTile(board, free);
  for (int k = 0; k < 200 && seen.insert(tile).second; ++k) {
    const int next = CursorNextFree(board, tile, false, free);
    EXPECT_EQ(CursorNextFree(board, next, true, free), tile);
    tile = next;
  }
  int freeCount = 0;
  for (int t = 1; t <= TileTotal; ++t) freeCount += free(t) ? 1 : 0;
  EXPECT_EQ(static_cast<int>(seen.size()), freeCount);
  EXPECT_EQ(tile, FirstFreeTile(board, free));  // round again
}

TEST_F(KeyboardGame, SpaceReturnAndEscapeDoWhatTheMouseButtonsDo) {
  using Key = KeyboardPlay::Key;
  EXPECT_TRUE(game.Keys.Press(Key::Home));  // the first key shows the cursor
  const int first = game.Keys.Tile();
  ASSERT_GT(first, 0);
  EXPECT_EQ(game.View.Marks().cursor, first);
  game.Keys.Press(Key::Activate);
  EXPECT_EQ(game.Current.FirstTile, first);
  EXPECT_EQ(platform.sounds.back(), "select.wav");
  game.Keys.Press(Key::Cancel);
  EXPECT_EQ(game.Current.FirstTile, 0);

  // A pair taken with keys alone: the cursor walks the free tiles to the first one's partner.
  int a = 0, b = 0;
  game.IsItFree();
  ASSERT_TRUE(game.Current.Free.NthMove(1, a, b));
  for (int target : {a, b}) {
    for (int k = 0; k < 150 && game.Keys.Tile() != target; ++k) game.Keys.Press(Key::Tab);
    ASSERT_EQ(game.Keys.Tile(), target);
    game.Keys.Press(Key::Activate);
  }
  EXPECT_EQ(game.Current.Board.TilesLeft, 142);
  EXPECT_EQ(platform.sounds.back(), "done.wav");
  game.FormMouseMove(100, 100);  // the pointer over the board hides the cursor
  EXPECT_EQ(game.Keys.Tile(), 0);
  SetMode(game, ModeStopped);
  EXPECT_FALSE(game.Keys.Press(Key::Tab));  // no game: the window may use the key
}

TEST_F(KeyboardGame, EscapeAfterAMousePickDropsItWithoutBringingOutTheCursor) {
  using Key = KeyboardPlay::Key;
  const int tile = FirstFreeTile(game.Current.Board, [&](int t) { return game.IsPlayable(t); });
  const Centre c = FaceCentreOf(game.Current.Board, tile);
  game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + c.x, game.Pictures.BoardOriginY + c.y);
  ASSERT_EQ(game.Current.FirstTile, tile);
  EXPECT_TRUE(game.Keys.Press(Key::Cancel));
  EXPECT_EQ(game.Current.FirstTile, 0);
  EXPECT_EQ(game.Keys.Tile(), 0);
  EXPECT_EQ(game.View.Marks().cursor, 0);
  game.Keys.Press(Key::Right);  // a key that moves the cursor still brings it out
  EXPECT_GT(game.Keys.Tile(), 0);
}

TEST_F(KeyboardGame, TheEditorPlacesAndTakesAwayTilesWithKeys) {
  using Key = KeyboardPlay::Key;
  game.Editor.Enter(true);
  ASSERT_EQ(game.Current.Play.Number(), ModeEditor);
  const int toPlace = game.Layout.TilesToPlace;
  game.Keys.Press(Key::Activate);
  EXPECT_EQ(game.Layout.TilesToPlace, toPlace - 1);
  for (int k = 0; k < 2; ++k) game.Keys.Press(Key::Right);  // a tile's width along
  game.Keys.Press(Key::Activate);
  game.Keys.Press(Key::Left);  // half a tile back: on both, so the upper layer is allowed
  game.Keys.Press(Key::PageUp);
  game.Keys.Press(Key::Activate);
  EXPECT_EQ(game.Layout.TilesToPlace, toPlace - 3);
  EXPECT_EQ(game.Pictures.EditorGhost.layer, 3);  // the place shown is where the next tile would go: on it
  game.Keys.Press(Key::Delete);
  EXPECT_EQ(game.Layout.TilesToPlace, toPlace - 2);
}
