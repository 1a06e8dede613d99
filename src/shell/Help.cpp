// The help window's logic: opening it on a page (the game pauses meanwhile), the tile faces
// page, the options and the Hall of Fame page.
#include "base/Format.h"
#include "base/Say.h"
#include "base/Text.h"
#include "shell/HallOfFameFile.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

struct FacePosition {
  int first, last, top, left, step;
};
// Where each family's faces stand on the tiles page.
constexpr FacePosition FacePositions[] = {
    {1, 9, 34, 10, 45},     {10, 18, 114, 10, 45}, {19, 27, 194, 10, 45},  {28, 31, 274, 10, 45},
    {32, 35, 274, 235, 45}, {39, 40, 34, 440, 45}, {41, 42, 114, 440, 45}, {36, 38, 194, 440, 45},
};

struct Caption {
  const char* text;
  int x, y;
};

}  // namespace

void TVelmor::CallHelp(HelpPage page) {
  if (Current.Play.Is(GameKind::TwoPlayers)) return;
  if (!Current.Play.Paused()) PauseClick();
  Current.Play.Hold();
  UpdateCommands();
  Help.ActivePage = page;
  Help.PlayerName = CurrentPlayer;
  Help.RandomSeed = std::to_string(Current.GameNumber);

  // The faces of the tileset in use, on a white page with the divider line.
  Help.Pai = Picture(600, 340, Rgb(255, 255, 255));
  for (const FacePosition& f : FacePositions)
    for (int face = f.first; face <= f.last; ++face) {
      const SheetCell cell = FaceCell(face);
      const int x = f.left + f.step * (face - f.first);
      BitBlt(Help.Pai, x, f.top, FaceWidth, FaceHeight, Pictures.TileSheet, TileBoxWidth * cell.column + EdgeWidth,
             TileBoxHeight * cell.row + 1, RasterOp::SRCCOPY);
    }
  Help.Pai.Fill({424, 0, 425, Help.Pai.height()}, Rgb(0, 0, 0));
  // Each family's caption above its faces.
  static constexpr Caption FamilyCaptions[] = {
      {VELMOR_TEXT("Craks (4 times each)"), 10, 14},     {VELMOR_TEXT("Bamboos (4 times each)"), 10, 92},
      {VELMOR_TEXT("Dots (4 times each)"), 10, 172},     {VELMOR_TEXT("Flowers (once each)"), 10, 252},
      {VELMOR_TEXT("Seasons (once each)"), 305, 252},    {VELMOR_TEXT("Winds (4 times each)"), 440, 14},
      {VELMOR_TEXT("Dragons (4 times each)"), 440, 172},
  };
  for (const Caption& c : FamilyCaptions) platform.DrawText(Help.Pai, c.x, c.y, c.text, {"Arial", 9, true, false}, 0);

  HallTab.Show(Layout.BoardNumber);
  Help.Statistics = StatisticsRows(Records.Figures());
  Help.HallEdit1 = CurrentPlayer;
  Help.NewRecordLook = NewRecordShowing;
  Help.HallLabel1 = NewRecordShowing ? Fill(VELMOR_TEXT("You reached rank #%1, %2 !"), ReachedRank, CurrentPlayer) : "";

  platform.ShowHelp();

  // A game number typed on the options page is the one "New Specific Game" deals next.
  long long typed = 0;
  if (ParseInt(Help.RandomSeed, typed) && typed >= 1 && typed <= 2147483647)
    Current.GameNumber = static_cast<int32_t>(typed);
  if (Current.Play.Paused()) PauseClick();
}

}  // namespace velmor
