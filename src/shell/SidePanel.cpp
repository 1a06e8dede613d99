#include "shell/SidePanel.h"

#include "base/Format.h"
#include "base/Say.h"
#include "board/Tiles.h"
#include "display/Tileset.h"

namespace velmor {

namespace {
constexpr uint32_t Yellow = Rgb(255, 255, 0), Aqua = Rgb(0, 255, 255), White = Rgb(255, 255, 255);
}  // namespace

void SidePanel::Text(int x, int y, const std::string& text, Platform::TextStyle style, uint32_t colour) {
  style.pointSize *= pictures_.Scale;
  platform_.DrawText(pictures_.SaveHof, x * pictures_.Scale, y * pictures_.Scale, text, style, colour);
}

void SidePanel::ShowHall(int reachedRank) {
  if (!menus_.ShowHallFame.Checked()) return;
  const int dy = game_.Play.Is(GameKind::TwoPlayers) ? 20 : menus_.ShowCurrentTile.Checked() ? 10 : -20;
  pictures_.SaveHof = pictures_.HofPic;
  if (game_.Play.Editing()) {
    Present();
    return;
  }
  Text(21, 50 - dy, VELMOR_TEXT("HALL OF"), {"Comic Sans MS", 10, true, false}, Yellow);
  Text(31, 70 - dy, VELMOR_TEXT("FAME"), {"Comic Sans MS", 10, true, false}, Yellow);
  // Before any game, the first layout's list.
  const HallList& list = hall_.Of(HallOfFameBook::IsList(layout_.BoardNumber) ? layout_.BoardNumber : 1);
  for (int i = 1; i <= HallRanks; ++i) {
    const std::string& entry = list.entries[static_cast<size_t>(i)];
    const Platform::TextStyle style{"Verdana", 9, true, i == reachedRank};
    int time = 0;
    EntryTime(entry, time);
    Text(15, 27 * i - dy + 81, entry.substr(0, 8), style, White);
    Text(39, 27 * i - dy + 94, FormatMinSec(time), style, Aqua);
  }
  Present();
}

void SidePanel::ShowTurns() {
  const Rect area = Rect{0, 380, pictures_.HofWidth, 468}.Scaled(pictures_.Scale);
  BitBlt(pictures_.SaveHof, area.left, area.top, area.width(), area.height(), pictures_.HofPic, area.left, area.top,
         RasterOp::SRCCOPY);
  const uint32_t now = platform_.TickCount();
  const bool secondHalf = now % 1000 > 500;
  const Platform::TextStyle big{"Arial", 18, true, false}, small{"Arial", 10, true, false};
  if (game_.Turns.Player2Turn || secondHalf) Text(4, 380, VELMOR_TEXT("PLAY 1"), big, Yellow);
  if (!game_.Turns.Player2Turn || secondHalf) Text(4, 422, VELMOR_TEXT("PLAY 2"), big, Aqua);
  Text(30, 402, FormatMinSec(game_.Turns.Running(false, now) / 1000), small, White);
  Text(30, 444, FormatMinSec(game_.Turns.Running(true, now) / 1000), small, White);
  platform_.PresentPanel(pictures_.SaveHof, area);
}

void SidePanel::ShowTile(int tile) {
  const Place& p = game_.Board.TilePlace[static_cast<size_t>(tile)];
  if (p.layer != 5 && game_.Board.BoardGrid.at(p.column, p.row, p.layer + 1) != 0) {
    ClearTile();  // a tile lies exactly on it: its face must stay hidden
    return;
  }
  const Rect area = pictures_.CurrentTilePreview.Scaled(pictures_.Scale),
             mask = tileset::TileMask.Scaled(pictures_.Scale);
  const SheetCell cell = FaceCell(FaceOfTile(tile));
  const int w = TileBoxWidth * pictures_.Scale, h = TileBoxHeight * pictures_.Scale;
  BitBlt(pictures_.SaveHof, area.left, area.top, w, h, pictures_.TilesetPicture, mask.left, mask.top, RasterOp::SRCAND);
  BitBlt(pictures_.SaveHof, area.left, area.top, w, h, pictures_.TileSheet, w * cell.column, h * cell.row,
         RasterOp::SRCPAINT);
  Present();
}

void SidePanel::ClearTile() {
  const Rect area = pictures_.CurrentTilePreview.Scaled(pictures_.Scale);
  BitBlt(pictures_.SaveHof, area.left, area.top, area.width(), area.height(), pictures_.HofPic, area.left, area.top,
         RasterOp::SRCCOPY);
  Present();
}

void SidePanel::Present() {
  platform_.PresentPanel(pictures_.SaveHof, {0, 0, pictures_.SaveHof.width(), pictures_.SaveHof.height()});
}

}  // namespace velmor
