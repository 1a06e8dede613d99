// The game clock: whole seconds played since the start, the pauses left out, and the penalty
// seconds that hints and shuffles cost. Times come from the platform's 32-bit millisecond
// counter, so every difference is taken modulo 2^32 and survives the counter wrapping.
#pragma once

#include <cstdint>

namespace velmor {

struct GameClock {
  static constexpr int TimeLimitSeconds = 6000;  // 100 minutes: the clock shows 99:59 at most
  static constexpr int HintSeconds = 40;         // what a hint costs, on either board
  static constexpr int ShuffleSecondsPerMove = 10;

  uint32_t StartTick = 0;      // the counter's value when the running clock stood at zero
  int32_t ElapsedSeconds = 0;  // as of the last Update
  int32_t PauseOffset = 0;     // milliseconds run when the clock was paused
  int32_t PenaltySeconds = 0;
  // Standing still without a pause (a flat board with no move left): PauseOffset is the time run.
  bool Held = false;

  // A new game or a restart: nothing played, nothing owed, running from `now`.
  void Start(uint32_t now) {
    ElapsedSeconds = PauseOffset = PenaltySeconds = 0;
    Held = false;
    StartTick = now;
  }
  // Zero again without starting: the game that follows sets StartTick itself.
  void Clear() {
    ElapsedSeconds = PauseOffset = PenaltySeconds = 0;
    Held = false;
  }
  // Milliseconds run as of `now`.
  uint32_t RunMillis(uint32_t now) const { return Held ? static_cast<uint32_t>(PauseOffset) : now - StartTick; }
  void Pause(uint32_t now) { PauseOffset = static_cast<int32_t>(RunMillis(now)); }
  // Runs on from where Pause left it (a held clock still stands).
  void Resume(uint32_t now) { StartTick = now - static_cast<uint32_t>(PauseOffset); }
  void Hold(uint32_t now) {
    if (Held) return;
    PauseOffset = static_cast<int32_t>(now - StartTick);
    Held = true;
  }
  void Release(uint32_t now) {
    if (!Held) return;
    StartTick = now - static_cast<uint32_t>(PauseOffset);
    Held = false;
  }
  // Until the shown second changes; 0 for a clock that stands still.
  uint32_t MillisToNextSecond(uint32_t now) const { return Held ? 0 : 1000 - RunMillis(now) % 1000; }
  void Update(uint32_t now) { ElapsedSeconds = static_cast<int32_t>(RunMillis(now) / 1000u); }
  void AddPenalty(int seconds) { PenaltySeconds += seconds; }
  void ChargeHint() { AddPenalty(HintSeconds); }
  // A shuffle costs more the more moves it found, so that shuffling is no short cut.
  void ChargeShuffle(int movesFound) { AddPenalty(ShuffleSecondsPerMove * movesFound); }
  // What the player is charged: time played plus penalties.
  int32_t Total() const { return ElapsedSeconds + PenaltySeconds; }
};

// The two-player game: one board, turns handed over with every pair taken, and a clock per
// player that runs only during that player's turns. The lower time wins.
struct TwoPlayerClock {
  bool Player2Turn = false;
  int32_t Player1Millis = 0, Player2Millis = 0;
  uint32_t Player1TurnStart = 0, Player2TurnStart = 0;

  void Start(uint32_t now) {
    Player2Turn = false;
    Player1Millis = Player2Millis = 0;
    Player1TurnStart = Player2TurnStart = now;
  }
  // The player on turn stops their clock and the other one's starts.
  void TurnChange(uint32_t now) {
    if (!Player2Turn) {
      Player1Millis += static_cast<int32_t>(now - Player1TurnStart);
      Player2TurnStart = now;
    } else {
      Player2Millis += static_cast<int32_t>(now - Player2TurnStart);
      Player1TurnStart = now;
    }
    Player2Turn = !Player2Turn;
  }
  // A player's time including the turn under way.
  int32_t Running(bool player2, uint32_t now) const {
    if (player2) return Player2Millis + (Player2Turn ? static_cast<int32_t>(now - Player2TurnStart) : 0);
    return Player1Millis + (!Player2Turn ? static_cast<int32_t>(now - Player1TurnStart) : 0);
  }
  enum class Result { Player1Won, Player2Won, Tie };
  Result Outcome() const {
    if (Player2Millis < Player1Millis) return Result::Player2Won;
    if (Player2Millis == Player1Millis) return Result::Tie;
    return Result::Player1Won;
  }
};

}  // namespace velmor
