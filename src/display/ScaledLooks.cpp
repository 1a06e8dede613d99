#include "display/ScaledLooks.h"

#include <algorithm>
#include <cmath>
#include <future>

#include "display/Png.h"
#include "display/Scale.h"
#include "display/ScaledArtwork.h"
#include "display/Tileset.h"

namespace velmor {

namespace {

// The artwork file drawn for `scale` beside the look's own, or "" (1x, or none beside it: a
// player's own picture, which is enlarged instead).
std::string ArtFor(const LookSource& source, int scale) {
  return scale == 1 ? std::string() : ArtworkForScale(source.path, scale);
}

bool Decoded(const std::string& art, Picture& drawn) {
  std::string error;
  return !art.empty() && DecodePngFile(art, drawn, error);
}

// What a store keeps is named by the artwork file it was made from, so a kept picture always
// follows the file it stands for; pictures made from a player's own 1x file are not kept.
std::string Kept(const char* what, int scale) { return std::string(what) + "@" + std::to_string(scale); }

std::optional<Picture> FindKept(ArtworkStore* store, const std::string& art, const char* what, int scale) {
  if (!store || art.empty()) return std::nullopt;
  return store->Find(art, Kept(what, scale));
}

// The look's own pixels, repeated to `scale`.
Picture Enlarged(const LookSource& source, int scale) {
  return scale == 1 ? source.picture : EnlargeByRepetition(source.picture, scale);
}

}  // namespace

Picture LookAtScale(const LookSource& source, int scale) {
  Picture drawn;
  return Decoded(ArtFor(source, scale), drawn) ? drawn : Enlarged(source, scale);
}

void MakeTilesetAtScale(const LookSource& source, int scale, Picture& tilesetPicture, Picture& tileSheet,
                        ArtworkStore* store) {
  const std::string art = ArtFor(source, scale);
  bool drawn = false;
  if (source.picture.empty()) {
    tilesetPicture = Picture(SheetWidth * scale, SheetHeight * scale);
  } else {
    std::optional<Picture> kept = FindKept(store, art, "tileset", scale), sheet;
    if (kept) sheet = store->Find(art, Kept("sheet", scale));
    if (kept && sheet && sheet->width() == TileSheetWidth * scale && sheet->height() == TileSheetHeight * scale) {
      tilesetPicture = std::move(*kept);
      tileSheet = std::move(*sheet);
      return;
    }
    drawn = Decoded(art, tilesetPicture);
    if (!drawn) tilesetPicture = Enlarged(source, scale);
    PadTilesetPicture(tilesetPicture, scale);
  }
  tileSheet = Picture(TileSheetWidth * scale, TileSheetHeight * scale);
  ChangeTexture(tilesetPicture, tileSheet, scale);
  if (store && drawn) {
    store->Keep(art, Kept("tileset", scale), tilesetPicture);
    store->Keep(art, Kept("sheet", scale), tileSheet);
  }
}

void MakeBackgroundAtScale(const LookSource& source, int scale, Picture& background, ArtworkStore* store) {
  const int width = BoardPictureWidth * scale, height = BoardPictureHeight * scale;
  if (source.picture.empty()) {
    background = Picture(width, height);
    PlainBackground(background, scale);
    return;
  }
  const std::string art = ArtFor(source, scale);
  if (std::optional<Picture> kept = FindKept(store, art, "board", scale);
      kept && kept->width() == width && kept->height() == height) {
    background = std::move(*kept);
    return;
  }
  Picture look;
  const bool drawn = Decoded(art, look);
  if (!drawn) look = Enlarged(source, scale);
  // A picture made for the board is the background as it is, sharing the look's pixels.
  if (look.width() == width && look.height() == height) {
    background = std::move(look);
  } else {
    background = Picture(width, height);
    TileBackground(background, look);
  }
  if (store && drawn) store->Keep(art, Kept("board", scale), background);
}

Picture PanelAtScale(const LookSource& panel, int panelWidth, int scale, ArtworkStore* store) {
  if (panel.picture.empty()) return Picture(panelWidth * scale, BoardPictureHeight * scale);
  const std::string art = ArtFor(panel, scale);
  if (std::optional<Picture> kept = FindKept(store, art, "panel", scale)) return std::move(*kept);
  Picture look;
  if (!Decoded(art, look)) return Enlarged(panel, scale);
  if (store) store->Keep(art, Kept("panel", scale), look);
  return look;
}

std::vector<int> ScalesAhead(int current, int width, int height) {
  // The board alone, without the side panel, is the largest a window of the screen can show.
  const double largest =
      std::min(static_cast<double>(width) / BoardPictureWidth, static_cast<double>(height) / BoardPictureHeight);
  const int top = std::clamp(static_cast<int>(std::ceil(largest - 1e-9)), 1, MaxScale);
  std::vector<int> scales;
  for (int k = 2; k <= top; ++k)
    if (k != current) scales.push_back(k);
  std::stable_sort(scales.begin(), scales.end(), [current](int a, int b) {
    return std::abs(a - current) < std::abs(b - current) || (std::abs(a - current) == std::abs(b - current) && a > b);
  });
  return scales;
}

void KeepLooksAhead(const LookSource& tileset, const LookSource& background, const LookSource& panel, int panelWidth,
                    const std::vector<int>& scales, ArtworkStore& store, const std::atomic<bool>& stopping) {
  for (int scale : scales) {
    if (!stopping && !tileset.picture.empty() && !ArtFor(tileset, scale).empty()) {
      Picture tilesetPicture, tileSheet;
      MakeTilesetAtScale(tileset, scale, tilesetPicture, tileSheet, &store);
    }
    if (!stopping && !background.picture.empty() && !ArtFor(background, scale).empty()) {
      Picture made;
      MakeBackgroundAtScale(background, scale, made, &store);
    }
    if (!stopping && !panel.picture.empty() && !ArtFor(panel, scale).empty())
      PanelAtScale(panel, panelWidth, scale, &store);
  }
}

LooksAtScale MakeLooksAtScale(const LookSource& tileset, const LookSource& background, const LookSource& panel,
                              int panelWidth, int scale, ArtworkStore* store) {
  LooksAtScale looks;
  auto backgroundMade =
      std::async(std::launch::async, [&] { MakeBackgroundAtScale(background, scale, looks.background, store); });
  auto panelMade = std::async(std::launch::async, [&] { looks.panel = PanelAtScale(panel, panelWidth, scale, store); });
  MakeTilesetAtScale(tileset, scale, looks.tilesetPicture, looks.tileSheet, store);
  backgroundMade.get();
  panelMade.get();
  return looks;
}

}  // namespace velmor
