// Free tiles, hints, deals and the new-game commands.
#include <algorithm>
#include <string>
#include <tuple>

#include "base/Say.h"
#include "base/Version.h"
#include "board/Deal.h"
#include "modes/FlatGame.h"
#include "shell/TVelmor.h"

namespace velmor {

bool TVelmor::Dispo(int tile) const { return TileFreeIn(Play, Board, tile, false); }
bool TVelmor::Dispo_Vertical(int tile) const { return TileFreeIn(Play, Board, tile, true); }

void TVelmor::LayoutFromCheckedEntry() {
  if (Layout.BoardNumber < 100) return;
  for (int k = 1; k <= Layouts.Count(); ++k)
    if (MenuItem* entry = LayoutEntries.Entry(k); entry && entry->Checked()) Layout.BoardNumber = k;
}

void TVelmor::EndPauseForNewGame() {
  if (!Play.Paused()) return;
  Pause1.SetCaption(VELMOR_TEXT("&Pause"));
  PauseButton.SetCaption(VELMOR_TEXT("Pause"));
  Pause1.SetEnabled(true);
  StatusGivesWay();
}

void TVelmor::IsItFree() {
  if (!Play.Is(GameKind::OnePlayer) && !Play.Is(GameKind::TwoPlayers)) return;
  if (Vertical.Checked())
    Free.Recount(Board.TileCount, [this](int t) { return Dispo_Vertical(t); });
  else
    Free.Recount(Board.TileCount, [this](int t) { return Dispo(t); });
}

void TVelmor::Hint() {
  if (Play.Is(GameKind::Flat)) return RiversHint();
  if (!Play.Is(GameKind::OnePlayer) || Free.MovesLeft == 0) return;
  // Watching winnability, the hint is a pair the solver's way to the end takes.
  if (const auto keep = Solver.KeepingPair()) {
    std::tie(HintTileA, HintTileB) = *keep;
  } else {
    HintTileA = HintTileB = 0;
    IsItFree();
    if (!Free.NextHint(HintIndex, HintTileA, HintTileB)) return;
  }
  Clock.ChargeHint();
  FullRedraw();
}

void TVelmor::VerticalClick() {
  if (Play.Is(GameKind::OnePlayer)) {
    if (platform.Confirm(VELMOR_TEXT("Vertical variation"),
                         VELMOR_TEXT("If you want to change the game mode, you'll have to restart your "
                                     "game. Do you wish to continue ?"))) {
      BeginGame();
      Vertical.Toggle();
    }
  } else if (Play.Idle() || Play.Over() || Play.Stopped()) {
    Vertical.Toggle();
  }
}

void TVelmor::ReseedFromClock() { Gen.Reseed(platform.UtcMillisecondOfDay()); }

bool TVelmor::AnimatedDeal() const { return Animate.Checked() && Play.Underway() && !RandomSeed1.Checked(); }

void TVelmor::DealLayout() {
  const int n = MarkLayoutPositions(Board.BoardGrid, Layout.Shape);
  Board.TilesLeft = n;
  Board.TileCount = TileTotal;
  for (auto& p : Board.TilePlace) p = Place{};
  if (Play.Editing()) {
    // The editor's heap is unfinished by nature (any count, odd too): its tiles are only
    // numbered, never dealt, and all look blank.
    int t = 0;
    for (const Place& p : BuildPositionList(Board.BoardGrid)) Board.PutTile(++t, p);
    return;
  }
  if (!IsDealableCount(n)) {
    // Layout readers refuse such shapes; this only guards against a shape built some other way.
    MarkLayoutPositions(Board.BoardGrid, LayoutShape{});
    Board.TilesLeft = 0;
    platform.ShowError(
        Fill(VELMOR_TEXT("The layout \"%1\" has %2 tiles; a layout needs an even number of tiles from 2 to 144."),
             Layout.LayoutName, n));
    return;
  }

  const bool animated = AnimatedDeal();
  if (animated) FullRedraw();

  DealHooks hooks;
  hooks.seed = [this] {
    if (RandomSeed1.Checked() && GameNumber > 0)
      Gen.GeneratorState = static_cast<uint32_t>(GameNumber);
    else
      ReseedFromClock();
  };

  if (Winnable.Checked()) {
    if (animated) {
      hooks.redrawStart = [this] { FullRedraw(); };
      hooks.redrawPair = [this] {
        FullRedraw();
        AnimationStep(2 * Pictures.DealTileMs);
      };
    }
  } else if (Animate.Checked() && !Play.Editing() && !RandomSeed1.Checked()) {
    hooks.redrawTile = [this](int tile) {
      RedrawTile(tile);
      AnimationStep(Pictures.DealTileMs);
    };
  }
  // A shape that keeps running into dead ends cannot be dealt winnable at all.
  if (!DealShape(
          Board, Layout.Shape, Winnable.Checked(), Gen, hooks, [this] { ReseedFromClock(); }, &RemovalOrder))
    ShowStatus(VELMOR_TEXT("This layout cannot be dealt winnable: dealt at random."));
}

bool TVelmor::ShuffleBoard() {
  const bool playing = Play.Playing();
  DealHooks hooks;
  hooks.seed = [this] { ReseedFromClock(); };
  if (Animate.Checked() && playing && !RandomSeed1.Checked()) hooks.redrawStart = [this] { FullRedraw(); };
  if (Animate.Checked() && Play.Underway())
    hooks.redrawPair = [this] {
      FullRedraw();
      AnimationStep(2 * Pictures.DealTileMs);
    };
  if (!Play.Is(GameKind::Flat)) return velmor::ShuffleBoard(Board, Gen, hooks, &RemovalOrder);
  return ShuffleFlatLayers(Board, Gen, hooks.seed, RemovalOrder);
}

void TVelmor::BeginGame() {
  ColorHighlight();
  Pause1.SetCaption(VELMOR_TEXT("&Pause"));
  PauseButton.SetCaption(VELMOR_TEXT("Pause"));
  Pictures.FrameBuffer = Pictures.BackgroundImage;
  LayoutFromCheckedEntry();
  DealLayout();

  ResetForNewGame(NewGameKind::Solitaire);

  EndPauseForNewGame();
  if (!Play.Editing()) {
    Play.Start(GameKind::OnePlayer);
    UpdateCommands();
  }
  if (GameNumber > 0 && RandomSeed1.Checked())
    ShowStatus(Fill(VELMOR_TEXT("Specific Board started. Random Seed #%1"), GameNumber));
  ShowPanelHOF();
  FullRedraw();
  if (Status.Pos <= 1) ShowStatus(VELMOR_TEXT("New game started."));
  Clock.StartTick = platform.TickCount();
  UpdateWindowTitle();
  if (Play.Is(GameKind::OnePlayer)) Records.Started(StatisticsKey(Layout));
  AfterMove();
}

void TVelmor::UpdateWindowTitle() {
  // Only a numbered deal on a layout names its number; the flat games never have one.
  const bool numbered = GameNumber > 0 && RandomSeed1.Checked() && Layout.BoardNumber < RiversEasyList;
  std::string title;
  if (Layout.BoardNumber == RiversHardList)
    title = Fill(VELMOR_TEXT("Velmor %1 - Voverizo Dadazu (Hard)"), VELMOR_VERSION);
  else if (Layout.BoardNumber == RiversEasyList)
    title = Fill(VELMOR_TEXT("Velmor %1 - Voverizo Dadazu (Easy)"), VELMOR_VERSION);
  else if (!Layout.LayoutName.empty())
    title = numbered ? Fill(VELMOR_TEXT("Velmor %1 - %2 - game %3"), VELMOR_VERSION, Layout.LayoutName, GameNumber)
                     : Fill(VELMOR_TEXT("Velmor %1 - %2"), VELMOR_VERSION, Layout.LayoutName);
  else
    title = numbered ? Fill(VELMOR_TEXT("Velmor %1 - game %2"), VELMOR_VERSION, GameNumber)
                     : Fill(VELMOR_TEXT("Velmor %1"), VELMOR_VERSION);
  platform.SetWindowTitle(title);
}

// What every new deal starts from, whatever its kind. A two-player game keeps PenaltySeconds as
// the game before left it: hints are not offered and shuffles cost nothing there, so the only
// use it has is the 100-minute limit, which still counts what that game owed.
void TVelmor::ResetForNewGame(NewGameKind kind) {
  BoardCleared = ResultShown = Status.Bounce = false;
  Solver.NewBoard();
  HintIndex = HintTileA = HintTileB = 0;
  Selection::Clear();
  HoverTile = 0;
  History.Clear();
  const int32_t penalty = Clock.PenaltySeconds;
  Clock.Clear();
  if (kind == NewGameKind::TwoPlayers) Clock.PenaltySeconds = penalty;
}

void TVelmor::RandomSolitaireGame1Click() {
  RandomSeed1.SetChecked(false);
  BeginGame();
}

void TVelmor::NewRandomSpecificGame1Click() {
  RandomSeed1.SetChecked(true);
  ReseedFromClock();
  GameNumber = RandomBelow(2147483647);
  BeginGame();
}

void TVelmor::NewSpecificGame1Click() {
  RandomSeed1.SetChecked(true);
  BeginGame();
}

void TVelmor::NewGame() {
  if (Play.Is(GameKind::Flat) || Layout.BoardNumber == 100 || Layout.BoardNumber == 101)
    FourRivers(Layout.BoardNumber == RiversHardList);  // the variant last played
  else if (Play.Is(GameKind::TwoPlayers))
    TwoPlayers();
  else
    RandomSolitaireGame1Click();
}

}  // namespace velmor
