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
#include "display/BoardRenderer.h"
#include "display/Picture.h"
#include "display/Tileset.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutLibrary.h"
#include "modes/GameClock.h"
#include "modes/HallOfFame.h"
#include "shell/GameMenus.h"
#include "shell/LookChoice.h"
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

// The menus are a model of their own; the game object wires their handlers and keeps their names.
class TVelmor : public GameMenus {
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
  enum class NewGameKind { Solitaire, TwoPlayers, Rivers };
  void ResetForNewGame(NewGameKind kind);

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
  GameClock Clock;
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

  // ---- Layouts -----------------------------------------------------------------------------
  LayoutShape Shape;           // LayoutShape
  std::string LayoutName = "External Layout";
  std::string LayoutPath;
  LayoutLibrary Layouts;              // the Layout menu's entries, in its order
  std::string RememberedLayoutFile;  // "LayoutFile" of the settings: wins over BoardNumber
  int32_t BoardNumber = -1;
  bool StartingUp = false;
  int32_t ReachedRank = 0;

  bool RunLayout(const std::string& path);
  bool RunShpLayout(const std::string& path);
  bool SaveLayout();
  void LoadlayoutClick(MenuItem& entry);
  void LoadShplayoutClick(MenuItem& entry);
  // Builds Layouts and the "&Layout" entries from AppFolder + "Layouts/" and the player's
  // own layouts folder, where a layout of the same name replaces the shipped one. False (after
  // telling the player) when there is no layout at all.
  bool BuildLayoutList();
  void ResolveLayoutPath();
  // Loads LayoutPath with the reader its extension calls for.
  bool LoadCurrentLayout();
  // The same at start-up, falling back to another layout when the remembered one is refused.
  bool LoadStartLayout();
  MenuItem* LayoutEntry(int boardNumber);
  int LayoutNumberOf(const MenuItem& entry) const;  // 0 when it is no layout entry
  std::vector<MenuItem*> LayoutEntries;            // 1-based, beside Layouts
  std::string LayoutsFolder() const { return AppFolder + "Layouts/"; }
  // Where new and changed layouts are written.
  std::string SaveLayoutsFolder() const { return UserLayoutsFolder.empty() ? LayoutsFolder() : UserLayoutsFolder; }

  // ---- Start-up, settings and shutdown --------------------------------------------------------
  std::string CurrentPlayer = "Player1";
  int32_t SavedLayoutNumber = 1;
  bool DisplayModeChanged = false;
  int32_t PreviousRes = 0;
  int32_t SavedLeft = 0, SavedTop = 0;  // the window's place at the last shutdown
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
  std::vector<MenuItem*> TuneEntries;  // 1-based: the tune entries of the Music menu
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
  // The renderer over the current looks and board origin, and the marks of the game in progress.
  BoardRenderer Renderer() const;
  BoardMarks Marks() const;
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


 private:
  // Before every redraw: the Hall of Fame panel refreshed when asked for, and a cleared or
  // paused board handed to GameOver instead of being drawn (true then).
  bool RefreshPanelAndCheckGameEnd();

 public:
  // ---- Tilesets and backgrounds --------------------------------------------------------------
 private:
  // Each menu's rules; built before the names below that refer into them. They read AppFolder at
  // each use, so the slash the constructor adds to it still counts.
  LookChoice::Loaders LookLoaders(std::function<void(Picture&)> use, std::function<void()> fallBack);
  LookChoice TilesetChoice();
  LookChoice BackgroundChoice();
  LookChoice tilesets_ = TilesetChoice();
  LookChoice backgrounds_ = BackgroundChoice();

 public:
  // The files "Load from disk" reloads, under the names the settings keep them by.
  std::string& LastLoadedTileset = tilesets_.remembered;
  std::string& LastLoadedBackground = backgrounds_.remembered;
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


  // ---- End of game, two players, Hall of Fame ------------------------------------------------
  std::array<HallList, RiversHardList + 1> HallOfFame;  // lists 1..99: layouts; 100, 101: flat games
  bool NewRecordShowing = false;
  TwoPlayerClock Turns;
  void GameOver();
  void TwoPlayers();
  void TurnChange() { Turns.TurnChange(platform.TickCount()); }
  void RefreshTwoPlayerPanel();
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
  // Reads a layout for play; a refusal is shown to the player.
  bool ReadLayoutFile(const std::string& path, bool shp, LayoutShape& shape, std::string& name);
  void ClearHover();
  bool LoadPicture(const std::string& path, bool jpeg, Picture& out);
  void AfterLayoutRead();
  void AddLayoutEntry(int number);  // the menu entry of Layouts[number], appended
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
