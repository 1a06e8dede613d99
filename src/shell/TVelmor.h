// The game object: the main window without the window. It owns every piece of game state, the
// menu items whose check marks are the options, and every command handler.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/Deal.h"
#include "board/FreeTiles.h"
#include "board/Generator.h"
#include "board/Grid.h"
#include "board/LayoutShape.h"
#include "display/Picture.h"
#include "display/Tileset.h"
#include "modes/HallOfFame.h"
#include "shell/MenuItem.h"
#include "shell/Platform.h"

namespace velmor {

enum GameModes : uint8_t {
  ModeNoGame = 0,
  ModeSolitaire = 1,
  ModeTwoPlayers = 2,
  ModeRivers = 3,
  ModeEditor = 4,
  ModeGameOver = 5,
  ModeStopped = 6,
  ModePaused = 7,
};

class TVelmor {
 public:
  TVelmor(Platform& platform, std::string appFolder);
  TVelmor(const TVelmor&) = delete;
  TVelmor& operator=(const TVelmor&) = delete;

  Platform& platform;
  std::string AppFolder;  // ends with '/'
  // The player's settings and records; AppFolder unless the program is installed for everyone.
  std::string ConfigFolder;
  // Where the player's own layouts are saved and listed from; empty when that is AppFolder's.
  std::string UserLayoutsFolder;
  void UsePlayerFolders(const std::string& config, const std::string& layouts);

  // ---- Board model -------------------------------------------------------------------------
  BoardState Board;            // BoardGrid, TilePlace, TileCount, TilesLeft
  int32_t BoardOriginX = 36;
  int32_t BoardOriginY = 25;
  uint8_t GameMode = ModeNoGame;
  uint8_t ResumeMode = ModeStopped;
  uint8_t FirstTile = 0;
  uint8_t SecondTile = 0;
  void IM(uint8_t mode) { GameMode = mode; }

  // ---- Free tiles, moves and hints ---------------------------------------------------------
  FreeTiles Free;              // FreeList, FreeCount, MovesLeft
  int32_t HintIndex = 0;
  int32_t HintTileA = 0;
  int32_t HintTileB = 0;
  bool Dispo(int tile) const;
  bool Dispo_Vertical(int tile) const;
  // The play-time test: the vertical variation when it is checked.
  bool IsPlayable(int tile) const { return Vertical.Checked() ? Dispo_Vertical(tile) : Dispo(tile); }
  void IsItFree();
  void Hint();
  void VerticalClick();

  // ---- Deals and game numbers --------------------------------------------------------------
  Generator Gen;               // GeneratorState
  int32_t GameNumber = 0;
  std::vector<Place> RemovalOrder;  // how the last winnable deal or reshuffle emptied the board
  int RandomBelow(int n) { return Gen.RandomBelow(n); }
  void ReseedFromClock();
  void DealLayout();
  bool ShuffleBoard();
  void BeginGame();
  void RandomSolitaireGame1Click();
  void NewRandomSpecificGame1Click();
  void NewSpecificGame1Click();
  void NewGame();

  // ---- Selection, matching, undo and shuffle -------------------------------------------------
  struct HistoryEntry {
    uint8_t tile = 0;
    int32_t column = 0, row = 0, layer = 0;
  };
  std::array<HistoryEntry, 146> MoveHistory{};
  int32_t HistoryCount = 0;  // tiles removed so far in this game: the valid MoveHistory entries
  enum class Button { Primary, Secondary, Middle };
  void ChoisitPai(int x, int y, int column, int row, Button button);
  void SonOK(int tile);
  void TestStile2();
  void PlaySound(const std::string& name);
  void Back();
  void GoBack();
  void BackHistory();
  void Restart();
  void Shuffle1Click();

  // ---- Pointer ----------------------------------------------------------------------------
  int32_t PointedTile = 0;
  int32_t PrevPointedTile = 0;
  static constexpr Rect CurrentTilePreview{24, 390, 70, 446};
  void FormMouseMove(int X, int Y);
  void ButtonDown(Button button, int X, int Y);
  void ExplorerButton1MouseUp(Button button);
  void ShowCurrentTileClick();
  void OnlyPossibleMovesClick() { OnlyPossibleMoves.Toggle(); }
  void ShowTileInPreview(int tile);
  void ClearPreview();
  void RedrawHOF();

