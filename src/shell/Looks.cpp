// Tilesets and backgrounds: the built-in choices, pictures loaded from disk, and start-up.
#include <filesystem>

#include "base/Text.h"
#include "display/Jpeg.h"
#include "display/Tileset.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

struct Choice {
  MenuItem TVelmor::*item;
  const char* file;
};

constexpr Choice TilesetFiles[] = {
    {&TVelmor::MahJongg1, "Tilesets/pai.bmp"},
    {&TVelmor::MahJongg2, "Tilesets/darkpai.bmp"},
    {&TVelmor::MahJongg3, "Tilesets/bluepai.bmp"},
    {&TVelmor::Lowcolor1, "Tilesets/pai256.bmp"},
};

constexpr Choice BackgroundFiles[] = {
    {&TVelmor::Kanji1, "Backgrounds/kanji.bmp"},
    {&TVelmor::Dragons1, "Backgrounds/dragons.bmp"},
    {&TVelmor::Andromeda, "Backgrounds/andromeda.jpg"},
    {&TVelmor::Catpats, "Backgrounds/catpats.jpg"},
};

}  // namespace

bool TVelmor::LoadPicture(const std::string& path, bool jpeg, Picture& out) {
  std::string error;
  const bool ok = jpeg ? DecodeJpegFile(path, out, error) : platform.LoadBitmap(path, out, error);
  if (!ok) platform.ShowError("The picture \"" + path + "\" could not be loaded: " + error + ".");
  return ok;
}

// Exactly one item of each menu is checked: the one whose picture is in use.
void TVelmor::ShowTileset(MenuItem* item) {
  for (MenuItem* entry : {&Load1, &MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1})
    entry->SetChecked(entry == item);
}

void TVelmor::ShowBackground(MenuItem* item) {
  for (MenuItem* entry : {&LoadBackground, &None1, &Dragons1, &Andromeda, &Kanji1, &Catpats})
    entry->SetChecked(entry == item);
}

// A cancelled dialog or an unreadable picture keeps the look in use and its check mark. At
// start-up there is none yet: the default choice is taken instead, and for backgrounds plain
// teal when even that picture cannot be read.
void TVelmor::KeepShownTileset() {
  if (shownTileset_ || fallingBack_) {
    ShowTileset(shownTileset_);
    return;
  }
  fallingBack_ = true;
  BuiltInTilesetClick(MahJongg3);
  fallingBack_ = false;
}

void TVelmor::KeepShownBackground() {
  if (shownBackground_ || fallingBack_) {
    ShowBackground(shownBackground_);
    return;
  }
  fallingBack_ = true;
  BuiltInBackgroundClick(Andromeda);
  fallingBack_ = false;
  if (!shownBackground_) None1Click();
}

bool TVelmor::LoadTileset(const std::string& path) {
  if (!FileExists(path)) {
    LastLoadedTileset.clear();
    ShowTileset(&Load1);
    Load1Click();
    return shownTileset_ == &Load1;
  }
  MenuItem* chosen = nullptr;
  for (MenuItem* entry : {&Load1, &MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1})
    if (entry->Checked()) chosen = entry;
  Picture picture;
  // The dialog offers .jpg tilesets too; they go through the same JPEG reader as backgrounds.
  if (!LoadPicture(path, Contains(path, ".jpg"), picture)) {
    KeepShownTileset();
    return false;
  }
  PadTilesetPicture(picture);
  TilesetPicture = std::move(picture);
  shownTileset_ = chosen;
  ChangeTexture(TilesetPicture, TileSheet);
  if (GameMode != ModeNoGame) FullRedraw();
  return true;
}

void TVelmor::BuiltInTilesetClick(MenuItem& item) {
  ShowTileset(&item);
  for (const Choice& choice : TilesetFiles)
    if (&(this->*choice.item) == &item) LoadTileset(AppFolder + choice.file);
}

