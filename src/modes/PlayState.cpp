#include "modes/PlayState.h"

namespace velmor {

namespace {

uint8_t NumberOf(GameKind kind, PlayPhase phase) {
  switch (phase) {
    case PlayPhase::Idle:
      return ModeNoGame;
    case PlayPhase::Paused:
      return ModePaused;
    case PlayPhase::Stopped:
      return ModeStopped;
    case PlayPhase::Over:
      return ModeGameOver;
    case PlayPhase::Running:
      break;
  }
  switch (kind) {
    case GameKind::OnePlayer:
      return ModeSolitaire;
    case GameKind::TwoPlayers:
      return ModeTwoPlayers;
    case GameKind::Flat:
      return ModeRivers;
    case GameKind::Editor:
      return ModeEditor;
    case GameKind::None:
      break;
  }
  return ModeNoGame;
}

}  // namespace

void PlayState::Start(GameKind kind, bool paused) {
  kind_ = kind;
  phase_ = paused ? PlayPhase::Paused : PlayPhase::Running;
  after_ = PlayPhase::Running;
}

void PlayState::Clear() { *this = PlayState{}; }

bool PlayState::Pause() {
  if (!Solo()) return false;
  phase_ = PlayPhase::Paused;
  return true;
}

bool PlayState::Hold() {
  if (Is(GameKind::TwoPlayers)) return false;
  phase_ = PlayPhase::Paused;
  return true;
}

bool PlayState::Resume() {
  if (!Paused()) return false;
  phase_ = after_;
  return true;
}

void PlayState::Stop() { phase_ = after_ = PlayPhase::Stopped; }

void PlayState::End() { phase_ = after_ = PlayPhase::Over; }

bool PlayState::EndStopped() {
  if (!Stopped()) return false;
  after_ = PlayPhase::Over;
  return true;
}

GameKind PlayState::ToKeep() const {
  const bool running = Live() || (Paused() && after_ == PlayPhase::Running);
  return running && kind_ != GameKind::Editor ? kind_ : GameKind::None;
}

uint8_t PlayState::Number() const { return NumberOf(kind_, phase_); }

uint8_t PlayState::ResumeNumber() const { return NumberOf(kind_, after_); }

PlayState PlayState::FromNumbers(uint8_t mode, uint8_t resume) {
  PlayState s;
  // A paused game's kind is in what the pause returns to.
  const bool paused = mode == ModePaused;
  switch (paused ? resume : mode) {
    case ModeSolitaire:
      s.Start(GameKind::OnePlayer, paused);
      break;
    case ModeTwoPlayers:
      s.Start(GameKind::TwoPlayers, paused);
      break;
    case ModeRivers:
      s.Start(GameKind::Flat, paused);
      break;
    case ModeEditor:
      s.Start(GameKind::Editor, paused);
      break;
    case ModeGameOver:
      s.End();
      break;
    case ModeStopped:
      s.Stop();
      // A stopped game whose end is known resumes to that end.
      if (resume == ModeGameOver) s.EndStopped();
      break;
    default:
      break;
  }
  if (paused) s.phase_ = PlayPhase::Paused;
  return s;
}

}  // namespace velmor
