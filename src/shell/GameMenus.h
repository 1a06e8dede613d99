// The menus, the toolbar, the status line and the editor panel as the window shows them: every
// item's caption, shortcut and check mark (the check mark is the option), in the menus' order.
// Each item is declared by its row of the command table (Commands.h), which says where it sits and
// what it does; the members here are the items other code reaches by name. The window builds its
// widgets from this model.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/MenuItem.h"

namespace velmor {

struct Command;

struct GameMenus {
  GameMenus();
  GameMenus(const GameMenus&) = delete;
  GameMenus& operator=(const GameMenus&) = delete;

  // Every named item, for the window layer and for tests.
  MenuItem* FindItem(const std::string& name);
  // The item a row of Commands() declares.
  MenuItem& Of(const Command& row);

  // ---- The status line: four captions and four values, and its options -----------------------------
  MenuItem LigneStatus{"LigneStatus"};
  MenuItem TilesLeftPanel{"TilesLeftPanel"};
  MenuItem TilesLeftLine{"TilesLeftLine"};
  MenuItem MovesLeftPanel{"MovesLeftPanel"};
  MenuItem MovesLeftLine{"MovesLeftLine"};
  MenuItem TimePanel{"TimePanel"};
  MenuItem TimeLine{"TimeLine"};
  MenuItem StatusPanel{"StatusPanel"};
  MenuItem StatusText{"StatusText"};
  MenuItem ShowTime{"ShowTime"};
  MenuItem Moves{"Moves"};
  MenuItem CoolStatus{"CoolStatus"};

  // ---- Music and sound -----------------------------------------------------------------------------
  MenuItem Music{"Music"};
  MenuItem RandomMusic{"RandomMusic"};
  MenuItem PlayMusic{"PlayMusic"};
  MenuItem PlaySounds{"PlaySounds"};
  MenuItem StartMusic{"StartMusic"};
  MenuItem SetMusic{"SetMusic"};
  MenuItem MusicVolume{"MusicVolume"};  // its steps come with SoundLevels
  MenuItem EffectsVolume{"EffectsVolume"};

  // ---- New games, play and layouts -----------------------------------------------------------------
  MenuItem RandomSolitaireGame1{"RandomSolitaireGame1"};
  MenuItem NewRandomSpecificGame1{"NewRandomSpecificGame1"};
  MenuItem NewSpecificGame1{"NewSpecificGame1"};
  MenuItem Solitaire1player1{"Solitaire1player1"};
  MenuItem ExplorerButton1{"ExplorerButton1"};
  MenuItem Winnable{"Winnable"};
  MenuItem Shuffable{"Shuffable"};
  MenuItem Animate{"Animate"};
  MenuItem RandomSeed1{"RandomSeed1"};
  MenuItem Language1{"Language1"};
  MenuItem Vertical{"Vertical"};
  MenuItem GiveHint{"GiveHint"};
  MenuItem ExplorerButton3{"ExplorerButton3"};
  MenuItem Pause1{"Pause1"};
  MenuItem PauseButton{"PauseButton"};
  MenuItem Layout1{"Layout1"};
  MenuItem ChooseLayout1{"ChooseLayout1"};
  MenuItem ImportLayout1{"ImportLayout1"};
  MenuItem CreateLayout1{"CreateLayout1"};
  MenuItem Editlayout1{"Editlayout1"};

