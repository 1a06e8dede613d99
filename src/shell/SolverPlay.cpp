#include "shell/SolverPlay.h"

#include <tuple>

#include "base/Say.h"
#include "board/Tiles.h"

namespace velmor {

bool SolverPlay::Watching() const { return menus_.WatchWinnability.Checked() && game_.Play.Is(GameKind::OnePlayer); }

void SolverPlay::CanIStillWin() {
  if (!game_.Play.Is(GameKind::OnePlayer)) {
    hands_.status(VELMOR_TEXT("The solver answers in a one-player game."));
    return;
  }
  announce_ = true;
  if (known_) return Tell(*known_);
  hands_.status(VELMOR_TEXT("Looking for a way to clear the board..."));
  if (!watch_.Busy() || !Watching()) question_ = watch_.Ask(game_.Board, &game_.History, menus_.Vertical.Checked());
}

void SolverPlay::PositionChanged() {
  known_.reset();
  announce_ = false;
  if (demo_) return;  // the demo plays on its own plan; the watch waits until it stops
  if (!Watching() || game_.Board.TilesLeft == 0) {
    watch_.Cancel();
    SetMark("", "");
    return;
  }
  question_ = watch_.Ask(game_.Board, &game_.History, menus_.Vertical.Checked());
  SetMark("\u2026", VELMOR_TEXT("Looking for a way to clear the board"));
}

void SolverPlay::NewBoard() {
  StopDemo();
  demoPlayed_ = false;
  known_.reset();
  watch_.Cancel();
}

void SolverPlay::Tick() {
  if (auto answer = watch_.Take(); answer && answer->question == question_) {
    if (demo_ && planAsked_) {
      planAsked_ = false;
      if (answer->result == SolveResult::Winnable) plan_ = answer->moves;
    } else {
      known_ = std::move(*answer);
      Tell(*known_);
    }
  }
  if (!menus_.WatchWinnability.Checked()) SetMark("", "");
  if (demo_ && !planAsked_ && platform_.TickCount() - lastStep_ >= DemoStepMs) DemoStep();
}

void SolverPlay::Tell(const WinnabilityAnswer& answer) {
  std::string text;
  switch (answer.result) {
    case SolveResult::Winnable:
      text = VELMOR_TEXT("Still winnable.");
      SetMark("\u2714", VELMOR_TEXT("Still winnable"));
      break;
    case SolveResult::NotWinnable:
      if (answer.goBack == 1)
        text = Fill(VELMOR_TEXT("No longer winnable \u2014 go back %1 pair."), answer.goBack);
      else if (answer.goBack > 0)
        text = Fill(VELMOR_TEXT("No longer winnable \u2014 go back %1 pairs."), answer.goBack);
      else
        text = VELMOR_TEXT("No longer winnable.");
      SetMark("\u2718", VELMOR_TEXT("No longer winnable"));
      break;
    case SolveResult::Unknown:
      text = VELMOR_TEXT("The solver could not tell in time whether the game can still be won.");
      SetMark("?", VELMOR_TEXT("Not known whether the game can still be won"));
      break;
  }
  if (announce_ || Watching()) hands_.status(text);
  announce_ = false;
}

void SolverPlay::SetMark(const char* caption, const char* hint) {
  MenuItem& mark = menus_.WinnableMark;
  const bool shown = menus_.WatchWinnability.Checked() && *caption != '\0';
  if (mark.Caption() != caption) mark.SetCaption(caption);
  if (mark.Hint() != hint) mark.SetHint(hint);
  if (mark.Visible() != shown) mark.SetVisible(shown);
}

std::optional<std::pair<int, int>> SolverPlay::KeepingPair() const {
  if (!Watching() || !known_ || known_->result != SolveResult::Winnable || known_->moves.empty()) return std::nullopt;
  return known_->moves.front();
}

int SolverPlay::PairsBackToWin() const {
  if (!Watching() || !known_ || known_->result != SolveResult::NotWinnable) return 0;
  return known_->goBack;
}

void SolverPlay::StartDemo() {
  if (!game_.Play.Is(GameKind::OnePlayer) || game_.Board.TilesLeft == 0 || demo_) return;
  demo_ = demoPlayed_ = true;
  hands_.withdrawn();
  plan_.clear();
  planned_ = 0;
  if (known_ && known_->result == SolveResult::Winnable) {
    plan_ = known_->moves;
  } else {
    planAsked_ = true;
    question_ = watch_.Ask(game_.Board, nullptr, menus_.Vertical.Checked());
  }
  game_.Clear();
  game_.HintTileA = game_.HintTileB = 0;
  lastStep_ = platform_.TickCount() - DemoStepMs;
  hands_.status(VELMOR_TEXT("Demo: the game plays itself. Click or press a key to take over."));
}

void SolverPlay::StopDemo() {
  if (!demo_) return;
  demo_ = planAsked_ = false;
  plan_.clear();
  hands_.status(VELMOR_TEXT("Demo stopped."));
  PositionChanged();
}

void SolverPlay::DemoStep() {
  if (!game_.Play.Is(GameKind::OnePlayer) || game_.Board.TilesLeft == 0) {
    demo_ = false;
    return;
  }
  lastStep_ = platform_.TickCount();
  int a = 0, b = 0;
  auto standing = [this](int t) {
    return t > 0 && !game_.Board.TilePlace[static_cast<size_t>(t)].empty() && hands_.playable(t);
  };
  if (planned_ < plan_.size() && standing(plan_[planned_].first) && standing(plan_[planned_].second)) {
    std::tie(a, b) = plan_[planned_++];
  } else {
    // Without a way to the end the demo still shows the moves there are, to the last one.
    hands_.recountMoves();
    if (!game_.Free.NthMove(1, a, b)) {
      demo_ = false;
      hands_.status(VELMOR_TEXT("Demo: no move is left."));
      PositionChanged();  // the watch, silent while the demo played, answers for where it stopped
      return;
    }
    plan_.clear();
  }
  hands_.takePair(a, b);
  if (game_.Board.TilesLeft == 0) {
    demo_ = false;
    PositionChanged();  // nothing left to watch: the mark goes
  }
}

}  // namespace velmor