  // ---- Clock, pause and status line -------------------------------------------------------
  uint32_t StartTick = 0;
  int32_t ElapsedSeconds = 0;
  int32_t PauseOffset = 0;
  int32_t PenaltySeconds = 0;
  std::string StatusMessage = " ";
  int32_t StatusLength = 1;
  int32_t StatusPos = 1;
  int32_t StatusStep = 1;
  bool StatusBounce = false;
  uint32_t TickCount = 0;  // timer ticks since start-up
  bool BoardCleared = false;
  bool ResultShown = false;
  uint8_t HoverTile = 0;
  static constexpr int TimeLimitSeconds = 6000;  // 100 minutes: the clock shows 99:59 at most

  void ShowStatus(const std::string& message);
  void Temps();  // the 50 ms heartbeat
  void WriteScore();
  void PauseClick();
  void FormDeactivate();
  void FormActivate();
  void NStatus();
  void ShowTimeClick();
  void Stop();

  // The status line: four captions and four values.
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

  // ---- Music and sound options -------------------------------------------------------------
  MenuItem Music{"Music", "M&usic"};
  MenuItem RandomMusic{"RandomMusic", "Random Music"};
  MenuItem PlayMusic{"PlayMusic", "Play music"};
  MenuItem PlaySounds{"PlaySounds", "Play sound effects"};
  MenuItem StartMusic{"StartMusic", "Run music automatically at startup"};
  MenuItem SetMusic{"SetMusic", "Music"};

  // ---- Layouts -----------------------------------------------------------------------------
  LayoutShape Shape;           // LayoutShape
  std::string LayoutName = "External Layout";
  std::string LayoutPath;
  std::vector<std::string> LayoutList;  // 1-based: entry 0 unused
  std::vector<std::string> LayoutFolders;  // the folder each LayoutList entry was found in
  std::vector<std::string> LayoutFiles;    // the file name of each entry ("Spiral.shp", "Pyramid.lay")
  std::string RememberedLayoutFile;        // "LayoutFile" of the settings: wins over BoardNumber
  int32_t LayoutCount = 0;
  int32_t BoardNumber = -1;
  bool StartingUp = false;
  int32_t ReachedRank = 0;
  static constexpr int MaxLayouts = 99;  // board numbers 100 and 101 are the two flat games

  bool RunLayout(const std::string& path);
  bool RunShpLayout(const std::string& path);
  bool SaveLayout();
  void LoadlayoutClick(MenuItem& entry);
  void LoadShplayoutClick(MenuItem& entry);
  // Builds LayoutList and the "&Layout" entries from AppFolder + "Layouts/" and the player's
  // own layouts folder, where a layout of the same name replaces the shipped one. False (after
  // telling the player) when there is no layout at all.
  bool BuildLayoutList();
  void ResolveLayoutPath();
  // Loads LayoutPath with the reader its extension calls for.
  bool LoadCurrentLayout();
  // The same at start-up, falling back to another layout when the remembered one is refused.
  bool LoadStartLayout();
  MenuItem* LayoutEntry(int boardNumber);
  std::string LayoutsFolder() const { return AppFolder + "Layouts/"; }
  // Where new and changed layouts are written.
  std::string SaveLayoutsFolder() const { return UserLayoutsFolder.empty() ? LayoutsFolder() : UserLayoutsFolder; }
  std::string EntryFolder(int boardNumber) const;

  // ---- Menu items and buttons --------------------------------------------------------------
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
  MenuItem CreateLayout1{"CreateLayout1", "Create Layout"};
  MenuItem Editlayout1{"Editlayout1", "Edit Layout"};

  // Every named item, for the window layer and for tests.
  MenuItem* FindItem(const std::string& name);

  // ---- The window's menus, toolbar and view options -----------------------------------------
  MenuItem VO{"VO", ""};            // the main menu bar
  MenuItem File1{"File1", "&File"};
  MenuItem Play1{"Play1", "&Play"};
  MenuItem View1{"View1", "&View"};
  MenuItem Configuration1{"Configuration1", "&Configuration"};
  MenuItem HighlightMenu{"HighlightMenu", "&Highlight"};
  MenuItem Help1{"Help1", "&Help"};
  MenuItem Tools{"Tools", ""};      // the toolbar
  MenuItem NewPopup{"NewPopup", ""};

