// Voverizo Dadazu: dealing the flat board.
#include "base/Say.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::FourRivers(bool hard, std::optional<uint32_t> state) {
  ColorHighlight();
  if (Layout.BoardNumber < 100) Layout.SavedLayoutNumber = Layout.BoardNumber;
  Layout.BoardNumber = hard ? RiversHardList : RiversEasyList;
  if (state)
    Current.Gen.GeneratorState = *state;
  else
    Deals.ReseedFromClock();
  DealRivers(Current.Board, Current.Gen, hard);

  ResetForNewGame(NewGameKind::Rivers);
  Current.Clock.StartTick = platform.TickCount();
  Clocks.EndPauseForNewGame();
  ShowStatus(VELMOR_TEXT("Voverizo Dadazu started."));
  Current.Play.Start(GameKind::Flat);
  UpdateCommands();
  FullRedraw();
  ShowPanelHOF();
  UpdateWindowTitle();
  Records.Started(StatisticsKey(Layout));
  AfterMove();
}

}  // namespace velmor
