// The menus, the toolbar, the status line and the editor panel as the window shows them: every
// item's caption, shortcut and check mark (the check mark is the option), in the menus' order.
// What an item does is wired by the game object; the window builds its widgets from this model.
#pragma once

#include <string>

#include "base/Say.h"
#include "shell/MenuItem.h"

namespace velmor {

struct GameMenus {
  VELMOR_SPEAKS(velmor)

  GameMenus();
  GameMenus(const GameMenus&) = delete;
  GameMenus& operator=(const GameMenus&) = delete;

  // Every named item, for the window layer and for tests.
  MenuItem* FindItem(const std::string& name);

  // ---- The status line: four captions and four values, and its options -----------------------------
  MenuItem LigneStatus{"LigneStatus", ""};
  MenuItem TilesLeftPanel{"TilesLeftPanel", "Tiles"};
  MenuItem TilesLeftLine{"TilesLeftLine", "--"};
  MenuItem MovesLeftPanel{"MovesLeftPanel", "Moves left"};
  MenuItem MovesLeftLine{"MovesLeftLine", "--"};
  MenuItem TimePanel{"TimePanel", "Time"};
  MenuItem TimeLine{"TimeLine", "--:--"};
  MenuItem StatusPanel{"StatusPanel", "Status"};
  MenuItem StatusText{"StatusText", " "};
  MenuItem ShowTime{"ShowTime", "&Show Time Left", "Ctrl+L"};
  MenuItem Moves{"Moves", "Show &Moves Left", "Ctrl+M"};
  MenuItem CoolStatus{"CoolStatus", "Cool Status"};

  // ---- Music and sound -----------------------------------------------------------------------------
  MenuItem Music{"Music", "M&usic"};
  MenuItem RandomMusic{"RandomMusic", "Random Music"};
  MenuItem PlayMusic{"PlayMusic", "Play music"};
  MenuItem PlaySounds{"PlaySounds", "Play sound effects"};
  MenuItem StartMusic{"StartMusic", "Run music automatically at startup"};
  MenuItem SetMusic{"SetMusic", "Music"};
  MenuItem MusicVolume{"MusicVolume", VELMOR_TEXT("Music &Volume")};  // its steps come with SoundLevels
  MenuItem EffectsVolume{"EffectsVolume", VELMOR_TEXT("E&ffects Volume")};

  // ---- New games, play and layouts -----------------------------------------------------------------
  MenuItem RandomSolitaireGame1{"RandomSolitaireGame1", "Mah-Jongg Solitaire : New Fully Random Game", "F2"};
  MenuItem NewRandomSpecificGame1{"NewRandomSpecificGame1", "Mah-Jongg Solitaire : New Random Specific Game"};
  MenuItem NewSpecificGame1{"NewSpecificGame1", "Mah-Jongg Solitaire : New Specific Game"};
  MenuItem Solitaire1player1{"Solitaire1player1", "Solitaire (1-player)"};
  MenuItem ExplorerButton1{"ExplorerButton1", "New"};
  MenuItem Winnable{"Winnable", "Winnable Layouts (in at least one way)"};
  MenuItem Shuffable{"Shuffable", "Winnable Shuffles (in at least one way)"};
  MenuItem Animate{"Animate", "Animate Board while building the tiles"};
  MenuItem RandomSeed1{"RandomSeed1", "Random Seed"};
  MenuItem Vertical{"Vertical", "Vertical Variation"};
  MenuItem GiveHint{"GiveHint", "&Hint", "Ctrl+H"};
  MenuItem ExplorerButton3{"ExplorerButton3", "Hint"};
  MenuItem Pause1{"Pause1", "&Pause", "F12"};
  MenuItem PauseButton{"PauseButton", "Pause"};
  MenuItem Layout1{"Layout1", "&Layout"};
  MenuItem ChooseLayout1{"ChooseLayout1", "&Choose Layout…", "Ctrl+O"};
  MenuItem ImportLayout1{"ImportLayout1", "&Import Layout…"};
  MenuItem CreateLayout1{"CreateLayout1", "Create Layout"};
  MenuItem Editlayout1{"Editlayout1", "Edit Layout"};

