// The game object: the main window without the window. It owns every piece of game state, the
// menu items whose check marks are the options, and every command handler.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/BackgroundWriter.h"
#include "base/Say.h"
#include "display/BoardPictures.h"
#include "display/BoardRenderer.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutInPlay.h"
#include "layouts/LayoutLibrary.h"
#include "modes/GameState.h"
#include "shell/BoardDrawing.h"
#include "shell/BoardShuffle.h"
#include "shell/CommandLine.h"
#include "shell/DeadEnd.h"
#include "shell/Dealer.h"
#include "shell/EditorPlay.h"
#include "shell/FlatPlay.h"
#include "shell/FreeMoves.h"
#include "shell/GameFolders.h"
#include "shell/GameKeeper.h"
#include "shell/GameMenus.h"
#include "shell/GameRecords.h"
#include "shell/HallOfFameFile.h"
#include "shell/HallPage.h"
#include "shell/HelpState.h"
#include "shell/HighlightChoice.h"
#include "shell/Jukebox.h"
#include "shell/KeyboardPlay.h"
#include "shell/LanguageChoice.h"
#include "shell/LayoutChoice.h"
#include "shell/LayoutMenu.h"
#include "shell/LookChoice.h"
#include "shell/LookMenus.h"
#include "shell/PointerHover.h"
#include "shell/ScoreAndPause.h"
#include "shell/SidePanel.h"
#include "shell/SolverPlay.h"
#include "shell/SoundLevels.h"
#include "shell/StatisticsFile.h"
#include "shell/TilePicking.h"
#include "shell/UndoPlay.h"
#include "shell/WindowState.h"

namespace velmor {

// The menus, the game in progress and the board's pictures are models of their own; the game object
// wires what the menus do and runs the handlers.
class TVelmor {
 public:
  VELMOR_SPEAKS(velmor)

  TVelmor(Platform& platform, std::string appFolder);
  TVelmor(const TVelmor&) = delete;
  TVelmor& operator=(const TVelmor&) = delete;

