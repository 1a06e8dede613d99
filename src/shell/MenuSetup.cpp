// The menu bar, the toolbar, the New button's pop-up and the status line, with their handlers.
#include "shell/Settings.h"
#include "shell/TVelmor.h"

namespace velmor {

namespace {
void Toggler(MenuItem& item) {
  item.SetCheckable().OnClick([](MenuItem& i) { i.Toggle(); });
}
}  // namespace

void TVelmor::BuildMenus() {
  // New games.
  RandomSolitaireGame1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  Solitaire1player1.OnClick([this](MenuItem&) { RandomSolitaireGame1Click(); });
  NewRandomSpecificGame1.OnClick([this](MenuItem&) { NewRandomSpecificGame1Click(); });
  NewSpecificGame1.OnClick([this](MenuItem&) { NewSpecificGame1Click(); });
  Exit1.OnClick([this](MenuItem&) { Exit1Click(); });
  for (MenuItem* item : {&RandomSolitaireGame1, &NewRandomSpecificGame1, &NewSpecificGame1, &TwoPlayerGame1})
    File1.Add(*item);
  File1.AddSeparator();
  File1.Add(RiversEasy1);
  File1.Add(RiversHard1);
  File1.AddSeparator();
  File1.Add(Exit1);

  // Play.
  GiveHint.OnClick([this](MenuItem&) { Hint(); });
  Pause1.OnClick([this](MenuItem&) { PauseClick(); });
  Stoppe.OnClick([this](MenuItem&) { Stop(); });
  Undo1.OnClick([this](MenuItem&) { Back(); });
  Restart1.OnClick([this](MenuItem&) { Restart(); });
  Shuffle1.OnClick([this](MenuItem&) { Shuffle1Click(); });
  Vertical.SetCheckable().OnClick([this](MenuItem&) { VerticalClick(); });
  for (MenuItem* item : {&Undo1, &Restart1, &Stoppe, &Shuffle1, &GiveHint, &Pause1}) Play1.Add(*item);
  Play1.AddSeparator();
  Play1.Add(Vertical);

  // Layouts: the entries of the layout files follow the separator.
  Layout1.Add(CreateLayout1);
  Layout1.Add(Editlayout1);
  Layout1.AddSeparator();

  // View.
  Toolbar1.SetCheckable().OnClick([this](MenuItem&) { Toolbar1Click(); });
  ShowTitle.SetCheckable().OnClick([this](MenuItem&) { ShowTitleClick(); });
  ShowHallFame.SetCheckable();  // its handler comes with the Hall of Fame panel
  Moves.SetCheckable().OnClick([this](MenuItem&) { NStatus(); });
  ShowTime.SetCheckable().OnClick([this](MenuItem&) { ShowTimeClick(); });
  ShowCurrentTile.SetCheckable().OnClick([this](MenuItem&) { ShowCurrentTileClick(); });
  OnlyPossibleMoves.SetCheckable().OnClick([this](MenuItem&) { OnlyPossibleMovesClick(); });
  Invert.SetCheckable().OnClick([this](MenuItem&) { InvertClick(); });
  Shadows.SetCheckable().OnClick([this](MenuItem&) { ShadowsClick(); });
  CoolToolbar.SetCheckable().OnClick([this](MenuItem&) { CoolToolbarClick(); });
  FlatButtons.SetCheckable().OnClick([this](MenuItem&) { FlatButtonsClick(); });
  Toggler(CoolMenu1);  // plain menus here: the option keeps its mark
  CoolMouse.SetCheckable().OnClick([this](MenuItem&) { CoolMouseClick(); });
  Toggler(CoolStatus);
  for (MenuItem* item : {&Toolbar1, &ShowTitle, &ShowHallFame}) View1.Add(*item);
  View1.AddSeparator();
  for (MenuItem* item : {&Moves, &ShowTime, &ShowCurrentTile, &OnlyPossibleMoves}) View1.Add(*item);
  View1.AddSeparator();
  View1.Add(Shadows);
  View1.Add(Invert);
  View1.AddSeparator();
  for (MenuItem* item : {&CoolToolbar, &FlatButtons, &CoolMenu1, &CoolMouse, &CoolStatus}) View1.Add(*item);

  // Configuration: options that take effect at the next deal, shuffle or start.
  for (MenuItem* item : {&Winnable, &Shuffable, &Animate, &AnimateTileRivers, &EnableHall, &StartDirectly, &Res800})
    Toggler(*item);
  for (MenuItem* item : {&PlaySounds, &StartMusic}) Toggler(*item);
  PlayMusic.SetCheckable().OnClick([this](MenuItem&) { PlayMusicClick(); });
  RandomMusic.SetCheckable().OnClick([this](MenuItem&) { RandomMusicClick(); });
  RandomSeed1.SetCheckable();  // its click opens the options page of the help window
  for (MenuItem* item : {&Winnable, &Shuffable, &Animate, &AnimateTileRivers}) Configuration1.Add(*item);
  Configuration1.AddSeparator();
  Configuration1.Add(EnableHall);
  Configuration1.AddSeparator();
  for (MenuItem* item : {&PlayMusic, &PlaySounds, &StartMusic}) Configuration1.Add(*item);
  Configuration1.AddSeparator();
  Configuration1.Add(StartDirectly);
  Configuration1.Add(Res800);
  Configuration1.AddSeparator();
  Configuration1.Add(Changeplayername);
  Configuration1.Add(RandomSeed1);

  // Highlight, tileset and background: one choice each.
  Highlight1.SetRadioGroup(1).OnClick([this](MenuItem&) { Highlight1Click(); });
  for (MenuItem* rect : {&Highlight2, &Highlight4, &Highlight5})
    rect->SetRadioGroup(1).OnClick([this](MenuItem& item) { Highlight2Click(item); });
  Highlight3.SetRadioGroup(1).OnClick([this](MenuItem&) { Highlight3Click(); });
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5}) HighlightMenu.Add(*item);

  Tileset1.Add(Load1.SetRadioGroup(2).OnClick([this](MenuItem&) { Load1Click(); }));
  Tileset1.AddSeparator();
  for (MenuItem* item : {&MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1})
    Tileset1.Add(item->SetRadioGroup(2).OnClick([this](MenuItem& i) { BuiltInTilesetClick(i); }));
  Background1.Add(LoadBackground.SetRadioGroup(3).OnClick([this](MenuItem&) { LoadBackgroundClick(); }));
  Background1.AddSeparator();
  Background1.Add(None1.SetRadioGroup(3).OnClick([this](MenuItem&) { None1Click(); }));
  for (MenuItem* item : {&Dragons1, &Andromeda, &Kanji1, &Catpats})
    Background1.Add(item->SetRadioGroup(3).OnClick([this](MenuItem& i) { BuiltInBackgroundClick(i); }));

  // Music: "Random Music", a separator, then one entry per tune.
  Music.Add(RandomMusic);
  Music.AddSeparator();

  for (MenuItem* item : {&Contents1, &WhatsNew1, &French1, &ViewTiles1}) Help1.Add(*item);
  Help1.AddSeparator();
  Help1.Add(Halloffame1);
  Help1.AddSeparator();
  Help1.Add(About1);

  for (MenuItem* menu : {&File1, &Play1, &Layout1, &View1, &Configuration1, &HighlightMenu, &Tileset1,
                         &Background1, &Music, &Help1})
    VO.Add(*menu);

  // Toolbar and the New button's pop-up.
  ExplorerButton1.SetHint("New game").OnClick([this](MenuItem&) { NewGame(); });
  ExplorerButton2.SetHint("Undo move").OnClick([this](MenuItem&) { Back(); });
  ExplorerButton3.SetHint("Show possible moves").OnClick([this](MenuItem&) { Hint(); });
  ShuffleButton.SetHint("Shuffle tiles").OnClick([this](MenuItem&) { Shuffle1Click(); });
  PauseButton.SetHint("Pause game").OnClick([this](MenuItem&) { PauseClick(); });
  SetMusic.SetHint("Pause music").OnClick([this](MenuItem&) { SetMusicClick(); });
  HelpButton.SetHint("Help");
  AboutButton.SetHint("About Velmor");
  HallFameButton.SetHint("Hall of Fame");
  ExitButton.SetHint("Quit Velmor").OnClick([this](MenuItem&) { Exit1Click(); });
  for (MenuItem* button : {&ExplorerButton1, &ExplorerButton2, &ExplorerButton3, &ShuffleButton, &PauseButton,
                           &SetMusic, &HelpButton, &AboutButton, &HallFameButton, &ExitButton})
    Tools.Add(*button);
  for (MenuItem* item : {&Solitaire1player1, &Solitaire2player1, &MJRiversEasy1, &MJRiversHard1}) NewPopup.Add(*item);

  // Status line.
  for (MenuItem* panel : {&TilesLeftPanel, &TilesLeftLine, &MovesLeftPanel, &MovesLeftLine, &TimePanel,
                          &TimeLine, &StatusPanel, &StatusText})
    LigneStatus.Add(*panel);
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
  help(HallFameButton, HelpPage::GoHall);
  ShowHallFame.OnClick([this](MenuItem&) { ShowHallPanel(); });
  EnableHall.OnClick([this](MenuItem&) { EnableHallClick(); });
  TwoPlayerGame1.OnClick([this](MenuItem&) { TwoPlayers(); });
  for (MenuItem* rivers : {&RiversEasy1, &RiversHard1, &MJRiversEasy1, &MJRiversHard1})
    rivers->OnClick([this](MenuItem& item) { FourRiversClick(item); });
  AnimateTileRivers.OnClick([this](MenuItem&) { AnimateTileRiversClick(); });
  Solitaire2player1.OnClick([this](MenuItem&) { TwoPlayers(); });

  // The layout editor: its own menu bar and panel.
  CreateLayout1.OnClick([this](MenuItem&) { CreateLayout1Click(); });
  Editlayout1.OnClick([this](MenuItem&) { Editlayout1Click(); });
  for (MenuItem* item : {&Save1, &SaveAs1, &TryIt1})
    EditorExit.Add(item->OnClick([this](MenuItem& i) { SaveandexitClick(i); }));
  EditorExit.AddSeparator();
  EditorExit.Add(Cancel2.OnClick([this](MenuItem&) { Cancel2Click(); }));
  MoveBoard1.Add(Movetoleft1.OnClick([this](MenuItem&) { MoveBoard(-1, 0); }));
  MoveBoard1.Add(Movetoright1.OnClick([this](MenuItem&) { MoveBoard(1, 0); }));
  MoveBoard1.Add(Movetotop1.OnClick([this](MenuItem&) { MoveBoard(0, -1); }));
  MoveBoard1.Add(Movetobottom1.OnClick([this](MenuItem&) { MoveBoard(0, 1); }));
  EditorMenu.Add(EditorExit);
  EditorMenu.Add(MoveBoard1);
  EditorMenu.SetVisible(false);
  EditorPanel.Add(Label40);
  EditorPanel.Add(Edit1);
  EditorPanel.SetVisible(false);

  // The defaults of a first start, before any settings are read.
  VelmorSettings(*this).ApplyDefaults();
}

}  // namespace velmor