  // ---- The menu bar, the toolbar and the view options ----------------------------------------------
  MenuItem VO{"VO"};  // the main menu bar
  MenuItem File1{"File1"};
  MenuItem Play1{"Play1"};
  MenuItem View1{"View1"};
  MenuItem Configuration1{"Configuration1"};
  MenuItem HighlightMenu{"HighlightMenu"};
  MenuItem Help1{"Help1"};
  MenuItem Tools{"Tools"};  // the toolbar
  MenuItem NewPopup{"NewPopup"};
  MenuItem TwoPlayerGame1{"TwoPlayerGame1"};
  MenuItem RiversEasy1{"RiversEasy1"};
  MenuItem RiversHard1{"RiversHard1"};
  MenuItem Solitaire2player1{"Solitaire2player1"};
  MenuItem MJRiversEasy1{"MJRiversEasy1"};
  MenuItem MJRiversHard1{"MJRiversHard1"};
  MenuItem SaveGame1{"SaveGame1"};
  MenuItem LoadGame1{"LoadGame1"};
  MenuItem Exit1{"Exit1"};
  MenuItem Undo1{"Undo1"};
  MenuItem Redo1{"Redo1"};  // '|' between keys that do the same
  MenuItem Restart1{"Restart1"};
  MenuItem CanIStillWin1{"CanIStillWin1"};
  MenuItem Demo1{"Demo1"};
  MenuItem WatchWinnability{"WatchWinnability"};
  MenuItem WinnableMark{"WinnableMark"};  // on the toolbar while the watch is on
  MenuItem Stoppe{"Stoppe"};
  MenuItem Shuffle1{"Shuffle1"};
  MenuItem Toolbar1{"Toolbar1"};
  MenuItem ShowTitle{"ShowTitle"};
  MenuItem ShowHallFame{"ShowHallFame"};
  MenuItem FullScreen{"FullScreen"};
  MenuItem CoolToolbar{"CoolToolbar"};
  MenuItem FlatButtons{"FlatButtons"};
  MenuItem CoolMenu1{"CoolMenu1"};
  MenuItem CoolMouse{"CoolMouse"};
  MenuItem ShowCurrentTile{"ShowCurrentTile"};
  MenuItem OnlyPossibleMoves{"OnlyPossibleMoves"};
  MenuItem Res800{"Res800"};
  MenuItem StartDirectly{"StartDirectly"};
  MenuItem ResumeLastGame{"ResumeLastGame"};
  MenuItem EnableHall{"EnableHall"};
  MenuItem AnimateTileRivers{"AnimateTileRivers"};
  MenuItem Contents1{"Contents1"};
  MenuItem WhatsNew1{"WhatsNew1"};
  MenuItem French1{"French1"};
  MenuItem ViewTiles1{"ViewTiles1"};
  MenuItem Changeplayername{"Changeplayername"};
  MenuItem Halloffame1{"Halloffame1"};
  MenuItem Statistics1{"Statistics1"};
  MenuItem About1{"About1"};  // F11 is the desktop's key for full screen
  MenuItem ExplorerButton2{"ExplorerButton2"};
  MenuItem RedoButton{"RedoButton"};
  MenuItem ShuffleButton{"ShuffleButton"};
  MenuItem HelpButton{"HelpButton"};
  MenuItem AboutButton{"AboutButton"};
  MenuItem HallFameButton{"HallFameButton"};
  MenuItem ExitButton{"ExitButton"};
  MenuItem HofBox{"HofBox"};  // the Hall of Fame side panel (its visibility)

  // ---- Highlight and drawing options ---------------------------------------------------------------
  MenuItem Highlight1{"Highlight1"};
  MenuItem Highlight2{"Highlight2"};
  MenuItem Highlight3{"Highlight3"};
  MenuItem Highlight4{"Highlight4"};
  MenuItem Highlight5{"Highlight5"};
  MenuItem Invert{"Invert"};
  MenuItem Shadows{"Shadows"};

  // ---- Tilesets and backgrounds --------------------------------------------------------------------
  MenuItem Tileset1{"Tileset1"};
  MenuItem Load1{"Load1"};
  MenuItem MahJongg1{"MahJongg1"};
  MenuItem MahJongg2{"MahJongg2"};
  MenuItem MahJongg3{"MahJongg3"};
  MenuItem Lowcolor1{"Lowcolor1"};
  MenuItem HighContrast1{"HighContrast1"};
  MenuItem Background1{"Background1"};
  MenuItem LoadBackground{"LoadBackground"};
  MenuItem None1{"None1"};
  MenuItem Dragons1{"Dragons1"};
  MenuItem Andromeda{"Andromeda"};
  MenuItem Kanji1{"Kanji1"};
  MenuItem Catpats{"Catpats"};

  // ---- The layout editor: its menu bar and panel ---------------------------------------------------
  MenuItem EditorMenu{"EditorMenu"};  // shown in the menu bar instead of VO while editing
  MenuItem EditorExit{"EditorExit"};
  MenuItem Save1{"Save1"};
  MenuItem SaveAs1{"SaveAs1"};
  MenuItem TryIt1{"TryIt1"};
  MenuItem Cancel2{"Cancel2"};
  MenuItem MoveBoard1{"MoveBoard1"};
  MenuItem Movetoleft1{"Movetoleft1"};
  MenuItem Movetoright1{"Movetoright1"};
  MenuItem Movetotop1{"Movetotop1"};
  MenuItem Movetobottom1{"Movetobottom1"};
  MenuItem EditorPanel{"EditorPanel"};  // shown in place of the toolbar while editing
  MenuItem Label40{"Label40"};
  MenuItem Edit1{"Edit1"};  // the layout's name, as typed

 private:
  std::vector<std::unique_ptr<MenuItem>> ownItems_;  // those of a row alone
  std::vector<MenuItem*> rowItems_;                  // aligned with Commands()
  std::vector<MenuItem*> roots_;                     // the bars, panels and pop-ups, in row order
};

}  // namespace velmor