  // ---- The menu bar, the toolbar and the view options ----------------------------------------------
  MenuItem VO{"VO", ""};  // the main menu bar
  MenuItem File1{"File1", "&File"};
  MenuItem Play1{"Play1", "&Play"};
  MenuItem View1{"View1", "&View"};
  MenuItem Configuration1{"Configuration1", "&Configuration"};
  MenuItem HighlightMenu{"HighlightMenu", "Hi&ghlight"};
  MenuItem Help1{"Help1", "&Help"};
  MenuItem Tools{"Tools", ""};  // the toolbar
  MenuItem NewPopup{"NewPopup", ""};
  MenuItem TwoPlayerGame1{"TwoPlayerGame1", "Mah-Jongg Solitaire : New 2-Player Game", "Shift+F2"};
  MenuItem RiversEasy1{"RiversEasy1", "Mah-Jongg Rivers : New Game (Easy)", "F3"};
  MenuItem RiversHard1{"RiversHard1", "Mah-Jongg Rivers : New Game (Hard)"};
  MenuItem Solitaire2player1{"Solitaire2player1", "Solitaire (2-player)"};
  MenuItem MJRiversEasy1{"MJRiversEasy1", "MJ Rivers (Easy)"};
  MenuItem MJRiversHard1{"MJRiversHard1", "MJ Rivers (Hard)"};
  MenuItem SaveGame1{"SaveGame1", "&Save Game…"};
  MenuItem LoadGame1{"LoadGame1", "&Load Game…"};
  MenuItem Exit1{"Exit1", "E&xit"};
  MenuItem Undo1{"Undo1", "&Back", "Ctrl+Z"};
  MenuItem Redo1{"Redo1", "R&edo", "Ctrl+Shift+Z|Ctrl+Y"};  // '|' between keys that do the same
  MenuItem Restart1{"Restart1", "&Restart", "Ctrl+R"};
  MenuItem CanIStillWin1{"CanIStillWin1", "Can I Still &Win?", "Ctrl+W"};
  MenuItem Demo1{"Demo1", "&Demo", "F5"};
  MenuItem WatchWinnability{"WatchWinnability", "Watch Winnability"};
  MenuItem WinnableMark{"WinnableMark", ""};  // on the toolbar while the watch is on
  MenuItem Stoppe{"Stoppe", "&Stop", "Ctrl+X"};
  MenuItem Shuffle1{"Shuffle1", "Shu&ffle", "Ctrl+S"};
  MenuItem Toolbar1{"Toolbar1", "Show &Toolbar", "Ctrl+T"};
  MenuItem ShowTitle{"ShowTitle", "Show Status Bar", "Ctrl+B"};
  MenuItem ShowHallFame{"ShowHallFame", "Show Hall of &Fame", "Ctrl+F"};
  MenuItem FullScreen{"FullScreen", "F&ull Screen", "F11"};
  MenuItem CoolToolbar{"CoolToolbar", "Cool Toolbar"};
  MenuItem FlatButtons{"FlatButtons", "Cool Buttons"};
  MenuItem CoolMenu1{"CoolMenu1", "Cool Menu"};
  MenuItem CoolMouse{"CoolMouse", "Cool Mouse"};
  MenuItem ShowCurrentTile{"ShowCurrentTile", "Show Current Tile"};
  MenuItem OnlyPossibleMoves{"OnlyPossibleMoves", "Only Possible Moves"};
  MenuItem Res800{"Res800", "Switch to 800x600 at startup"};
  MenuItem StartDirectly{"StartDirectly", "Begin game directly at startup"};
  MenuItem ResumeLastGame{"ResumeLastGame", "Resume Last Game"};
  MenuItem EnableHall{"EnableHall", "Enable time tracking for the Hall of fame"};
  MenuItem AnimateTileRivers{"AnimateTileRivers", "Animate Tile Rivers in Voverizo Dadazu"};
  MenuItem Contents1{"Contents1", "&Contents", "F1"};
  MenuItem WhatsNew1{"WhatsNew1", "What's New"};
  MenuItem French1{"French1", "French Help"};
  MenuItem ViewTiles1{"ViewTiles1", "View Tiles"};
  MenuItem Changeplayername{"Changeplayername", "&Player Name"};
  MenuItem Halloffame1{"Halloffame1", "&Hall of Fame", "F10"};
  MenuItem Statistics1{"Statistics1", "&Statistics"};
  MenuItem About1{"About1", "&About..."};  // F11 is the desktop's key for full screen
  MenuItem ExplorerButton2{"ExplorerButton2", "Back"};
  MenuItem RedoButton{"RedoButton", ""};  // an arrow alone: the toolbar keeps its width
  MenuItem ShuffleButton{"ShuffleButton", "Shuffle"};
  MenuItem HelpButton{"HelpButton", "Help"};
  MenuItem AboutButton{"AboutButton", "About"};
  MenuItem HallFameButton{"HallFameButton", "Hall of Fame"};
  MenuItem ExitButton{"ExitButton", "Exit"};
  MenuItem HofBox{"HofBox", ""};  // the Hall of Fame side panel (its visibility)