  MenuItem TwoPlayerGame1{"TwoPlayerGame1", "Mah-Jongg Solitaire : New 2-Player Game", "Shift+F2"};
  MenuItem RiversEasy1{"RiversEasy1", "Mah-Jongg Rivers : New Game (Easy)", "F3"};
  MenuItem RiversHard1{"RiversHard1", "Mah-Jongg Rivers : New Game (Hard)"};
  MenuItem Solitaire2player1{"Solitaire2player1", "Solitaire (2-player)"};
  MenuItem MJRiversEasy1{"MJRiversEasy1", "MJ Rivers (Easy)"};
  MenuItem MJRiversHard1{"MJRiversHard1", "MJ Rivers (Hard)"};
  MenuItem Exit1{"Exit1", "E&xit"};
  MenuItem Undo1{"Undo1", "&Back", "Ctrl+Z"};
  MenuItem Restart1{"Restart1", "&Restart", "Ctrl+R"};
  MenuItem Stoppe{"Stoppe", "&Stop", "Ctrl+X"};
  MenuItem Shuffle1{"Shuffle1", "Shu&ffle", "Ctrl+S"};
  MenuItem Toolbar1{"Toolbar1", "Show &Toolbar", "Ctrl+T"};
  MenuItem ShowTitle{"ShowTitle", "Show Status Bar", "Ctrl+B"};
  MenuItem ShowHallFame{"ShowHallFame", "Show Hall of &Fame", "Ctrl+F"};
  MenuItem CoolToolbar{"CoolToolbar", "Cool Toolbar"};
  MenuItem FlatButtons{"FlatButtons", "Cool Buttons"};
  MenuItem CoolMenu1{"CoolMenu1", "Cool Menu"};
  MenuItem CoolMouse{"CoolMouse", "Cool Mouse"};
  MenuItem ShowCurrentTile{"ShowCurrentTile", "Show Current Tile"};
  MenuItem OnlyPossibleMoves{"OnlyPossibleMoves", "Only Possible Moves"};
  MenuItem Res800{"Res800", "Switch to 800x600 at startup"};
  MenuItem StartDirectly{"StartDirectly", "Begin game directly at startup"};
  MenuItem EnableHall{"EnableHall", "Enable time tracking for the Hall of fame"};
  MenuItem AnimateTileRivers{"AnimateTileRivers", "Animate Tile Rivers in Voverizo Dadazu"};
  MenuItem Contents1{"Contents1", "&Contents", "F1"};
  MenuItem WhatsNew1{"WhatsNew1", "What's New"};
  MenuItem French1{"French1", "French Help"};
  MenuItem ViewTiles1{"ViewTiles1", "View Tiles"};
  MenuItem Changeplayername{"Changeplayername", "&Player Name"};
  MenuItem Halloffame1{"Halloffame1", "&Hall of Fame", "F10"};
  MenuItem About1{"About1", "&About...", "F11"};
  MenuItem ExplorerButton2{"ExplorerButton2", "Back"};
  MenuItem ShuffleButton{"ShuffleButton", "Shuffle"};
  MenuItem HelpButton{"HelpButton", "Help"};
  MenuItem AboutButton{"AboutButton", "About"};
  MenuItem HallFameButton{"HallFameButton", "Hall of Fame"};
  MenuItem ExitButton{"ExitButton", "Exit"};
  MenuItem HofBox{"HofBox", ""};    // the Hall of Fame side panel (its visibility)

  // ---- Start-up, settings and shutdown --------------------------------------------------------
  std::string CurrentPlayer = "Player1";
  int32_t SavedLayoutNumber = 1;
  bool DisplayModeChanged = false;
  int32_t PreviousRes = 0;
  Picture HofPic;                    // the clean side-panel picture
  Picture SaveHof;                   // the side panel as composed
  static constexpr int HofWidth = 92;
  std::string IniPath() const { return ConfigFolder + "Velmor.ini"; }
  // Everything up to the first showing of the window. False when the program cannot run (the
  // player has been told why): the caller ends the program.
  bool Init();
  bool LoadFiles();
  void FormShow();
  void FormCloseQuery();
  void Exit1Click() { platform.CloseMainWindow(); }
  void Toolbar1Click();
  void ShowTitleClick();
  void GrowWindow(int extraHeight);
  void CoolToolbarClick() { CoolToolbar.Toggle(); }
  void FlatButtonsClick() { FlatButtons.Toggle(); }
  void CoolMouseClick();
  int WindowContentWidth() const;
  int WindowContentHeight() const;

  // ---- Tunes ----------------------------------------------------------------------------------
  int32_t MusicCount = 0;
  int32_t MidiNumber = -1;
  std::string CurrentTune;  // path of the tune chosen last
  bool BuildTuneList();
  void LoadMidiClick(MenuItem& entry);
  MenuItem* TuneEntry(int number);
  void SelectedMusic(const std::string& path);
  void PlayMusicClick();
  void RandomMusicClick();
  void SetMusicClick();
  void PlayRandomTune();
  bool MusicProblemShown = false;  // a tune that cannot play is reported once per session
  bool FirstTunePending = false;

