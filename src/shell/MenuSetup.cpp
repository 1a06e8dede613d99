// What the menu items, the toolbar buttons and the status panels do when clicked.
#include "shell/Settings.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
void Toggler(MenuItem& item) {
  item.OnClick([](MenuItem& i) { i.Toggle(); });
}
}  // namespace

void TVelmor::BuildMenus() {
  // New games.
  RandomSolitaireGame1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  Solitaire1player1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  NewRandomSpecificGame1.OnClick([this](MenuItem&) { NewRandomSpecificGame1Click(); });
  NewSpecificGame1.OnClick([this](MenuItem&) { NewSpecificGame1Click(); });
  TwoPlayerGame1.OnClick([this](MenuItem&) { TwoPlayers(); });
  Solitaire2player1.OnClick([this](MenuItem&) { TwoPlayers(); });
  for (MenuItem* rivers : {&RiversEasy1, &RiversHard1, &MJRiversEasy1, &MJRiversHard1})
    rivers->OnClick([this](MenuItem& item) { FourRivers(item.Caption().find("Easy") == std::string::npos); });
  SaveGame1.OnClick([this](MenuItem&) { Keeper.SaveAs(); });
  LoadGame1.OnClick([this](MenuItem&) { Keeper.Load(); });
  Exit1.OnClick([this](MenuItem&) { platform.CloseMainWindow(); });

  // Play.
  GiveHint.OnClick([this](MenuItem&) { Hint(); });
  Pause1.OnClick([this](MenuItem&) { PauseClick(); });
  Stoppe.OnClick([this](MenuItem&) { Stop(); });
  Undo1.OnClick([this](MenuItem&) { Back(); });
  Redo1.OnClick([this](MenuItem&) { Redo(); });
  Restart1.OnClick([this](MenuItem&) { Restart(); });
  CanIStillWin1.OnClick([this](MenuItem&) { Solver.CanIStillWin(); });
  Demo1.OnClick([this](MenuItem&) { Solver.StartDemo(); });
  WatchWinnability.OnClick([this](MenuItem& item) {
    item.Toggle();
    Solver.PositionChanged();
  });
  WinnableMark.OnClick([this](MenuItem&) { Solver.CanIStillWin(); });
  Shuffle1.OnClick([this](MenuItem&) { Shuffle1Click(); });
  Vertical.OnClick([this](MenuItem&) { VerticalClick(); });

  // View.
  Toolbar1.OnClick([this](MenuItem&) { Toolbar1Click(); });
  ShowTitle.OnClick([this](MenuItem&) { ShowTitleClick(); });
  ShowHallFame.OnClick([this](MenuItem&) { ShowHallPanel(); });
  FullScreen.OnClick([this](MenuItem& item) {
    item.Toggle();
    platform.SetFullScreen(item.Checked());
  });
  Moves.OnClick([this](MenuItem&) { NStatus(); });
  ShowTime.OnClick([this](MenuItem&) { ShowTimeClick(); });
  ShowCurrentTile.OnClick([this](MenuItem&) { ShowCurrentTileClick(); });
  Toggler(OnlyPossibleMoves);
  Toggler(Invert);
  Shadows.OnClick([this](MenuItem&) { ShadowsClick(); });
  Toggler(CoolToolbar);
  Toggler(FlatButtons);
  Toggler(CoolMenu1);  // plain menus here: the option keeps its mark
  CoolMouse.OnClick([this](MenuItem&) { CoolMouseClick(); });
  Toggler(CoolStatus);

  // Configuration: options that take effect at the next deal, shuffle or start.
  for (MenuItem* item : {&Winnable, &Shuffable, &Animate, &StartDirectly, &Res800, &StartMusic, &AnimateTileRivers,
                         &EnableHall, &ResumeLastGame})
    Toggler(*item);
  PlaySounds.OnClick([this](MenuItem& item) {
    item.Toggle();
    if (item.Checked()) platform.PrepareSound();
  });
  PlayMusic.OnClick([this](MenuItem&) { Tunes.PlayMusicClick(); });
  RandomMusic.OnClick([this](MenuItem&) { Tunes.RandomMusicClick(); });

  // Highlight, tileset and background: one choice each.
  Highlight1.OnClick([this](MenuItem&) { Highlight1Click(); });
  for (MenuItem* rect : {&Highlight2, &Highlight4, &Highlight5})
    rect->OnClick([this](MenuItem& item) { Highlight2Click(item); });
  Highlight3.OnClick([this](MenuItem&) { Highlight3Click(); });
  Load1.OnClick([this](MenuItem&) { Load1Click(); });
  for (MenuItem* item : {&MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1, &HighContrast1})
    item->OnClick([this](MenuItem& i) { BuiltInTilesetClick(i); });
  LoadBackground.OnClick([this](MenuItem&) { LoadBackgroundClick(); });
  None1.OnClick([this](MenuItem&) { None1Click(); });
  for (MenuItem* item : {&Dragons1, &Andromeda, &Kanji1, &Catpats})
    item->OnClick([this](MenuItem& i) { BuiltInBackgroundClick(i); });

  // The toolbar and the status line.
  ExplorerButton1.OnClick([this](MenuItem&) { NewGame(); });
  ExplorerButton2.OnClick([this](MenuItem&) { Back(); });
  RedoButton.OnClick([this](MenuItem&) { Redo(); });
  ExplorerButton3.OnClick([this](MenuItem&) { Hint(); });
  ShuffleButton.OnClick([this](MenuItem&) { Shuffle1Click(); });
  PauseButton.OnClick([this](MenuItem&) { PauseClick(); });
  SetMusic.OnClick([this](MenuItem&) { Tunes.SetMusicClick(); });
  ExitButton.OnClick([this](MenuItem&) { platform.CloseMainWindow(); });
  MovesLeftPanel.OnClick([this](MenuItem&) { NStatus(); });
  TimePanel.OnClick([this](MenuItem&) { ShowTimeClick(); });

  // Help, the tiles, the options and the Hall of Fame: all in the help window.
  auto help = [this](MenuItem& item, HelpPage page) { item.OnClick([this, page](MenuItem&) { CallHelp(page); }); };
  help(Contents1, HelpPage::Help);
  help(HelpButton, HelpPage::Help);
  help(WhatsNew1, HelpPage::Whatsnew);
  help(French1, HelpPage::Francais);
  help(ViewTiles1, HelpPage::SeeTiles);
  help(About1, HelpPage::Hello);
  help(AboutButton, HelpPage::Hello);
  help(Changeplayername, HelpPage::GoOptions);
  help(RandomSeed1, HelpPage::GoOptions);
  help(Halloffame1, HelpPage::GoHall);
  help(Statistics1, HelpPage::GoStatistics);
  help(HallFameButton, HelpPage::GoHall);

  // Layouts by their pictures, and from other games.
  ChooseLayout1.OnClick([this](MenuItem&) { Choice.Choose(); });
  ImportLayout1.OnClick([this](MenuItem&) { Choice.Import(); });

  // The layout editor.
  CreateLayout1.OnClick([this](MenuItem&) { EnterEditor(true); });
  Editlayout1.OnClick([this](MenuItem&) { EnterEditor(false); });
  for (MenuItem* item : {&Save1, &SaveAs1, &TryIt1}) item->OnClick([this](MenuItem& i) { SaveandexitClick(i); });
  Cancel2.OnClick([this](MenuItem&) { Cancel2Click(); });
  Movetoleft1.OnClick([this](MenuItem&) { MoveBoard(-1, 0); });
  Movetoright1.OnClick([this](MenuItem&) { MoveBoard(1, 0); });
  Movetotop1.OnClick([this](MenuItem&) { MoveBoard(0, -1); });
  Movetobottom1.OnClick([this](MenuItem&) { MoveBoard(0, 1); });

  // The defaults of a first start, before any settings are read.
  VelmorSettings(*this).ApplyDefaults();
}

}  // namespace velmor
