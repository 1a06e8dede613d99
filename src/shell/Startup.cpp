// Start-up, the settings file "Velmor.ini", the view options and shutdown.
#include <filesystem>

#include "layouts/LayoutFile.h"
#include "shell/GameFolders.h"
#include "shell/IniFile.h"
#include "shell/RtfReader.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

constexpr const char* Section = "Velmor";

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

}  // namespace

int TVelmor::WindowContentWidth() const {
  return BoardPictureWidth + (ShowHallFame.Checked() ? HofWidth : 0);
}

int TVelmor::WindowContentHeight() const {
  return BoardPictureHeight + (Toolbar1.Checked() ? platform.ToolbarHeight() : 0) +
         (ShowTitle.Checked() ? platform.StatusBarHeight() : 0);
}

bool TVelmor::Init() {
  IM(ModeNoGame);
  ResumeMode = ModeStopped;

  std::string error;
  if (IsFile(AppFolder + "hof.bmp") && !platform.LoadBitmap(AppFolder + "hof.bmp", HofPic, error))
    HofPic = Picture();  // the panel stays plain, as with no picture at all
  if (HofPic.empty()) HofPic.Resize(HofWidth, BoardPictureHeight);
  HofBox.SetVisible(false);
  if (!ReadHelpTexts()) return false;
  SaveHof = HofPic;
  EditorGhost = Place{-1, -1, -1};
  RedrawBox = NoBox;
  StatusText.SetCaption(" ");

  // Settings, in the order of the file; a missing file gives the defaults.
  IniFile ini;
  if (!ini.Load(IniPath(), error)) platform.ShowError("The settings could not be read: " + error + ". The defaults apply.");
  auto flag = [&](const char* key, MenuItem& item, bool def) { item.SetChecked(ini.ReadBool(Section, key, def)); };
  const int highlight = ini.ReadInteger(Section, "Highlight", 3);
  HighlightMode = highlight;
  flag("Invert", Invert, false);
  flag("ShowMoves", Moves, true);
  flag("PlayMusic", PlayMusic, true);
  flag("PlaySounds", PlaySounds, true);
  CurrentPlayer = ini.ReadString(Section, "CurrentPlayer1", "Player1");
  const int background = ini.ReadInteger(Section, "Background", 4);
  BoardNumber = ini.ReadInteger(Section, "BoardNumber", -1);
  RememberedLayoutFile = ini.ReadString(Section, "LayoutFile", "");
  MidiNumber = ini.ReadInteger(Section, "MidiNumber", -1);
  const int tilesetValue = ini.ReadInteger(Section, "Tileset", 3);
  flag("SetRes800", Res800, false);
  LastLoadedTileset = ini.ReadString(Section, "LastLoadedTileset", "");
  LastLoadedBackground = ini.ReadString(Section, "LastLoadedBackground", "");
  flag("StartDirectly", StartDirectly, true);
  flag("StartMusic", StartMusic, true);
  flag("ShowHallOfFame", ShowHallFame, true);
  flag("ShowToolbar", Toolbar1, true);
  flag("ShowStatus", ShowTitle, true);
  flag("CoolMenu", CoolMenu1, true);
  flag("CoolMouse", CoolMouse, true);
  flag("CoolStatus", CoolStatus, true);
  flag("CoolToolbar", CoolToolbar, true);
  flag("TileRivers", AnimateTileRivers, true);
  flag("ShowTime", ShowTime, true);
  flag("FlatButtons", FlatButtons, true);
  flag("EnableHall", EnableHall, true);
  flag("Shadows", Shadows, true);
  flag("Vertical", Vertical, false);
  flag("Winnable", Winnable, false);
  flag("Shuffable", Shuffable, true);
  flag("Animate", Animate, false);
  flag("ShowTile", ShowCurrentTile, false);
  flag("OnlyPossible", OnlyPossibleMoves, false);
  flag("RandomMusic", RandomMusic, false);
  GameNumber = ini.ReadInteger(Section, "RandomSeed", 0);
  const int xPos = ini.ReadInteger(Section, "XPos", 0);
  const int yPos = ini.ReadInteger(Section, "YPos", 0);
  PreviousRes = ini.ReadInteger(Section, "PreviousRes", platform.ScreenWidth());

  if (Res800.Checked()) {
    DisplayModeChanged = false;
    if (platform.ScreenWidth() != 800 || platform.ScreenHeight() != 600) {
      DisplayModeChanged = platform.ChangeDisplayMode(800, 600, true) && platform.ChangeDisplayMode(800, 600, false);
    }
  }

  const int screen = platform.ScreenWidth();
  BoardOriginX = screen >= 800 ? 36 : -5;
  BoardOriginY = screen >= 800 ? 25 : 0;

  int left, top;
  if (screen == PreviousRes) {
    left = xPos;
    top = yPos;
  } else if (screen == 640) {
    ShowHallFame.SetChecked(false);
    Toolbar1.SetChecked(false);
    left = 0;
    top = 0;
  } else {
    left = (screen - WindowContentWidth()) / 2;
    top = (platform.ScreenHeight() - WindowContentHeight()) / 2;
  }
  LigneStatus.SetVisible(ShowTitle.Checked());
  Tools.SetVisible(Toolbar1.Checked());
  HofBox.SetVisible(ShowHallFame.Checked());
  if (screen == 640)
    platform.PlaceWindow(0, 0, 640, 480 - platform.StatusBarHeight());
  else
    platform.PlaceWindow(left, top, WindowContentWidth(), WindowContentHeight());

  if (!LoadFiles()) return false;

  MenuItem* highlights[] = {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5};
  for (int k = 0; k < 5; ++k) highlights[k]->SetChecked(k == highlight);
  platform.SetCursor(CoolMouse.Checked() ? 21 : 0);
  if (ShowHallFame.Checked()) ShowPanelHOF();

  Board = BoardState{};
  ResetForNewGame(NewGameKind::Solitaire);
  ReachedRank = 0;
  LayoutName = "External Layout";

  MenuItem* backgrounds[] = {&Kanji1, &Dragons1, &None1, &LoadBackground, &Andromeda, &Catpats};
  for (int k = 0; k < 6; ++k) backgrounds[k]->SetChecked(k == background);
  MenuItem* tilesets[] = {&Load1, &MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1};
  for (int k = 0; k < 5; ++k) tilesets[k]->SetChecked(k == tilesetValue);

  StartingUp = true;
  const bool layoutRead = LoadStartLayout();
  StartingUp = false;
  if (!layoutRead) {
    platform.ShowError("Velmor cannot start without a readable layout.");
    return false;
  }

  SetMusic.SetEnabled(PlayMusic.Checked());

  ActiveTilesetBackground();
  ColorHighlight();
  return true;
}