  Platform& platform;
  // First of the parts that keep files, and so the last to go: what they put is written at the end.
  BackgroundWriter Writer{platform.WritesInBackground()};
  GameMenus Menus;    // first: the parts below are given its items
  GameState Current;  // the game in progress
  // Where the game's files are, and where the window stood; first, as the parts below read them.
  FolderPaths Folders;
  WindowState Window;
  LayoutInPlay Layout;     // the layout the board is dealt from
  BoardPictures Pictures;  // the board's pictures and where it stands in the window
  LayoutMenu Listed{platform, Folders, Layout, Menus.Layout1, [this] { AfterLayoutRead(); }};
  // Greys out, in the menu and on the toolbar, the play commands that can do nothing now.
  void UpdateCommands();
  // ---- Free tiles, moves and hints ---------------------------------------------------------
  FreeMoves Moves{Menus, Current, MovesHooks()};
  bool IsPlayable(int tile) const { return Moves.Playable(tile); }
  void IsItFree() { Moves.Recount(); }
  void Hint() { Moves.Hint(); }
  void VerticalClick();
  // ---- Deals and game numbers --------------------------------------------------------------
  Dealer Deals{platform, Menus, Current, Layout, Pictures, DealerHooks()};
  void BeginGame();
  void RandomSolitaireGame1Click();
  void NewRandomSpecificGame1Click();
  void NewSpecificGame1Click();
  void NewGame();
  enum class NewGameKind { Solitaire, TwoPlayers, Rivers };
  void ResetForNewGame(NewGameKind kind);
  // The window's title names the layout and, for a numbered deal, its number.
  void UpdateWindowTitle();
  // ---- Presses, matching, undo and shuffle ---------------------------------------------------
  using Button = TilePicking::Button;
  TilePicking Picks{Current, Pictures, Moves, PickHooks()};
  void PlaySound(const std::string& name);
  // The player's statistics and records, the game in progress on disk, the board with no move.
  GameRecords Records{platform, Writer, [this] { return Folders.ConfigFolder + StatisticsFileName; }};
  HallRecords Hall{platform, Writer, Folders, Listed.Layouts};  // lists 1..99: layouts; 100, 101: flat games
  GameKeeper Keeper{platform, Writer, Folders, Menus, Current, Layout, Listed, Records, KeeperHooks()};
  DeadEnd DeadEnds{platform, Current, [this] { IsItFree(); }, [this] { return Solver.PairsBackToWin(); }};
  SolverPlay Solver{platform, Menus, Current, SolverHands()};
  KeyboardPlay Keys{platform, Current, KeyHands()};
  // The language the window speaks, and the help texts in it.
  LanguageChoice Languages{platform, Folders.AppFolder, Menus.Language1, /*radioGroup=*/9};
  // What follows every move and every new board: the game kept, a dead end noticed, the solver told.
  void AfterMove();
  void TakePair(int a, Place placeA, int b) { Picks.Take(a, placeA, b); }  // as a click takes it
  UndoPlay Undo{platform, Current, UndoHooks()};                           // Back, Redo and Restart
  void Back() { Undo.Back(); }
  BoardShuffle Shuffles{platform, Menus, Current, Deals, Moves, ShuffleHooks()};
  void Shuffle1Click() { Shuffles.Shuffle(); }
  void FormMouseMove(int X, int Y) { Hover.Move(X, Y); }
  void ButtonDown(Button button, int X, int Y);
  void ExplorerButton1MouseUp(Button button);
  void ShowCurrentTileClick();
  // ---- Clock, pause and status line -------------------------------------------------------
  uint32_t TickCount = 0;  // timer ticks since start-up
  ScoreAndPause Clocks{platform, Menus, Current, Pictures, ClockHooks()};
  void ShowStatus(const std::string& message) { Clocks.Say(message); }
  void StatusGivesWay() { Clocks.GiveWay(); }
  void Temps();  // the 50 ms heartbeat
  // Milliseconds until the heartbeat has something to do again: 0 when nothing moves or counts.
  int HeartbeatDelay() const;
  void WriteScore() { Clocks.WriteScore(); }
  void PauseClick() { Clocks.Pause(); }
  void FormDeactivate() { Clocks.FocusLost(); }
  void FormActivate() { Clocks.FocusBack(); }
  void NStatus() { Clocks.ToggleMoves(); }
  void ShowTimeClick() { Clocks.ToggleTime(); }
  void Stop() { Clocks.Stop(); }
  // ---- Layouts -----------------------------------------------------------------------------
  bool StartingUp = false;
  int32_t ReachedRank = 0;
  bool RunLayout(const std::string& path) { return Listed.Play(path, false); }
  bool RunShpLayout(const std::string& path) { return Listed.Play(path, true); }
  // Lists the layouts (see LayoutMenu::Build) and has the chooser count them.
  bool BuildLayoutList();
  bool LoadStartLayout() { return Listed.LoadStart(); }
  LayoutChoice Choice{platform, Folders, Current, Listed, Hall, Records, ChoiceHooks()};  // the chooser, the importer
  // ---- Start-up, settings and shutdown --------------------------------------------------------
  std::string CurrentPlayer = "Player1";
  // The first game the command line asked for, played instead of the remembered one.
  StartRequest Asked;
  // Everything up to the first showing of the window. False when the program cannot run (the
  // player has been told why): the caller ends the program.
  bool Init();
  bool LoadFiles();
  void FormShow();
  void FormCloseQuery();
  void Toolbar1Click();
  void ShowTitleClick();
  void GrowWindow(int extraHeight);
  void CoolMouseClick();
  int WindowContentWidth() const;
  int WindowContentHeight() const;
  // ---- Tunes ----------------------------------------------------------------------------------
  Jukebox Tunes{platform,
                {Menus.Music, Menus.PlayMusic, Menus.RandomMusic, Menus.SetMusic},
                [this](int n) { return Current.Gen.RandomBelow(n); },
                [this](const std::string& message) { ShowStatus(message); }};
  SoundLevels Volumes{platform, Menus.MusicVolume, Menus.EffectsVolume};
  // ---- Board pictures, drawing, the pointer, tilesets and backgrounds -------------------------
  BoardDrawing View{platform, Menus, Current, Pictures, Keys, ViewHooks()};
  PointerHover Hover{Menus, Current, Pictures, Moves, View, HoverHooks()};  // the pointer over the board
  virtual ~TVelmor() = default;
  virtual void FullRedraw();
  virtual void RedrawTile(int tile);
  void ShowFond() { View.ShowBackground(); }
  HighlightChoice Highlights{Menus, Pictures, Current, [this](int tile) { RedrawTile(tile); }};
  void ColorHighlight() { Highlights.Apply(); }
  void ShadowsClick();
  LookMenus Looks{platform, Folders.AppFolder, Menus, Pictures, Current.Play, [this] { FullRedraw(); }};
  // The window shows the board at another whole scale: every picture is made again at it.
  void SetBoardScale(int scale);
  // ---- End of game, two players, Hall of Fame ------------------------------------------------
  bool NewRecordShowing = false;
  bool CheckGameEnd();  // true when the game has just ended or had ended before
  void GameOver();
  void TwoPlayers();
  void TurnChange() { Current.Turns.TurnChange(platform.TickCount()); }
  SidePanel Panel{platform, Menus, Current, Pictures, Layout, Hall};
  void RefreshTwoPlayerPanel() { Panel.ShowTurns(); }
  void ShowPanelHOF() { Panel.ShowHall(ReachedRank); }
  void ShowHallPanel();
  EditorPlay Editor{platform, Folders, Menus, Current, Layout, Pictures, Listed, Hall, EditorHooks()};
  // ---- Voverizo Dadazu -------------------------------------------------------------------------
  // Deals the flat game; `state` replaces the clock seed (for velmor-cli).
  void FourRivers(bool hard, std::optional<uint32_t> state = std::nullopt);
  FlatPlay Flat{platform, Menus, Current, Pictures, FlatHooks()};
  // ---- Help window ----------------------------------------------------------------------------
  HelpWindowState Help;
  HallPage HallTab{platform, Help, Listed, Layout, Hall, Panel, CurrentPlayer, ReachedRank};
  void CallHelp(HelpPage page);
  void PlayerNameChange(const std::string& text) { CurrentPlayer = text; }
  void RandomSeedChange(const std::string& text) { Help.RandomSeed = text; }
  void FillLayoutChooser() { HallTab.FillChooser(); }
  bool ReadHelpTexts();

 private:
  int GameHeartbeatDelay() const;  // what the game itself needs, the music aside
  GameKeeper::Hooks KeeperHooks();
  PointerHover::Hooks HoverHooks();
  BoardShuffle::Hooks ShuffleHooks();
  TilePicking::Hooks PickHooks();
  ScoreAndPause::Hooks ClockHooks();
  FreeMoves::Hooks MovesHooks();
  SolverPlay::Hands SolverHands();
  LayoutChoice::Hooks ChoiceHooks();
  FlatPlay::Hooks FlatHooks();
  EditorPlay::Hooks EditorHooks();
  Dealer::Hooks DealerHooks();
  UndoPlay::Hooks UndoHooks();
  BoardDrawing::Hooks ViewHooks();
  KeyboardPlay::Hands KeyHands();  // the keys do what the mouse does
  // A layout was read: a deal starts on it (or the credit line shows, at start-up).
  void AfterLayoutRead();
  void BuildMenus();
};

}  // namespace velmor
