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
  MenuItem TilesLeftPanel{"TilesLeftPanel", VELMOR_TEXT("Tiles")};
  MenuItem TilesLeftLine{"TilesLeftLine", "--"};
  MenuItem MovesLeftPanel{"MovesLeftPanel", VELMOR_TEXT("Moves left")};
  MenuItem MovesLeftLine{"MovesLeftLine", "--"};
  MenuItem TimePanel{"TimePanel", VELMOR_TEXT("Time")};
  MenuItem TimeLine{"TimeLine", "--:--"};
  MenuItem StatusPanel{"StatusPanel", VELMOR_TEXT("Status")};
  MenuItem StatusText{"StatusText", " "};
  MenuItem ShowTime{"ShowTime", VELMOR_TEXT("&Show Time Left"), "Ctrl+L"};
  MenuItem Moves{"Moves", VELMOR_TEXT("Show &Moves Left"), "Ctrl+M"};
  MenuItem CoolStatus{"CoolStatus", VELMOR_TEXT("Cool Status")};

  // ---- Music and sound -----------------------------------------------------------------------------
  MenuItem Music{"Music", VELMOR_TEXT("M&usic")};
  MenuItem RandomMusic{"RandomMusic", VELMOR_TEXT("Random Music")};
  MenuItem PlayMusic{"PlayMusic", VELMOR_TEXT("Play music")};
  MenuItem PlaySounds{"PlaySounds", VELMOR_TEXT("Play sound effects")};
  MenuItem StartMusic{"StartMusic", VELMOR_TEXT("Run music automatically at startup")};
  MenuItem SetMusic{"SetMusic", VELMOR_TEXT("Music")};
  MenuItem MusicVolume{"MusicVolume", VELMOR_TEXT("Music &Volume")};  // its steps come with SoundLevels
  MenuItem EffectsVolume{"EffectsVolume", VELMOR_TEXT("E&ffects Volume")};

  // ---- New games, play and layouts -----------------------------------------------------------------
  MenuItem RandomSolitaireGame1{"RandomSolitaireGame1", VELMOR_TEXT("Mah-Jongg Solitaire : New Fully Random Game"),
                                "F2"};
  MenuItem NewRandomSpecificGame1{"NewRandomSpecificGame1",
                                  VELMOR_TEXT("Mah-Jongg Solitaire : New Random Specific Game")};
  MenuItem NewSpecificGame1{"NewSpecificGame1", VELMOR_TEXT("Mah-Jongg Solitaire : New Specific Game")};
  MenuItem Solitaire1player1{"Solitaire1player1", VELMOR_TEXT("Solitaire (1-player)")};
  MenuItem ExplorerButton1{"ExplorerButton1", VELMOR_TEXT("New")};
  MenuItem Winnable{"Winnable", VELMOR_TEXT("Winnable Layouts (in at least one way)")};
  MenuItem Shuffable{"Shuffable", VELMOR_TEXT("Winnable Shuffles (in at least one way)")};
  MenuItem Animate{"Animate", VELMOR_TEXT("Animate Board while building the tiles")};
  MenuItem RandomSeed1{"RandomSeed1", VELMOR_TEXT("Random Seed")};
  MenuItem Language1{"Language1", VELMOR_TEXT("Language")};
  MenuItem Vertical{"Vertical", VELMOR_TEXT("Vertical Variation")};
  MenuItem GiveHint{"GiveHint", VELMOR_TEXT("&Hint"), "Ctrl+H"};
  MenuItem ExplorerButton3{"ExplorerButton3", VELMOR_TEXT("Hint")};
  MenuItem Pause1{"Pause1", VELMOR_TEXT("&Pause"), "F12"};
  MenuItem PauseButton{"PauseButton", VELMOR_TEXT("Pause")};
  MenuItem Layout1{"Layout1", VELMOR_TEXT("&Layout")};
  MenuItem ChooseLayout1{"ChooseLayout1", VELMOR_TEXT("&Choose Layout…"), "Ctrl+O"};
  MenuItem ImportLayout1{"ImportLayout1", VELMOR_TEXT("&Import Layout…")};
  MenuItem CreateLayout1{"CreateLayout1", VELMOR_TEXT("Create Layout")};
  MenuItem Editlayout1{"Editlayout1", VELMOR_TEXT("Edit Layout")};

  // ---- The menu bar, the toolbar and the view options ----------------------------------------------
  MenuItem VO{"VO", ""};  // the main menu bar
  MenuItem File1{"File1", VELMOR_TEXT("&File")};
  MenuItem Play1{"Play1", VELMOR_TEXT("&Play")};
  MenuItem View1{"View1", VELMOR_TEXT("&View")};
  MenuItem Configuration1{"Configuration1", VELMOR_TEXT("&Configuration")};
  MenuItem HighlightMenu{"HighlightMenu", VELMOR_TEXT("Hi&ghlight")};
  MenuItem Help1{"Help1", VELMOR_TEXT("&Help")};
  MenuItem Tools{"Tools", ""};  // the toolbar
  MenuItem NewPopup{"NewPopup", ""};
  MenuItem TwoPlayerGame1{"TwoPlayerGame1", VELMOR_TEXT("Mah-Jongg Solitaire : New 2-Player Game"), "Shift+F2"};
  MenuItem RiversEasy1{"RiversEasy1", VELMOR_TEXT("Mah-Jongg Rivers : New Game (Easy)"), "F3"};
  MenuItem RiversHard1{"RiversHard1", VELMOR_TEXT("Mah-Jongg Rivers : New Game (Hard)")};
  MenuItem Solitaire2player1{"Solitaire2player1", VELMOR_TEXT("Solitaire (2-player)")};
  MenuItem MJRiversEasy1{"MJRiversEasy1", VELMOR_TEXT("MJ Rivers (Easy)")};
  MenuItem MJRiversHard1{"MJRiversHard1", VELMOR_TEXT("MJ Rivers (Hard)")};
  MenuItem SaveGame1{"SaveGame1", VELMOR_TEXT("&Save Game…")};
  MenuItem LoadGame1{"LoadGame1", VELMOR_TEXT("&Load Game…")};
  MenuItem Exit1{"Exit1", VELMOR_TEXT("E&xit")};
  MenuItem Undo1{"Undo1", VELMOR_TEXT("&Back"), "Ctrl+Z"};
  MenuItem Redo1{"Redo1", VELMOR_TEXT("R&edo"), "Ctrl+Shift+Z|Ctrl+Y"};  // '|' between keys that do the same
  MenuItem Restart1{"Restart1", VELMOR_TEXT("&Restart"), "Ctrl+R"};
  MenuItem CanIStillWin1{"CanIStillWin1", VELMOR_TEXT("Can I Still &Win?"), "Ctrl+W"};
  MenuItem Demo1{"Demo1", VELMOR_TEXT("&Demo"), "F5"};
  MenuItem WatchWinnability{"WatchWinnability", VELMOR_TEXT("Watch Winnability")};
  MenuItem WinnableMark{"WinnableMark", ""};  // on the toolbar while the watch is on
  MenuItem Stoppe{"Stoppe", VELMOR_TEXT("&Stop"), "Ctrl+X"};
  MenuItem Shuffle1{"Shuffle1", VELMOR_TEXT("Shu&ffle"), "Ctrl+S"};
  MenuItem Toolbar1{"Toolbar1", VELMOR_TEXT("Show &Toolbar"), "Ctrl+T"};
  MenuItem ShowTitle{"ShowTitle", VELMOR_TEXT("Show Status Bar"), "Ctrl+B"};
  MenuItem ShowHallFame{"ShowHallFame", VELMOR_TEXT("Show Hall of &Fame"), "Ctrl+F"};
  MenuItem FullScreen{"FullScreen", VELMOR_TEXT("F&ull Screen"), "F11"};
  MenuItem CoolToolbar{"CoolToolbar", VELMOR_TEXT("Cool Toolbar")};
  MenuItem FlatButtons{"FlatButtons", VELMOR_TEXT("Cool Buttons")};
  MenuItem CoolMenu1{"CoolMenu1", VELMOR_TEXT("Cool Menu")};
  MenuItem CoolMouse{"CoolMouse", VELMOR_TEXT("Cool Mouse")};
  MenuItem ShowCurrentTile{"ShowCurrentTile", VELMOR_TEXT("Show Current Tile")};
  MenuItem OnlyPossibleMoves{"OnlyPossibleMoves", VELMOR_TEXT("Only Possible Moves")};
  MenuItem Res800{"Res800", VELMOR_TEXT("Switch to 800x600 at startup")};
  MenuItem StartDirectly{"StartDirectly", VELMOR_TEXT("Begin game directly at startup")};
  MenuItem ResumeLastGame{"ResumeLastGame", VELMOR_TEXT("Resume Last Game")};
  MenuItem EnableHall{"EnableHall", VELMOR_TEXT("Enable time tracking for the Hall of fame")};
  MenuItem AnimateTileRivers{"AnimateTileRivers", VELMOR_TEXT("Animate Tile Rivers in Voverizo Dadazu")};
  MenuItem Contents1{"Contents1", VELMOR_TEXT("&Contents"), "F1"};
  MenuItem WhatsNew1{"WhatsNew1", VELMOR_TEXT("What's New")};
  MenuItem French1{"French1", VELMOR_TEXT("French Help")};
  MenuItem ViewTiles1{"ViewTiles1", VELMOR_TEXT("View Tiles")};
  MenuItem Changeplayername{"Changeplayername", VELMOR_TEXT("&Player Name")};
  MenuItem Halloffame1{"Halloffame1", VELMOR_TEXT("&Hall of Fame"), "F10"};
  MenuItem Statistics1{"Statistics1", VELMOR_TEXT("&Statistics")};
  MenuItem About1{"About1", VELMOR_TEXT("&About...")};  // F11 is the desktop's key for full screen
  MenuItem ExplorerButton2{"ExplorerButton2", VELMOR_TEXT("Back")};
  MenuItem RedoButton{"RedoButton", VELMOR_TEXT("Redo")};
  MenuItem ShuffleButton{"ShuffleButton", VELMOR_TEXT("Shuffle")};
  MenuItem HelpButton{"HelpButton", VELMOR_TEXT("Help")};
  MenuItem AboutButton{"AboutButton", VELMOR_TEXT("About")};
  MenuItem HallFameButton{"HallFameButton", VELMOR_TEXT("Hall of Fame")};
  MenuItem ExitButton{"ExitButton", VELMOR_TEXT("Exit")};
  MenuItem HofBox{"HofBox", ""};  // the Hall of Fame side panel (its visibility)

  // ---- Highlight and drawing options ---------------------------------------------------------------
  MenuItem Highlight1{"Highlight1", VELMOR_TEXT("None")};
  MenuItem Highlight2{"Highlight2", VELMOR_TEXT("Red Rectangle")};
  MenuItem Highlight3{"Highlight3", VELMOR_TEXT("Colored Tile")};
  MenuItem Highlight4{"Highlight4", VELMOR_TEXT("Green Rectangle")};
  MenuItem Highlight5{"Highlight5", VELMOR_TEXT("Blue Rectangle")};
  MenuItem Invert{"Invert", VELMOR_TEXT("&Invert selection")};
  MenuItem Shadows{"Shadows", VELMOR_TEXT("Enable 3D shadows on tilesets")};

  // ---- Tilesets and backgrounds --------------------------------------------------------------------
  MenuItem Tileset1{"Tileset1", VELMOR_TEXT("Tileset")};
  MenuItem Load1{"Load1", VELMOR_TEXT("Load from disk")};
  MenuItem MahJongg1{"MahJongg1", VELMOR_TEXT("Orange borders")};
  MenuItem MahJongg2{"MahJongg2", VELMOR_TEXT("Dark borders")};
  MenuItem MahJongg3{"MahJongg3", VELMOR_TEXT("Blue borders")};
  MenuItem Lowcolor1{"Lowcolor1", VELMOR_TEXT("Few Colors")};
  MenuItem HighContrast1{"HighContrast1", VELMOR_TEXT("High Contrast")};
  MenuItem Background1{"Background1", VELMOR_TEXT("Background")};
  MenuItem LoadBackground{"LoadBackground", VELMOR_TEXT("Load from disk")};
  MenuItem None1{"None1", VELMOR_TEXT("None")};
  MenuItem Dragons1{"Dragons1", VELMOR_TEXT("&Dragons")};
  MenuItem Andromeda{"Andromeda", VELMOR_TEXT("Andromeda")};
  MenuItem Kanji1{"Kanji1", VELMOR_TEXT("&Kanji (classic)")};
  MenuItem Catpats{"Catpats", VELMOR_TEXT("Catpats")};

  // ---- The layout editor: its menu bar and panel ---------------------------------------------------
  MenuItem EditorMenu{"EditorMenu", ""};  // shown in the menu bar instead of VO while editing
  MenuItem EditorExit{"EditorExit", VELMOR_TEXT("Exit")};
  MenuItem Save1{"Save1", VELMOR_TEXT("Save")};
  MenuItem SaveAs1{"SaveAs1", VELMOR_TEXT("Save as...")};
  MenuItem TryIt1{"TryIt1", VELMOR_TEXT("Try it")};
  MenuItem Cancel2{"Cancel2", VELMOR_TEXT("Exit")};
  MenuItem MoveBoard1{"MoveBoard1", VELMOR_TEXT("Move Board")};
  MenuItem Movetoleft1{"Movetoleft1", VELMOR_TEXT("Move to left <"), "Ctrl+S"};
  MenuItem Movetoright1{"Movetoright1", VELMOR_TEXT("Move to right >"), "Ctrl+D"};
  MenuItem Movetotop1{"Movetotop1", VELMOR_TEXT("Move to top /\\"), "Ctrl+E"};
  MenuItem Movetobottom1{"Movetobottom1", VELMOR_TEXT("Move to bottom \\/"), "Ctrl+X"};
  MenuItem EditorPanel{"EditorPanel", ""};  // shown in place of the toolbar while editing
  MenuItem Label40{"Label40", "144"};
  MenuItem Edit1{"Edit1", ""};  // the layout's name, as typed
};

}  // namespace velmor