  // ---- Board pictures and drawing -----------------------------------------------------------
  Picture BackgroundImage{BoardPictureWidth, BoardPictureHeight};
  Picture FrameBuffer{BoardPictureWidth, BoardPictureHeight};
  Picture TilesetPicture{SheetWidth, SheetHeight};
  Picture TileSheet{TileSheetWidth, TileSheetHeight};
  static constexpr Rect NoBox{-1, -1, -1, -1};
  Rect RedrawBox = NoBox;
  int32_t HighlightMode = 3;
  uint32_t PenColor = 0;  // the hover rectangle's colour, as a pixel
  Place EditorGhost{-1, -1, -1};
  Rect GhostBox = NoBox;
  bool RefreshHallPanel = false;
  bool PathFound = false;  // the flat game's path search has reached its target

  // Screen rectangle of the whole picture of a tile anchored at `p`.
  Rect TileBox(const Place& p) const;
  virtual ~TVelmor() = default;
  virtual void FullRedraw();
  virtual void RedrawTile(int tile);
  void Redraw();
  void ShowIt(int c, int r, int l, int v);
  void ShowFond();
  void ColorHighlight();
  void Highlight1Click();
  void Highlight2Click(MenuItem& sender);
  void Highlight3Click();
  void InvertClick() { Invert.Toggle(); }
  void ShadowsClick();

  MenuItem Highlight1{"Highlight1", "None"};
  MenuItem Highlight2{"Highlight2", "Red Rectangle"};
  MenuItem Highlight3{"Highlight3", "Colored Tile"};
  MenuItem Highlight4{"Highlight4", "Green Rectangle"};
  MenuItem Highlight5{"Highlight5", "Blue Rectangle"};
  MenuItem Invert{"Invert", "&Invert selection"};
  MenuItem Shadows{"Shadows", "Enable 3D shadows on tilesets"};

  // ---- Tilesets and backgrounds --------------------------------------------------------------
  std::string LastLoadedTileset;
  std::string LastLoadedBackground;
  // Both say whether the picture is now in use (a missing file hands over to the dialog).
  bool LoadTileset(const std::string& path);
  bool NouveauFond(const std::string& path);
  void Load1Click();
  void LoadBackgroundClick();
  void None1Click();
  void ActiveTilesetBackground();
  // Built-in choices: tileset items 1-4 and background items with a file.
  void BuiltInTilesetClick(MenuItem& item);
  void BuiltInBackgroundClick(MenuItem& item);

  MenuItem Tileset1{"Tileset1", "Tileset"};
  MenuItem Load1{"Load1", "Load from disk"};
  MenuItem MahJongg1{"MahJongg1", "Orange borders"};
  MenuItem MahJongg2{"MahJongg2", "Dark borders"};
  MenuItem MahJongg3{"MahJongg3", "Blue borders"};
  MenuItem Lowcolor1{"Lowcolor1", "Few Colors"};
  MenuItem Background1{"Background1", "Background"};
  MenuItem LoadBackground{"LoadBackground", "Load from disk"};
  MenuItem None1{"None1", "None"};
  MenuItem Dragons1{"Dragons1", "&Dragons"};
  MenuItem Andromeda{"Andromeda", "Andromeda"};
  MenuItem Kanji1{"Kanji1", "&Kanji (classic)"};
  MenuItem Catpats{"Catpats", "Catpats"};

  // ---- End of game, two players, Hall of Fame ------------------------------------------------
  std::array<HallList, RiversHardList + 1> HallOfFame;  // lists 1..99: layouts; 100, 101: flat games
  bool NewRecordShowing = false;
  bool Player2Turn = false;
  int32_t Player1Millis = 0, Player2Millis = 0;
  uint32_t Player1TurnStart = 0, Player2TurnStart = 0;
  void GameOver();
  void TwoPlayers();
  void TurnChange();
  void RefreshTwoPlayerPanel();
  int32_t RunningMillis(bool player2) const;
  void AddHall();
  void ShowPanelHOF();
  void ShowHallPanel();
  void EnableHallClick() { EnableHall.Toggle(); }
  void LoadHallTableFor(int boardNumber, bool padShortValues = false);
  void LoadHallOfFame();
  bool SaveHallOfFame();
  std::string HallPath() const { return ConfigFolder + "Hallfame.ini"; }
  std::string HallSection(int list) const;
  HallList& CurrentHallList();
  int RankTenTime(int list) const;

