#include "shell/GameMenus.h"

namespace velmor {

GameMenus::GameMenus() {
  for (MenuItem* item : {&RandomSolitaireGame1, &NewRandomSpecificGame1, &NewSpecificGame1, &TwoPlayerGame1})
    File1.Add(*item);
  File1.AddSeparator();
  File1.Add(RiversEasy1);
  File1.Add(RiversHard1);
  File1.AddSeparator();
  File1.Add(SaveGame1);
  File1.Add(LoadGame1);
  File1.AddSeparator();
  File1.Add(Exit1);

  for (MenuItem* item : {&Undo1, &Redo1, &Restart1, &Stoppe, &Shuffle1, &GiveHint, &Pause1}) Play1.Add(*item);
  Play1.AddSeparator();
  Play1.Add(CanIStillWin1);
  Play1.Add(Demo1);
  Play1.AddSeparator();
  Play1.Add(Vertical.SetCheckable());

  // The entries of the layout files follow the second separator.
  Layout1.Add(ChooseLayout1);
  Layout1.Add(ImportLayout1);
  Layout1.AddSeparator();
  Layout1.Add(CreateLayout1);
  Layout1.Add(Editlayout1);
  Layout1.AddSeparator();

  for (MenuItem* item : {&Toolbar1, &ShowTitle, &ShowHallFame, &FullScreen}) View1.Add(item->SetCheckable());
  View1.AddSeparator();
  for (MenuItem* item : {&Moves, &ShowTime, &ShowCurrentTile, &OnlyPossibleMoves}) View1.Add(item->SetCheckable());
  View1.AddSeparator();
  View1.Add(Shadows.SetCheckable());
  View1.Add(Invert.SetCheckable());
  View1.AddSeparator();
  for (MenuItem* item : {&CoolToolbar, &FlatButtons, &CoolMenu1, &CoolMouse, &CoolStatus})
    View1.Add(item->SetCheckable());

  // Options that take effect at the next deal, shuffle or start.
  for (MenuItem* item : {&Winnable, &Shuffable, &Animate, &AnimateTileRivers}) Configuration1.Add(item->SetCheckable());
  Configuration1.AddSeparator();
  Configuration1.Add(EnableHall.SetCheckable());
  Configuration1.Add(WatchWinnability.SetCheckable());
  Configuration1.AddSeparator();
  for (MenuItem* item : {&PlayMusic, &PlaySounds, &StartMusic}) Configuration1.Add(item->SetCheckable());
  Configuration1.Add(MusicVolume);
  Configuration1.Add(EffectsVolume);
  Configuration1.AddSeparator();
  Configuration1.Add(StartDirectly.SetCheckable());
  Configuration1.Add(ResumeLastGame.SetCheckable());
  Configuration1.Add(Res800.SetCheckable());
  Configuration1.AddSeparator();
  Configuration1.Add(Changeplayername);
  Configuration1.Add(RandomSeed1.SetCheckable());
  Configuration1.AddSeparator();
  Configuration1.Add(Language1);  // its entries come with the language choice

  // Highlight, tileset and background: one choice each.
  for (MenuItem* item : {&Highlight1, &Highlight2, &Highlight3, &Highlight4, &Highlight5})
    HighlightMenu.Add(item->SetRadioGroup(1));
  Tileset1.Add(Load1.SetRadioGroup(2));
  Tileset1.AddSeparator();
  for (MenuItem* item : {&MahJongg1, &MahJongg2, &MahJongg3, &Lowcolor1, &HighContrast1})
    Tileset1.Add(item->SetRadioGroup(2));
  Background1.Add(LoadBackground.SetRadioGroup(3));
  Background1.AddSeparator();
  for (MenuItem* item : {&None1, &Dragons1, &Andromeda, &Kanji1, &Catpats}) Background1.Add(item->SetRadioGroup(3));

  // "Random Music", a separator, then one entry per tune.
  Music.Add(RandomMusic.SetCheckable());
  Music.AddSeparator();

  for (MenuItem* item : {&Contents1, &WhatsNew1, &French1, &ViewTiles1}) Help1.Add(*item);
  Help1.AddSeparator();
  Help1.Add(Halloffame1);
  Help1.Add(Statistics1);
  Help1.AddSeparator();
  Help1.Add(About1);

  for (MenuItem* menu :
       {&File1, &Play1, &Layout1, &View1, &Configuration1, &HighlightMenu, &Tileset1, &Background1, &Music, &Help1})
    VO.Add(*menu);

  // The toolbar and the New button's pop-up.
  ExplorerButton1.SetHint(VELMOR_TEXT("New game"));
  ExplorerButton2.SetHint(VELMOR_TEXT("Undo move"));
  RedoButton.SetHint(VELMOR_TEXT("Redo move"));
  ExplorerButton3.SetHint(VELMOR_TEXT("Show possible moves"));
  ShuffleButton.SetHint(VELMOR_TEXT("Shuffle tiles"));
  PauseButton.SetHint(VELMOR_TEXT("Pause game"));
  SetMusic.SetHint(VELMOR_TEXT("Pause music"));
  HelpButton.SetHint(VELMOR_TEXT("Help"));
  AboutButton.SetHint(VELMOR_TEXT("About Velmor"));
  HallFameButton.SetHint(VELMOR_TEXT("Hall of Fame"));
  ExitButton.SetHint(VELMOR_TEXT("Quit Velmor"));
  for (MenuItem* button :
       {&ExplorerButton1, &ExplorerButton2, &RedoButton, &ExplorerButton3, &ShuffleButton, &PauseButton, &SetMusic,
        &HelpButton, &AboutButton, &HallFameButton, &ExitButton, &WinnableMark})
    Tools.Add(*button);
  WinnableMark.SetVisible(false);
  for (MenuItem* item : {&Solitaire1player1, &Solitaire2player1, &MJRiversEasy1, &MJRiversHard1}) NewPopup.Add(*item);

  for (MenuItem* panel : {&TilesLeftPanel, &TilesLeftLine, &MovesLeftPanel, &MovesLeftLine, &TimePanel, &TimeLine,
                          &StatusPanel, &StatusText})
    LigneStatus.Add(*panel);

  // The layout editor: its own menu bar and panel, hidden until it starts.
  for (MenuItem* item : {&Save1, &SaveAs1, &TryIt1}) EditorExit.Add(*item);
  EditorExit.AddSeparator();
  EditorExit.Add(Cancel2);
  for (MenuItem* item : {&Movetoleft1, &Movetoright1, &Movetotop1, &Movetobottom1}) MoveBoard1.Add(*item);
  EditorMenu.Add(EditorExit);
  EditorMenu.Add(MoveBoard1);
  EditorMenu.SetVisible(false);
  EditorPanel.Add(Label40);
  EditorPanel.Add(Edit1);
  EditorPanel.SetVisible(false);
}

namespace {
MenuItem* Find(MenuItem& root, const std::string& name) {
  if (root.Name() == name) return &root;
  for (MenuItem* child : root.Items())
    if (MenuItem* found = Find(*child, name)) return found;
  return nullptr;
}
}  // namespace

MenuItem* GameMenus::FindItem(const std::string& name) {
  for (MenuItem* root : {&VO, &Tools, &NewPopup, &LigneStatus, &HofBox, &EditorMenu, &EditorPanel})
    if (MenuItem* found = Find(*root, name)) return found;
  return nullptr;
}

}  // namespace velmor
