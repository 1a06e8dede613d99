// What is on the board and where it stands: the kind of game (one player, two players, the flat
// game, the editor) and its phase (running, paused, stopped, over), with every legal change of
// phase in one place. The window asks it questions rather than comparing mode numbers.
#pragma once

#include <cstdint>

namespace velmor {

enum class GameKind : uint8_t { None, OnePlayer, TwoPlayers, Flat, Editor };
enum class PlayPhase : uint8_t { Idle, Running, Paused, Stopped, Over };

// The single mode number the game had before kind and phase were apart. Tests and the soak
// harness still speak it; nothing stores it.
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

class PlayState {
 public:
  // ---- Changes. Those that return false were refused and changed nothing. ------------------
  // A game of `kind` (or the editor) begins, from whatever stood before; a game read back from
  // disk may come back paused, as it was left.
  void Start(GameKind kind, bool paused = false);
  // The board is emptied: no game at all.
  void Clear();
  // The player pauses: only the one-player game and the flat game have a clock to hold.
  bool Pause();
  // The help window holds whatever stands, except a two-player game, which is never held.
  bool Hold();
  // A pause ends where it began: the game running again, or a game that was over or stopped.
  bool Resume();
  // The game stops; a later resume must not bring it back.
  void Stop();
  // The game is over and its end is shown.
  void End();
  // A stopped game turns out to be over: it stays stopped, but a later resume lands on its end.
  bool EndStopped();

  // ---- Questions ----------------------------------------------------------------------------
  GameKind Kind() const { return kind_; }
  PlayPhase Phase() const { return phase_; }
  // A game of this kind (or the editor) is running.
  bool Is(GameKind kind) const { return phase_ == PlayPhase::Running && kind_ == kind; }
  // The board takes clicks: a game or the editor runs.
  bool Live() const { return phase_ == PlayPhase::Running; }
  // A game, not the editor, runs: tiles may be taken.
  bool Playing() const { return Live() && kind_ != GameKind::Editor; }
  // The one-player game or the flat game runs: the games with a clock to pause and a history.
  bool Solo() const { return Is(GameKind::OnePlayer) || Is(GameKind::Flat); }
  bool Editing() const { return Is(GameKind::Editor); }
  bool Idle() const { return phase_ == PlayPhase::Idle; }
  bool Paused() const { return phase_ == PlayPhase::Paused; }
  bool Stopped() const { return phase_ == PlayPhase::Stopped; }
  bool Over() const { return phase_ == PlayPhase::Over; }
  // A game stands on the board, running or behind a pause: its counts and clock are shown.
  bool Underway() const { return Playing() || Paused(); }
  // The game a resume would run, were the window to resume now: the one to keep on disk. None
  // for the editor and for a game that is stopped or over.
  GameKind ToKeep() const;

  // ---- The old mode numbers, computed from kind and phase and read back into them ------------
  uint8_t Number() const;
  uint8_t ResumeNumber() const;  // the mode a pause returns to
  static PlayState FromNumbers(uint8_t mode, uint8_t resume);

  friend bool operator==(const PlayState&, const PlayState&) = default;

 private:
  GameKind kind_ = GameKind::None;
  PlayPhase phase_ = PlayPhase::Idle;
  // What a pause returns to: Running while a game or the editor runs, and the game's stop or
  // end after it; the help window can be opened over those too.
  PlayPhase after_ = PlayPhase::Stopped;
};

}  // namespace velmor
