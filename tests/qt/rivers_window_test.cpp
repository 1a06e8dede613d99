// The flat game played in the real window by clicks, to its end.
#include "WindowFixture.h"
#include "board/Grid.h"

using namespace velmor;
using namespace velmor::test;

TEST_F(GameWindow, AnEasyFlatGameIsPlayedToItsEndByClicks) {
  ASSERT_TRUE(Start());
  game->Menus.AnimateTileRivers.SetChecked(false);
  game->Menus.EnableHall.SetChecked(false);  // no record page to close at the end
  window->ActionOf(game->Menus.RiversEasy1)->trigger();
  ASSERT_EQ(game->Current.Play.Number(), ModeRivers);
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
    window->grab().save(QString("%1/rivers-easy.png").arg(QString(dir)));
  PictureView* board = window->Board();
  auto click = [&](int tile) {
    const Place& p = game->Current.Board.TilePlace[tile];
    const QPoint face(game->Pictures.BoardOriginX + TileLeft(p.column, p.layer) + 26,
                      game->Pictures.BoardOriginY + TileTop(p.row, p.layer) + 25);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, face);
  };
  for (int round = 0; round < 400 && game->Current.Board.TilesLeft > 0; ++round) {
    bool removed = false;
    for (int a = 1; a <= 84 && !removed; ++a)
      for (int b = a + 1; b <= 84 && !removed; ++b) {
        if (MatchGroup(a) != MatchGroup(b) || game->Current.Board.TilePlace[a].empty() ||
            game->Current.Board.TilePlace[b].empty())
          continue;
        if (!game->Flat.Reach(b, a)) continue;
        const int before = game->Current.Board.TilesLeft;
        click(a);
        click(b);
        ASSERT_EQ(game->Current.Board.TilesLeft, before - 2);
        removed = true;
      }
    if (!removed) QTest::mouseClick(window->ButtonOf(game->Menus.ShuffleButton), Qt::LeftButton);  // stuck: reshuffle
  }
  EXPECT_EQ(game->Current.Board.TilesLeft, 0);
  QTest::qWait(1100);  // the heartbeat notices the empty board
  EXPECT_EQ(game->Current.Play.Number(), ModeStopped);
  EXPECT_EQ(game->Current.Status.Message.substr(0, 15), "Congratulations");
}

TEST_F(GameWindow, TheHardFlatBoardHasTwoFullLayers) {
  ASSERT_TRUE(Start());
  window->ActionOf(game->Menus.RiversHard1)->trigger();
  EXPECT_EQ(game->Current.Board.TilesLeft, 144);
  EXPECT_GT(TilePixelsOnScreen(), 100000);
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
    window->grab().save(QString("%1/rivers-hard.png").arg(QString(dir)));
}