bool TVelmor::ReadHelpTexts() {
  for (auto [file, html] : {std::pair{"velmor.rtf", &HelpHtml}, std::pair{"whatsnew.rtf", &WhatsNewHtml}}) {
    std::string text, error;
    RtfDocument doc;
    if (!ReadWholeFile(AppFolder + file, text, error) || !ReadRtf(text, doc, error)) {
      platform.ShowError("The help text \"" + AppFolder + file + "\" could not be read: " + error +
                         ". Velmor cannot start without it.");
      return false;
    }
    *html = RtfToHtml(doc);
  }
  return true;
}

bool TVelmor::LoadFiles() {
  if (!BuildTuneList()) return false;
  if (!BuildLayoutList()) return false;
  LoadHallOfFame();
  if (!IsFile(LastLoadedTileset)) LastLoadedTileset.clear();
  if (!IsFile(LastLoadedBackground)) LastLoadedBackground.clear();
  return true;
}

void TVelmor::FormShow() {
  if (GameMode != ModeNoGame) return;
  // The current tune starts with the first heartbeat after the window shows: opening the
  // synthesiser would only delay the first picture.
  FirstTunePending = true;
  GameMode = ModeStopped;
  if (StartDirectly.Checked()) NewGame();
}

void TVelmor::FormCloseQuery() {
  const int background = Kanji1.Checked() ? 0 : Dragons1.Checked() ? 1 : None1.Checked() ? 2
                       : Andromeda.Checked() ? 4 : Catpats.Checked() ? 5 : 3;
  const int tilesetValue = Load1.Checked() ? 0 : MahJongg1.Checked() ? 1 : MahJongg2.Checked() ? 2
                         : MahJongg3.Checked() ? 3 : 4;
  if (BoardNumber >= 100) BoardNumber = SavedLayoutNumber;

  IniFile ini;
  std::string error;
  if (!ini.Load(IniPath(), error)) {
    // A file we cannot read is not overwritten: the player's other sections live there too.
    platform.ShowError("The settings were not saved: " + error + ".");
  } else {
    int left, top, width, height;
    platform.WindowPlacement(left, top, width, height);
    auto flag = [&](const char* key, const MenuItem& item) { ini.WriteBool(Section, key, item.Checked()); };
    ini.WriteInteger(Section, "Highlight", HighlightMode);
    flag("Invert", Invert);
    flag("ShowMoves", Moves);
    flag("PlayMusic", PlayMusic);
    flag("PlaySounds", PlaySounds);
    ini.WriteString(Section, "CurrentPlayer1", CurrentPlayer);
    ini.WriteInteger(Section, "Background", background);
    ini.WriteInteger(Section, "BoardNumber", BoardNumber);
    ini.WriteString(Section, "LayoutFile", Layouts.Has(BoardNumber) ? Layouts[BoardNumber].file : std::string());
    ini.WriteInteger(Section, "MidiNumber", MidiNumber);
    ini.WriteInteger(Section, "Tileset", tilesetValue);
    flag("SetRes800", Res800);
    ini.WriteString(Section, "LastLoadedTileset", LastLoadedTileset);
    ini.WriteString(Section, "LastLoadedBackground", LastLoadedBackground);
    flag("StartDirectly", StartDirectly);
    flag("StartMusic", StartMusic);
    flag("ShowHallOfFame", ShowHallFame);
    flag("ShowToolbar", Toolbar1);
    flag("ShowStatus", ShowTitle);
    flag("CoolMenu", CoolMenu1);
    flag("CoolMouse", CoolMouse);
    flag("CoolStatus", CoolStatus);
    flag("CoolToolbar", CoolToolbar);
    flag("TileRivers", AnimateTileRivers);
    flag("ShowTime", ShowTime);
    flag("FlatButtons", FlatButtons);
    flag("EnableHall", EnableHall);
    flag("Shadows", Shadows);
    flag("Vertical", Vertical);
    flag("Winnable", Winnable);
    flag("Shuffable", Shuffable);
    flag("Animate", Animate);
    flag("ShowTile", ShowCurrentTile);
    flag("OnlyPossible", OnlyPossibleMoves);
    flag("RandomMusic", RandomMusic);
    ini.WriteInteger(Section, "RandomSeed", GameNumber);
    ini.WriteInteger(Section, "XPos", left);
    ini.WriteInteger(Section, "YPos", top);
    ini.WriteInteger(Section, "WPos", width);
    ini.WriteInteger(Section, "HPos", height);
    ini.WriteInteger(Section, "PreviousRes", platform.ScreenWidth());
    if (!MakeFolder(ConfigFolder, error) || !ini.Save(error))
      platform.ShowError("The settings were not saved: " + error + ".");
  }

  SaveHallOfFame();
  if (DisplayModeChanged && platform.ChangeDisplayMode(0, 0, true)) platform.RestoreDisplayMode();
}

void TVelmor::Toolbar1Click() {
  Toolbar1.Toggle();
  (GameMode == ModeEditor ? EditorPanel : Tools).SetVisible(Toolbar1.Checked());
  GrowWindow((Toolbar1.Checked() ? 1 : -1) * platform.ToolbarHeight());
  FullRedraw();
}

void TVelmor::ShowTitleClick() {
  ShowTitle.Toggle();
  LigneStatus.SetVisible(ShowTitle.Checked());
  GrowWindow((ShowTitle.Checked() ? 1 : -1) * platform.StatusBarHeight());
}

void TVelmor::GrowWindow(int extraHeight) {
  int left, top, width, height;
  platform.WindowPlacement(left, top, width, height);
  platform.PlaceWindow(left, top, width, height + extraHeight);
}

void TVelmor::CoolMouseClick() {
  CoolMouse.Toggle();
  platform.SetCursor(CoolMouse.Checked() ? 21 : 0);
}

}  // namespace velmor