void TVelmor::Load1Click() {
  for (;;) {
    const std::string previous = LastLoadedTileset;
    const bool ask = Load1.Checked() || LastLoadedTileset.empty();
    if (ask) {
      const auto chosen = platform.OpenPictureDialog(
          {"Please choose a Tileset bitmap file", "Tileset files (*.bmp; *.jpg)|*.bmp;*.jpg",
           AppFolder + "Tilesets/"});
      if (!chosen) {
        KeepShownTileset();
        return;
      }
      LastLoadedTileset = *chosen;
    }
    if (FileExists(LastLoadedTileset)) {
      ShowTileset(&Load1);
      // A file that cannot be read is not remembered, or the next click would read it again
      // instead of asking for another.
      if (!LoadTileset(LastLoadedTileset)) LastLoadedTileset = ask ? previous : std::string();
      return;
    }
    LastLoadedTileset.clear();
    ShowTileset(&Load1);
  }
}

bool TVelmor::NouveauFond(const std::string& path) {
  if (!FileExists(path)) {
    LastLoadedBackground.clear();
    ShowBackground(&LoadBackground);
    LoadBackgroundClick();
    return shownBackground_ == &LoadBackground;
  }
  MenuItem* chosen = nullptr;
  for (MenuItem* entry : {&LoadBackground, &None1, &Dragons1, &Andromeda, &Kanji1, &Catpats})
    if (entry->Checked()) chosen = entry;
  Picture picture;
  if (!LoadPicture(path, Contains(path, ".jpg"), picture)) {
    KeepShownBackground();
    return false;
  }
  TileBackground(BackgroundImage, picture);
  shownBackground_ = chosen;
  if (GameMode != ModeNoGame) FullRedraw();
  return true;
}

void TVelmor::BuiltInBackgroundClick(MenuItem& item) {
  ShowBackground(&item);
  for (const Choice& choice : BackgroundFiles)
    if (&(this->*choice.item) == &item) NouveauFond(AppFolder + choice.file);
}

void TVelmor::None1Click() {
  ShowBackground(&None1);
  PlainBackground(BackgroundImage);
  shownBackground_ = &None1;
  if (GameMode != ModeNoGame) FullRedraw();
}

void TVelmor::LoadBackgroundClick() {
  for (;;) {
    const std::string previous = LastLoadedBackground;
    const bool ask = LoadBackground.Checked() || LastLoadedBackground.empty();
    if (ask) {
      const auto chosen = platform.OpenPictureDialog(
          {"Please choose a Background bitmap file", "Background files (*.bmp; *.jpg)|*.bmp;*.jpg",
           AppFolder + "Backgrounds/"});
      if (!chosen) {
        KeepShownBackground();
        return;
      }
      LastLoadedBackground = *chosen;
    }
    if (FileExists(LastLoadedBackground)) {
      ShowBackground(&LoadBackground);
      // A file that cannot be read is not remembered, or the next click would read it again
      // instead of asking for another.
      if (!NouveauFond(LastLoadedBackground)) LastLoadedBackground = ask ? previous : std::string();
      return;
    }
    LastLoadedBackground.clear();
    ShowBackground(&LoadBackground);
  }
}

void TVelmor::ActiveTilesetBackground() {
  if (LoadBackground.Checked()) {
    LoadBackground.SetChecked(false);
    LoadBackgroundClick();
  } else if (MenuItem* first = Kanji1.Checked()      ? &Kanji1
                               : Dragons1.Checked()  ? &Dragons1
                               : Andromeda.Checked() ? &Andromeda
                               : Catpats.Checked()   ? &Catpats
                                                     : nullptr) {
    BuiltInBackgroundClick(*first);
  } else {
    None1Click();
  }

  if (Load1.Checked()) {
    Load1.SetChecked(false);
    Load1Click();
  } else if (MenuItem* first = MahJongg1.Checked()   ? &MahJongg1
                               : Lowcolor1.Checked() ? &Lowcolor1
                               : MahJongg3.Checked() ? &MahJongg3
                                                     : nullptr) {
    BuiltInTilesetClick(*first);
  } else {
    BuiltInTilesetClick(MahJongg2);
  }
}

}  // namespace velmor
