// Start-up, the settings file "Velmor.ini", the view options and shutdown.

#include "base/Files.h"
#include "base/Say.h"
#include "display/ScaledLooks.h"
#include "layouts/LayoutFile.h"
#include "shell/GameFolders.h"
#include "shell/IniFile.h"
#include "shell/RtfReader.h"
#include "shell/Settings.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {

// The layout asked for is in play already (it was read at start-up in the remembered one's place).
void PlayAsked(TVelmor& g, const StartRequest& asked) {
  if (asked.rivers != StartRequest::Rivers::No) return g.FourRivers(asked.rivers == StartRequest::Rivers::Hard);
  if (!asked.game) return g.RandomSolitaireGame1Click();
  g.Current.GameNumber = asked.game;
  g.NewSpecificGame1Click();
}

}  // namespace

int TVelmor::WindowContentWidth() const {
  return BoardPictureWidth + (Menus.ShowHallFame.Checked() ? Pictures.HofWidth : 0);
}

int TVelmor::WindowContentHeight() const {
  return BoardPictureHeight + (Menus.Toolbar1.Checked() ? platform.ToolbarHeight() : 0) +
         (Menus.ShowTitle.Checked() ? platform.StatusBarHeight() : 0);
}

bool TVelmor::Init() {
  Current.Play.Clear();
  UpdateCommands();

  std::string error;
  Picture panel;
  if (IsFile(Folders.AppFolder + "hof.bmp") && !platform.LoadBitmap(Folders.AppFolder + "hof.bmp", panel, error))
    panel = Picture();  // the panel stays plain, as with no picture at all
  Pictures.HofSource = panel.empty() ? LookSource{} : LookSource{panel, Folders.AppFolder + "hof.bmp"};
  // The window may have chosen its scale already (a HiDPI screen): the panel is made for it.
  Pictures.HofPic = PanelAtScale(Pictures.HofSource, Pictures.HofWidth, Pictures.Scale, platform.KeptLooks());
  Menus.HofBox.SetVisible(false);
  Pictures.SaveHof = Pictures.HofPic;
  Pictures.EditorGhost = Place{-1, -1, -1};
  Pictures.RedrawBox = Pictures.NoBox;
  Menus.StatusText.SetCaption(" ");

  // Settings come first: they decide the screen mode, the window and the layout. "PreviousRes"
  // defaults to the screen width found before any switch to 800x600.
  IniFile ini;
  Window.FirstStart = !IsFile(Folders.IniPath());
  if (!ini.Load(Folders.IniPath(), error))
    platform.ShowError(Fill(VELMOR_TEXT("The settings could not be read: %1. The defaults apply."), error));
  VelmorSettings(*this).Read(ini);
  // The language first: the help texts are read in it.
  Languages.Apply();
  Languages.onChange = [this] {
    ReadHelpTexts();
    UpdateWindowTitle();
    // The side panel's words are drawn into its picture.
    if (Current.Play.Is(GameKind::TwoPlayers))
      RefreshTwoPlayerPanel();
    else
      ShowPanelHOF();
  };
  if (!ReadHelpTexts()) return false;

  if (Menus.Res800.Checked()) {
    Window.DisplayModeChanged = false;
    if (platform.ScreenWidth() != 800 || platform.ScreenHeight() != 600) {
      Window.DisplayModeChanged =
          platform.ChangeDisplayMode(800, 600, true) && platform.ChangeDisplayMode(800, 600, false);
    }
  }

  const int screen = platform.ScreenWidth();
  Pictures.BoardOriginX = screen >= RoomyScreenWidth ? BoardOriginLeft : SmallScreenOriginLeft;
  Pictures.BoardOriginY = screen >= RoomyScreenWidth ? BoardOriginTop : SmallScreenOriginTop;

  int left, top;
  if (screen == Window.PreviousRes) {
    left = Window.SavedLeft;
    top = Window.SavedTop;
  } else if (screen == 640) {
    Menus.ShowHallFame.SetChecked(false);
    Menus.Toolbar1.SetChecked(false);
    left = 0;
    top = 0;
  } else {
    left = (screen - WindowContentWidth()) / 2;
    top = (platform.ScreenHeight() - WindowContentHeight()) / 2;
  }
  Menus.LigneStatus.SetVisible(Menus.ShowTitle.Checked());
  Menus.Tools.SetVisible(Menus.Toolbar1.Checked());
  Menus.HofBox.SetVisible(Menus.ShowHallFame.Checked());
  if (screen == 640)
    platform.PlaceWindow(0, 0, 640, 480 - platform.StatusBarHeight());
  else
    platform.PlaceWindow(left, top, WindowContentWidth(), WindowContentHeight());

  if (!LoadFiles()) return false;

  platform.SetCursor(Menus.CoolMouse.Checked() ? 21 : 0);
  if (Menus.ShowHallFame.Checked()) ShowPanelHOF();

  Current.Board = BoardState{};
  ResetForNewGame(NewGameKind::Solitaire);
  ReachedRank = 0;
  Layout.LayoutName = VELMOR_TEXT("External Layout");

  StartingUp = true;
  const bool layoutRead = LoadStartLayout();
  StartingUp = false;
  if (!layoutRead) {
    platform.ShowError(VELMOR_TEXT("Velmor cannot start without a readable layout."));
    return false;
  }

  Menus.SetMusic.SetEnabled(Menus.PlayMusic.Checked());

  Looks.ActiveTilesetBackground();
  ColorHighlight();
  return true;
}

