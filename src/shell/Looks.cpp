// Tilesets and backgrounds: the built-in choices, pictures loaded from disk, and start-up. Both
// menus follow the same rules (LookChoice); what differs is how a picture is put in use.
#include <algorithm>
#include <cmath>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "display/Jpeg.h"
#include "display/Tileset.h"
#include "shell/TVelmor.h"

namespace velmor {

bool TVelmor::LoadPicture(const std::string& path, bool jpeg, Picture& out) {
  std::string error;
  const bool ok = jpeg ? DecodeJpegFile(path, out, error) : platform.LoadBitmap(path, out, error);
  if (!ok) platform.ShowError(Fill(VELMOR_TEXT("The picture \"%1\" could not be loaded: %2."), path, error));
  return ok;
}

// Both menus reach the disk alike; what differs is how a picture read is put in use.
LookChoice::Loaders TVelmor::LookLoaders(std::function<void(Picture&, const std::string&)> use,
                                         std::function<void()> fallBack) {
  return {[this](const FileDialogRequest& request) { return platform.OpenPictureDialog(request); }, IsFile,
          [this, use = std::move(use)](const std::string& path) {
            Picture picture;
            // The dialog offers .jpg tilesets too; they go through the same JPEG reader as backgrounds.
            if (!LoadPicture(path, Contains(path, ".jpg"), picture)) return false;
            use(picture, path);
            if (!Current.Play.Idle()) FullRedraw();
            return true;
          },
          std::move(fallBack)};
}

LookChoice TVelmor::TilesetChoice() {
  return LookChoice(Folders.AppFolder, Menus.Load1,
                    {{&Menus.MahJongg1, "Tilesets/pai.bmp"},
                     {&Menus.MahJongg2, "Tilesets/darkpai.bmp"},
                     {&Menus.MahJongg3, "Tilesets/bluepai.bmp"},
                     {&Menus.Lowcolor1, "Tilesets/pai256.bmp"},
                     {&Menus.HighContrast1, "Tilesets/contrast.bmp"}},
                    {VELMOR_TEXT("Please choose a Tileset bitmap file"),
                     VELMOR_TEXT("Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Tilesets/"},
                    LookLoaders(
                        [this](Picture& picture, const std::string& path) {
                          PadTilesetPicture(picture);
                          Pictures.TilesetSource = {std::move(picture), path};
                          MakeTilesetAtScale(Pictures.TilesetSource, Pictures.Scale, Pictures.TilesetPicture,
                                             Pictures.TileSheet, platform.KeptLooks());
                          MakeLooksAhead();
                        },
                        [this] { BuiltInTilesetClick(Menus.MahJongg3); }));
}

LookChoice TVelmor::BackgroundChoice() {
  return LookChoice(Folders.AppFolder, Menus.LoadBackground,
                    {{&Menus.None1, ""},
                     {&Menus.Dragons1, "Backgrounds/dragons.bmp"},
                     {&Menus.Andromeda, "Backgrounds/andromeda.jpg"},
                     {&Menus.Kanji1, "Backgrounds/kanji.bmp"},
                     {&Menus.Catpats, "Backgrounds/catpats.jpg"}},
                    {VELMOR_TEXT("Please choose a Background bitmap file"),
                     VELMOR_TEXT("Background files (*.bmp; *.jpg)|*.bmp;*.jpg"), "Backgrounds/"},
                    LookLoaders(
                        [this](Picture& picture, const std::string& path) {
                          Pictures.BackgroundSource = {std::move(picture), path};
                          NewBackground();
                        },
                        // Plain teal when even the default picture cannot be read.
                        [this] {
                          BuiltInBackgroundClick(Menus.Andromeda);
                          if (!backgrounds_.InUse()) None1Click();
                        }));
}

bool TVelmor::LoadTileset(const std::string& path) { return tilesets_.Load(path); }
bool TVelmor::NouveauFond(const std::string& path) { return backgrounds_.Load(path); }
void TVelmor::Load1Click() { tilesets_.LoadFromDisk(); }
void TVelmor::LoadBackgroundClick() { backgrounds_.LoadFromDisk(); }
void TVelmor::BuiltInTilesetClick(MenuItem& item) { tilesets_.Choose(item); }
void TVelmor::BuiltInBackgroundClick(MenuItem& item) { backgrounds_.Choose(item); }

void TVelmor::None1Click() {
  backgrounds_.Use(Menus.None1);
  Pictures.BackgroundSource = {};
  NewBackground();
  if (!Current.Play.Idle()) FullRedraw();
}

// The check marks read from the settings name the looks to take, clicked as the player would.
void TVelmor::ActiveTilesetBackground() {
  backgrounds_.StartUpChoice({&Menus.Kanji1, &Menus.Dragons1, &Menus.Andromeda, &Menus.Catpats}, Menus.None1).Click();
  tilesets_.StartUpChoice({&Menus.HighContrast1, &Menus.MahJongg1, &Menus.Lowcolor1, &Menus.MahJongg3}, Menus.MahJongg2)
      .Click();
}

// ---- The looks at the board's scale -----------------------------------------------------------

void TVelmor::NewBackground() {
  ++Pictures.BackgroundGeneration;
  MakeBackgroundAtScale(Pictures.BackgroundSource, Pictures.Scale, Pictures.BackgroundImage, platform.KeptLooks());
  MakeLooksAhead();
}

// A first maximise then finds its pictures kept instead of decoding the large artwork while the
// player waits.
void TVelmor::MakeLooksAhead() {
  ArtworkStore* store = platform.KeptLooks();
  if (!store) return;
  const double ratio = platform.ScreenPixelRatio();
  const std::vector<int> scales =
      ScalesAhead(Pictures.Scale, static_cast<int>(std::lround(platform.ScreenWidth() * ratio)),
                  static_cast<int>(std::lround(platform.ScreenHeight() * ratio)));
  if (scales.empty()) return;
  store->MakeAhead([tileset = Pictures.TilesetSource, background = Pictures.BackgroundSource,
                    panel = Pictures.HofSource, scales, store](const std::atomic<bool>& stopping) {
    KeepLooksAhead(tileset, background, panel, BoardPictures::HofWidth, scales, *store, stopping);
  });
}

void TVelmor::SetBoardScale(int scale) {
  scale = std::clamp(scale, 1, MaxScale);
  if (scale == Pictures.Scale) return;
  Pictures.Scale = scale;
  LooksAtScale looks = MakeLooksAtScale(Pictures.TilesetSource, Pictures.BackgroundSource, Pictures.HofSource,
                                        Pictures.HofWidth, Pictures.Scale, platform.KeptLooks());
  Pictures.TilesetPicture = std::move(looks.tilesetPicture);
  Pictures.TileSheet = std::move(looks.tileSheet);
  ++Pictures.BackgroundGeneration;
  Pictures.BackgroundImage = std::move(looks.background);
  Pictures.HofPic = std::move(looks.panel);
  Pictures.FrameBuffer = Pictures.BackgroundImage;
  Pictures.RedrawBox = Pictures.NoBox;
  Pictures.GhostBox = Pictures.NoBox;
  // What was on the board is shown again: the background alone once a game is stopped or over.
  if (Current.Play.Stopped() || Current.Play.Over())
    ShowFond();
  else if (!Current.Play.Idle())
    Redraw();
  ShowPanelHOF();
  if (!Menus.ShowHallFame.Checked()) Pictures.SaveHof = Pictures.HofPic;
}

}  // namespace velmor