  // ---- Layout editor ------------------------------------------------------------------------
  int32_t TilesToPlace = 0;
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
  MenuItem Edit1{"Edit1", ""};             // the layout's name, as typed
  void CreateLayout1Click() { EnterEditor(true); }
  void Editlayout1Click() { EnterEditor(false); }
  void EnterEditor(bool create);
  void EditorClick(Button button, int x, int y, int column, int row);
  void SaveandexitClick(MenuItem& sender);
  void Cancel2Click();
  void MoveBoard(int dc, int dr);
  bool EditorStartedEmpty = false;  // "Create Layout": the first "Save" asks for a name
  bool SaveFailed = false;          // the last SaveLayout could not write its file

  // ---- Voverizo Dadazu -------------------------------------------------------------------------
  struct MovingTileState {
    int tile = 0, column = 0, row = 0;
  } MovingTile;
  static constexpr int RiverSlideMs = 10;
  // Deals the flat game; `state` replaces the clock seed (for velmor-cli).
  void FourRivers(bool hard, std::optional<uint32_t> state = std::nullopt);
  void FourRiversClick(MenuItem& item) { FourRivers(item.Caption().find("Easy") == std::string::npos); }
  // Whether a path of at most two bends joins a to b; if so, b slides along it to a's side.
  bool CanBeReached(int a, int b);
  // Slides the tile standing on the first cell through the cells in turn, a shown step each.
  void SlideRiverTile(const std::vector<Place>& cells);
  void MoveRiverTiles(int column, int row, int layer);
  void AnimateTileRiversClick() { AnimateTileRivers.Toggle(); }

  // ---- Help window ----------------------------------------------------------------------------
  enum class HelpPage { Help, Whatsnew, Hello, Francais, SeeTiles, GoOptions, GoHall };
  struct HelpWindowState {
    HelpPage ActivePage = HelpPage::Help;
    std::string PlayerName, RandomSeed, HallEdit1, HallLabel1;
    bool NewRecordLook = false;  // label and name field instead of the list chooser and reset
    std::vector<std::string> LayoutChooser;
    int ChooserIndex = -1;
    struct Row {
      std::string rank, name, time, malus;
    };
    std::vector<Row> Scores;
    Picture Pai{600, 340};  // the tile faces page
  } Help;
  void CallHelp(HelpPage page);
  void GenerateList(int list);
  void LayoutComboBoxChange(int index);
  void DeleteHighscoresClick(int index);
  void HallEdit1Change(const std::string& text);
  void PlayerNameChange(const std::string& text) { CurrentPlayer = text; }
  void RandomSeedChange(const std::string& text) { Help.RandomSeed = text; }
  void FillLayoutChooser();
  std::string HelpHtml, WhatsNewHtml;  // the two text pages, read at start-up
  bool ReadHelpTexts();

  // One step of an animation: shown at once, then a short wait so the eye can follow it.
  void AnimationStep(int milliseconds) { platform.Pace(milliseconds); }
  static constexpr int DealTileMs = 5;

  // ---- Hooks into parts that come later ------------------------------------------------------
  void MusicSupervision();



 private:
  bool AnimatedDeal() const;
  struct LayoutRefusal {
    std::string reason;
    bool currentStays = true;  // the message ends by saying the current layout stays
  };
  bool ReadLayoutFile(const std::string& path, bool shp, LayoutShape& shape, std::string& name,
                      LayoutRefusal& refusal);
  bool ReadLayoutFile(const std::string& path, bool shp, LayoutShape& shape, std::string& name);
  void ClearHover();
  bool LoadPicture(const std::string& path, bool jpeg, Picture& out);
  void ShowTileset(MenuItem* item);
  void ShowBackground(MenuItem* item);
  void KeepShownTileset();
  void KeepShownBackground();
  MenuItem* shownTileset_ = nullptr;     // the choice whose picture is really in use
  MenuItem* shownBackground_ = nullptr;
  bool fallingBack_ = false;
  void AfterLayoutRead();
  void AddLayoutEntry(const std::string& caption, bool shp, const std::string& folder);
  void CheckLayoutEntry(int boardNumber);
  void ChooseLayout(MenuItem& entry, const std::string& path, bool shp);
  void BuildMenus();
  bool TileFree(int tile, bool vertical) const;
  // After a flat game, BoardNumber names the layout whose menu entry is still checked.
  void LayoutFromCheckedEntry();
  // A new game started while paused restores the pause captions.
  void EndPauseForNewGame();
};

}  // namespace velmor