  // ---- Highlight and drawing options ---------------------------------------------------------------
  MenuItem Highlight1{"Highlight1", "None"};
  MenuItem Highlight2{"Highlight2", "Red Rectangle"};
  MenuItem Highlight3{"Highlight3", "Colored Tile"};
  MenuItem Highlight4{"Highlight4", "Green Rectangle"};
  MenuItem Highlight5{"Highlight5", "Blue Rectangle"};
  MenuItem Invert{"Invert", "&Invert selection"};
  MenuItem Shadows{"Shadows", "Enable 3D shadows on tilesets"};

  // ---- Tilesets and backgrounds --------------------------------------------------------------------
  MenuItem Tileset1{"Tileset1", "Tileset"};
  MenuItem Load1{"Load1", "Load from disk"};
  MenuItem MahJongg1{"MahJongg1", "Orange borders"};
  MenuItem MahJongg2{"MahJongg2", "Dark borders"};
  MenuItem MahJongg3{"MahJongg3", "Blue borders"};
  MenuItem Lowcolor1{"Lowcolor1", "Few Colors"};
  MenuItem HighContrast1{"HighContrast1", "High Contrast"};
  MenuItem Background1{"Background1", "Background"};
  MenuItem LoadBackground{"LoadBackground", "Load from disk"};
  MenuItem None1{"None1", "None"};
  MenuItem Dragons1{"Dragons1", "&Dragons"};
  MenuItem Andromeda{"Andromeda", "Andromeda"};
  MenuItem Kanji1{"Kanji1", "&Kanji (classic)"};
  MenuItem Catpats{"Catpats", "Catpats"};

  // ---- The layout editor: its menu bar and panel ---------------------------------------------------
  MenuItem EditorMenu{"EditorMenu", ""};  // shown in the menu bar instead of VO while editing
  MenuItem EditorExit{"EditorExit", "Exit"};
  MenuItem Save1{"Save1", "Save"};
  MenuItem SaveAs1{"SaveAs1", "Save as..."};
  MenuItem TryIt1{"TryIt1", "Try it"};
  MenuItem Cancel2{"Cancel2", "Exit"};
  MenuItem MoveBoard1{"MoveBoard1", "Move Board"};
  MenuItem Movetoleft1{"Movetoleft1", "Move to left <", "Ctrl+S"};
  MenuItem Movetoright1{"Movetoright1", "Move to right >", "Ctrl+D"};
  MenuItem Movetotop1{"Movetotop1", "Move to top /\\", "Ctrl+E"};
  MenuItem Movetobottom1{"Movetobottom1", "Move to bottom \\/", "Ctrl+X"};
  MenuItem EditorPanel{"EditorPanel", ""};  // shown in place of the toolbar while editing
  MenuItem Label40{"Label40", "144"};
  MenuItem Edit1{"Edit1", ""};  // the layout's name, as typed
};

}  // namespace velmor