bool TVelmor::ReadHelpTexts() {
  for (auto [english, html] :
       {std::pair{"velmor.rtf", &Help.HelpHtml}, std::pair{"whatsnew.rtf", &Help.WhatsNewHtml}}) {
    const std::string local = LanguageChoice::LocalFile(
        english, Languages.Spoken(), [this](const std::string& f) { return IsFile(Folders.AppFolder + f); });
    // A translated text that cannot be read gives way to the English one.
    std::string text, error;
    RtfDocument doc;
    bool read = false;
    for (const std::string& file : {local, std::string(english)}) {
      text.clear();
      doc = RtfDocument();
      if ((read = ReadWholeFile(Folders.AppFolder + file, text, error) && ReadRtf(text, doc, error))) break;
    }
    if (!read) {
      platform.ShowError(
          Fill(VELMOR_TEXT("The help text \"%1\" could not be read: %2. Velmor cannot start without it."),
               Folders.AppFolder + english, error));
      return false;
    }
    *html = RtfToHtml(doc);
  }
  return true;
}

bool TVelmor::LoadFiles() {
  if (!Tunes.BuildTuneList(Folders.AppFolder + "Musics/")) return false;
  if (!BuildLayoutList()) return false;
  Hall.Load();
  FillLayoutChooser();
  Records.Load();
  if (!IsFile(Looks.LastLoadedTileset)) Looks.LastLoadedTileset.clear();
  if (!IsFile(Looks.LastLoadedBackground)) Looks.LastLoadedBackground.clear();
  return true;
}

void TVelmor::FormShow() {
  if (!Current.Play.Idle()) return;
  // The current tune starts with the first heartbeat after the window shows, and the effects'
  // device opens then too (not on the first click): opening either would only delay the first
  // picture.
  Tunes.FirstPending = true;
  Current.Play.Stop();
  UpdateCommands();
  Keeper.Active = Records.Active = true;
  // A game asked for on the command line wins; the unfinished one counts as New Game counts it.
  if (Asked.Any()) return PlayAsked(*this, Asked);
  if (Menus.ResumeLastGame.Checked() && Keeper.Resume()) return;
  if (Menus.StartDirectly.Checked()) NewGame();
}

void TVelmor::FormCloseQuery() {
  IniFile ini;
  std::string error;
  // A file we cannot read is not overwritten: the player's other sections live there too.
  if (ini.Load(Folders.IniPath(), Writer, error)) {
    VelmorSettings(*this).Write(ini);
    Writer.Put(ini.Path(), ini.Text(), [this](const std::string& why) {
      platform.ShowError(Fill(VELMOR_TEXT("The settings were not saved: %1."), why));
    });
  } else {
    platform.ShowError(Fill(VELMOR_TEXT("The settings were not saved: %1."), error));
  }
  Hall.Save();
  Keeper.Keep();
  // Everything is on disk before the window goes, and what could not be written is told.
  Writer.Flush();
  Writer.DeliverFailures();
  if (Window.DisplayModeChanged && platform.ChangeDisplayMode(0, 0, true)) platform.RestoreDisplayMode();
}

void TVelmor::Toolbar1Click() {
  Menus.Toolbar1.Toggle();
  (Current.Play.Editing() ? Menus.EditorPanel : Menus.Tools).SetVisible(Menus.Toolbar1.Checked());
  GrowWindow((Menus.Toolbar1.Checked() ? 1 : -1) * platform.ToolbarHeight());
  FullRedraw();
}

void TVelmor::ShowTitleClick() {
  Menus.ShowTitle.Toggle();
  Menus.LigneStatus.SetVisible(Menus.ShowTitle.Checked());
  GrowWindow((Menus.ShowTitle.Checked() ? 1 : -1) * platform.StatusBarHeight());
}

void TVelmor::GrowWindow(int extraHeight) {
  int left, top, width, height;
  platform.WindowPlacement(left, top, width, height);
  platform.PlaceWindow(left, top, width, height + extraHeight);
}

void TVelmor::CoolMouseClick() {
  Menus.CoolMouse.Toggle();
  platform.SetCursor(Menus.CoolMouse.Checked() ? 21 : 0);
}

}  // namespace velmor
