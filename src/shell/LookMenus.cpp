// Tilesets and backgrounds: the built-in choices, pictures loaded from disk, and start-up. Both
// menus follow the same rules (LookChoice); what differs is how a picture is put in use.
#include <algorithm>
#include <cmath>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "display/Jpeg.h"
#include "display/Scale.h"
#include "display/Tileset.h"
#include "shell/LookMenus.h"

namespace velmor {

LookMenus::LookMenus(Platform& platform, const std::string& appFolder, GameMenus& menus, BoardPictures& pictures,
                     const PlayState& play, std::function<void()> fullRedraw)
    : platform_(platform),
      appFolder_(appFolder),
      menus_(menus),
      pictures_(pictures),
      play_(play),
      fullRedraw_(std::move(fullRedraw)),
      tilesets_(TilesetChoice()),
      backgrounds_(BackgroundChoice()) {}

bool LookMenus::LoadPicture(const std::string& path, bool jpeg, Picture& out) {
  std::string error;
  const bool ok = jpeg ? DecodeJpegFile(path, out, error) : platform_.LoadBitmap(path, out, error);
  if (!ok) platform_.ShowError(Fill(VELMOR_TEXT("The picture \"%1\" could not be loaded: %2."), path, error));
  return ok;
}

// Both menus reach the disk alike; what differs is how a picture read is put in use.
LookChoice::Loaders LookMenus::Loaders(std::function<void(Picture&, const std::string&)> use,
                                       std::function<void()> fallBack) {
  return {[this](const FileDialogRequest& request) { return platform_.OpenPictureDialog(request); }, IsFile,
          [this, use = std::move(use)](const std::string& path) {
            Picture picture;
            // The dialog offers .jpg tilesets too; they go through the same JPEG reader as backgrounds.
            if (!LoadPicture(path, Contains(path, ".jpg"), picture)) return false;
            use(picture, path);
            if (!play_.Idle()) fullRedraw_();
            return true;
          },
          std::move(fallBack)};
}

LookChoice LookMenus::TilesetChoice() {
  return LookChoice(appFolder_, menus_.Load1,
                    {{&menus_.MahJongg1, "Tilesets/pai.bmp"},
                     {&menus_.MahJongg2, "Tilesets/darkpai.bmp"},
                     {&menus_.MahJongg3, "Tilesets/bluepai.bmp"},
                     {&menus_.Lowcolor1, "Tilesets/pai256.bmp"},
                     {&menus_.HighContrast1, "Tilesets/contrast.bmp"}},
                    {VELMOR_TEXT("Please choose a Tileset bitmap file"),
                     VELMOR_TEXT("Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Tilesets/"},
                    Loaders(
                        [this](Picture& picture, const std::string& path) {
                          PadTilesetPicture(picture);
                          pictures_.TilesetSource = {std::move(picture), path};
                          MakeTilesetAtScale(pictures_.TilesetSource, pictures_.Scale, pictures_.TilesetPicture,
                                             pictures_.TileSheet, platform_.KeptLooks());
                          MakeLooksAhead();
                        },
                        [this] { BuiltInTilesetClick(menus_.MahJongg3); }));
}

LookChoice LookMenus::BackgroundChoice() {
  return LookChoice(appFolder_, menus_.LoadBackground,
                    {{&menus_.None1, ""},
                     {&menus_.Dragons1, "Backgrounds/dragons.bmp"},
                     {&menus_.Andromeda, "Backgrounds/andromeda.jpg"},
                     {&menus_.Kanji1, "Backgrounds/kanji.bmp"},
                     {&menus_.Catpats, "Backgrounds/catpats.jpg"}},
                    {VELMOR_TEXT("Please choose a Background bitmap file"),
                     VELMOR_TEXT("Background files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Backgrounds/"},
                    Loaders(
                        [this](Picture& picture, const std::string& path) {
                          pictures_.BackgroundSource = {std::move(picture), path};
                          NewBackground();
                        },
                        // Plain teal when even the default picture cannot be read.
                        [this] {
                          BuiltInBackgroundClick(menus_.Andromeda);
                          if (!backgrounds_.InUse()) None1Click();
                        }));
}

void LookMenus::None1Click() {
  backgrounds_.Use(menus_.None1);
  pictures_.BackgroundSource = {};
  NewBackground();
  if (!play_.Idle()) fullRedraw_();
}

void LookMenus::ActiveTilesetBackground() {
  backgrounds_.StartUpChoice({&menus_.Kanji1, &menus_.Dragons1, &menus_.Andromeda, &menus_.Catpats}, menus_.None1)
      .Click();
  tilesets_
      .StartUpChoice({&menus_.HighContrast1, &menus_.MahJongg1, &menus_.Lowcolor1, &menus_.MahJongg3}, menus_.MahJongg2)
      .Click();
}

// ---- The looks at the board's scale -----------------------------------------------------------

void LookMenus::NewBackground() {
  ++pictures_.BackgroundGeneration;
  MakeBackgroundAtScale(pictures_.BackgroundSource, pictures_.Scale, pictures_.BackgroundImage, platform_.KeptLooks());
  MakeLooksAhead();
}

// A first maximise then finds its pictures kept instead of decoding the large artwork while the
// player waits.
void LookMenus::MakeLooksAhead() {
  ArtworkStore* store = platform_.KeptLooks();
  if (!store) return;
  const double ratio = platform_.ScreenPixelRatio();
  const std::vector<int> scales =
      ScalesAhead(pictures_.Scale, static_cast<int>(std::lround(platform_.ScreenWidth() * ratio)),
                  static_cast<int>(std::lround(platform_.ScreenHeight() * ratio)));
  if (scales.empty()) return;
  store->MakeAhead([tileset = pictures_.TilesetSource, background = pictures_.BackgroundSource,
                    panel = pictures_.HofSource, scales, store](const std::atomic<bool>& stopping) {
    KeepLooksAhead(tileset, background, panel, BoardPictures::HofWidth, scales, *store, stopping);
  });
}

bool LookMenus::SetScale(int scale) {
  scale = std::clamp(scale, 1, MaxScale);
  if (scale == pictures_.Scale) return false;
  pictures_.Scale = scale;
  LooksAtScale looks = MakeLooksAtScale(pictures_.TilesetSource, pictures_.BackgroundSource, pictures_.HofSource,
                                        BoardPictures::HofWidth, pictures_.Scale, platform_.KeptLooks());
  pictures_.TilesetPicture = std::move(looks.tilesetPicture);
  pictures_.TileSheet = std::move(looks.tileSheet);
  ++pictures_.BackgroundGeneration;
  pictures_.BackgroundImage = std::move(looks.background);
  pictures_.HofPic = std::move(looks.panel);
  pictures_.FrameBuffer = pictures_.BackgroundImage;
  pictures_.RedrawBox = BoardPictures::NoBox;
  pictures_.GhostBox = BoardPictures::NoBox;
  return true;
}

}  // namespace velmor
