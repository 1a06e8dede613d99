#include "display/ScaledLooks.h"

#include <future>

#include "display/Png.h"
#include "display/Scale.h"
#include "display/ScaledArtwork.h"
#include "display/Tileset.h"

namespace velmor {

Picture LookAtScale(const LookSource& source, int scale) {
  if (scale == 1) return source.picture;
  Picture drawn;
  std::string error;
  if (const std::string art = ArtworkForScale(source.path, scale); !art.empty() && DecodePngFile(art, drawn, error))
    return drawn;
  return EnlargeByRepetition(source.picture, scale);
}

void MakeTilesetAtScale(const LookSource& source, int scale, Picture& tilesetPicture, Picture& tileSheet) {
  if (source.picture.empty()) {
    tilesetPicture = Picture(SheetWidth * scale, SheetHeight * scale);
  } else {
    tilesetPicture = LookAtScale(source, scale);
    PadTilesetPicture(tilesetPicture, scale);
  }
  tileSheet = Picture(TileSheetWidth * scale, TileSheetHeight * scale);
  ChangeTexture(tilesetPicture, tileSheet, scale);
}

void MakeBackgroundAtScale(const LookSource& source, int scale, Picture& background) {
  const int width = BoardPictureWidth * scale, height = BoardPictureHeight * scale;
  if (source.picture.empty()) {
    background = Picture(width, height);
    PlainBackground(background, scale);
    return;
  }
  Picture look = LookAtScale(source, scale);
  // A picture made for the board is the background as it is, sharing the look's pixels.
  if (look.width() == width && look.height() == height) {
    background = std::move(look);
    return;
  }
  background = Picture(width, height);
  TileBackground(background, look);
}

Picture PanelAtScale(const LookSource& panel, int panelWidth, int scale) {
  return panel.picture.empty() ? Picture(panelWidth * scale, BoardPictureHeight * scale) : LookAtScale(panel, scale);
}

LooksAtScale MakeLooksAtScale(const LookSource& tileset, const LookSource& background, const LookSource& panel,
                              int panelWidth, int scale) {
  LooksAtScale looks;
  auto backgroundMade =
      std::async(std::launch::async, [&] { MakeBackgroundAtScale(background, scale, looks.background); });
  auto panelMade = std::async(std::launch::async, [&] { looks.panel = PanelAtScale(panel, panelWidth, scale); });
  MakeTilesetAtScale(tileset, scale, looks.tilesetPicture, looks.tileSheet);
  backgroundMade.get();
  panelMade.get();
  return looks;
}

}  // namespace velmor
