// Long play: ten thousand deals and a thousand flat games played out with every command mixed in,
// the board model checked after every single step; and the game clock kept for fifty days across
// the wrap of the 32-bit tick counter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "modes/FlatGame.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// The soak's own dice: the standard distributions differ between libraries, and a failure must
// replay the same on every machine.
class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  bool PerMille(int chance) { return Below(1000) < chance; }
  template <class T>
  void Shuffle(std::vector<T>& v) {
    for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[static_cast<size_t>(Below(static_cast<int>(i)))]);
  }

 private:
  uint64_t state_;
};

struct SoakFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

template <class... Parts>
[[noreturn]] void Fail(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  throw SoakFailure(text.str());
}

std::string Str(const Place& p) {
  return "(" + std::to_string(p.column) + "," + std::to_string(p.row) + "," + std::to_string(p.layer) + ")";
}

// A record of every picture, text and sound would grow without end over millions of steps: this
// platform only counts pictures and keeps the last sound.
class QuietPlatform : public FakePlatform {
 public:
  long long boardsShown = 0;
  std::string lastSound;
  void PresentBoard(const Picture&, const Rect&) override { ++boardsShown; }
  void PresentPanel(const Picture&, const Rect&) override {}
  void DrawText(Picture&, int, int, const std::string&, const TextStyle&, uint32_t) override {}
  void PlayWave(const std::string& path) override { lastSound = path.substr(path.rfind('/') + 1); }
};

// Composing the board picture for every step of every deal would take hours. Drawing decides
// nothing about the game, so most games skip the picture, and a few whole games are drawn for real.
class SoakGame : public TVelmor {
 public:
  using TVelmor::TVelmor;
  bool drawForReal = false;
  void FullRedraw() override {
    if (drawForReal) TVelmor::FullRedraw();
  }
  void RedrawTile(int tile) override {
    if (drawForReal) TVelmor::RedrawTile(tile);
  }
};

// ---- What the rules say, worked out here without the game's code -----------------------------

bool Filled(const Grid& g, int c, int r, int l) { return g.at(c, r, l) != 0; }

bool FreeUnderRule(const Grid& g, const Place& p, bool vertical) {
  bool blockedA = false, blockedB = false;
  for (int k = -1; k <= 1; ++k) {
    if (vertical) {
      blockedA |= Filled(g, p.column + k, p.row - 2, p.layer);
      blockedB |= Filled(g, p.column + k, p.row + 2, p.layer);
    } else {
      blockedA |= Filled(g, p.column - 2, p.row + k, p.layer);
      blockedB |= Filled(g, p.column + 2, p.row + k, p.layer);
    }
  }
  if (blockedA && blockedB) return false;
  if (p.layer == 5) return true;
  for (int dc = -1; dc <= 1; ++dc)
    for (int dr = -1; dr <= 1; ++dr)
      if (Filled(g, p.column + dc, p.row + dr, p.layer + 1)) return false;
  return true;
}

// Two removed tiles show one picture, or are two flowers, or two seasons.
bool PicturesPair(int a, int b) {
  auto family = [](int t) { return t >= 109 && t <= 112 ? 1 : t >= 113 && t <= 116 ? 2 : 0; };
  if (family(a) || family(b)) return family(a) == family(b);
  return FaceOfTile(a) == FaceOfTile(b);
}

std::string MinSec(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

// A path of at most three straight segments through empty places of one layer of the flat board,
// whose places are the even columns 2..32 and the odd rows 1..19. Every such path turns at a
// column or a row that both of its end segments reach, so trying each column and each row as the
// middle segment covers them all.
bool Joined(const Grid& g, const Place& a, const Place& b) {
  if (a.layer != b.layer || a == b) return false;
  const int l = a.layer;
  auto open = [&](int c, int r) {
    return (c == a.column && r == a.row) || (c == b.column && r == b.row) || g.at(c, r, l) == 0;
  };
  auto lineOpen = [&](int c1, int r1, int c2, int r2) {
    const int dc = 2 * ((c2 > c1) - (c2 < c1)), dr = 2 * ((r2 > r1) - (r2 < r1));
    for (int c = c1, r = r1;; c += dc, r += dr) {
      if (!open(c, r)) return false;
      if (c == c2 && r == r2) return true;
    }
  };
  for (int x = 2; x <= 32; x += 2)
    if (lineOpen(a.column, a.row, x, a.row) && lineOpen(x, a.row, x, b.row) && lineOpen(x, b.row, b.column, b.row))
      return true;
  for (int y = 1; y <= 19; y += 2)
    if (lineOpen(a.column, a.row, a.column, y) && lineOpen(a.column, y, b.column, y) &&
        lineOpen(b.column, y, b.column, b.row))
      return true;
  return false;
}

// ---- One game on the table, watched after every step -----------------------------------------

class Session {
 public:
  Session(SoakGame& g, QuietPlatform& p, Dice& d) : game(g), platform(p), dice(d) {}
  long long steps = 0;
  int records = 0;

 protected:
  SoakGame& game;
  QuietPlatform& platform;
  Dice& dice;
  std::string where;  // which game, for failure messages

  // The clock as the test keeps it: milliseconds played while the game ran, and penalties.
  long long playedMs = 0;
  int penalty = 0;

  // The places dealt: every one is either still occupied or in the history, exactly once.
  uint8_t dealt[GridColumns][GridRows][GridLayers] = {};
  int dealtCount = 0;
  int helpsAtDeal = 0;

  bool Running() const {
    return game.Current.Play.Number() == ModeSolitaire || game.Current.Play.Number() == ModeRivers;
  }
  bool Vertical() const { return game.Menus.Vertical.Checked(); }
  bool OnBoard(int t) const { return t >= 1 && t <= TileTotal && !game.Current.Board.TilePlace[t].empty(); }
  bool Playable(int t) const {
    return OnBoard(t) && (game.Current.Play.Number() == ModeRivers ||
                          FreeUnderRule(game.Current.Board.BoardGrid, game.Current.Board.TilePlace[t], Vertical()));
  }

  void Tick(int ms) {
    // A flat board with no pair left to join holds the clock until a move opens again.
    const bool held = game.Current.Play.Number() == ModeRivers && game.Current.Board.TilesLeft > 0 &&
                      RiversDeadEnd(game.Current.Board);
    if (Running() && !held) playedMs += ms;
    platform.tick += static_cast<uint32_t>(ms);
    game.Temps();
  }

  // One step: something was done; a heartbeat passes; the whole model is checked.
  void Step(const std::string& what) {
    Tick(dice.Below(1200));
    Check(what);
  }

  [[noreturn]] void Broken(const std::string& what, const std::string& why) const {
    Fail(where, ", step ", steps, " (", what, "): ", why);
  }

  void RecordDeal() {
    std::memset(dealt, 0, sizeof dealt);
    dealtCount = 0;
    for (int t = 1; t <= TileTotal; ++t)
      if (OnBoard(t)) {
        const Place& p = game.Current.Board.TilePlace[t];
        dealt[p.column][p.row][p.layer] = 1;
        ++dealtCount;
      }
    playedMs = 0;
    penalty = 0;
    helpsAtDeal = platform.helpShown;
  }

  // The free tiles and moves, worked out afresh under the rule in force.
  struct Count {
    std::vector<int> free;  // ascending
    int moves = 0;
  };
  Count Recount() const {
    Count n;
    int perGroup[36] = {};
    for (int t = 1; t <= TileTotal; ++t)
      if (OnBoard(t) && FreeUnderRule(game.Current.Board.BoardGrid, game.Current.Board.TilePlace[t], Vertical())) {
        n.free.push_back(t);
        ++perGroup[MatchGroup(t)];
      }
    for (int k : perGroup) n.moves += std::max(k - 1, 0);
    return n;
  }

  void Check(const std::string& what) {
    ++steps;
    const BoardState& b = game.Current.Board;
    const Grid& g = b.BoardGrid;
    if (b.TileCount != TileTotal) Broken(what, "TileCount is " + std::to_string(b.TileCount));

    uint8_t marks[GridColumns][GridRows][GridLayers];
    std::memcpy(marks, dealt, sizeof marks);
    int onBoard = 0;
    for (int c = 0; c < GridColumns; ++c)
      for (int r = 0; r < GridRows; ++r)
        for (int l = 0; l < GridLayers; ++l) {
          const int v = g.at(c, r, l);
          if (v == 0) continue;
          const Place here{c, r, l};
          if (v > TileTotal) Broken(what, "cell " + Str(here) + " holds " + std::to_string(v));
          if (c < 1 || c > AnchorColumns || r < 1 || r > AnchorRows || l < 1 || l > AnchorLayers)
            Broken(what, "tile " + std::to_string(v) + " outside the anchor range at " + Str(here));
          if (!(b.TilePlace[v] == here))
            Broken(what,
                   "cell " + Str(here) + " names tile " + std::to_string(v) + " whose place is " + Str(b.TilePlace[v]));
          if (marks[c][r][l] != 1)
            Broken(what, "tile " + std::to_string(v) + " stands on " + Str(here) + ", not a place dealt");
          marks[c][r][l] = 3;
          for (int dc = -1; dc <= 1; ++dc)
            for (int dr = -1; dr <= 1; ++dr)
              if ((dc || dr) && g.at(c + dc, r + dr, l))
                Broken(what, "tile " + std::to_string(v) + " at " + Str(here) + " overlaps another one on its layer");
          ++onBoard;
        }
    for (int t = 1; t <= TileTotal; ++t) {
      const Place& p = b.TilePlace[t];
      if (!p.empty() && g.at(p) != t)
        Broken(what, "tile " + std::to_string(t) + " is missing from its place " + Str(p));
      if (!p.empty() && t > dealtCount) Broken(what, "tile " + std::to_string(t) + " was never dealt");
    }
    if (onBoard != b.TilesLeft)
      Broken(what,
             "TilesLeft is " + std::to_string(b.TilesLeft) + " with " + std::to_string(onBoard) + " on the board");
    if (b.TilesLeft % 2) Broken(what, "an odd number of tiles");

    if (game.Current.History.Count != dealtCount - b.TilesLeft || game.Current.History.Count % 2)
      Broken(what, "HistoryCount " + std::to_string(game.Current.History.Count) + " with " +
                       std::to_string(b.TilesLeft) + " tiles left");
    bool removed[TileTotal + 1] = {};
    for (int k = 0; k < game.Current.History.Count; ++k) {
      const auto& e = game.Current.History.Entries[static_cast<size_t>(k)];
      const Place p{e.column, e.row, e.layer};
      if (e.tile < 1 || e.tile > dealtCount || removed[e.tile] || OnBoard(e.tile))
        Broken(what, "history entry " + std::to_string(k) + " names tile " + std::to_string(e.tile));
      removed[e.tile] = true;
      if (p.column < 0 || p.column >= GridColumns || p.row < 0 || p.row >= GridRows || p.layer < 0 ||
          p.layer >= GridLayers || marks[p.column][p.row][p.layer] != 1)
        Broken(what, "history entry " + std::to_string(k) + " keeps " + Str(p) + ", not an empty place dealt");
      marks[p.column][p.row][p.layer] = 2;
      if (k % 2) {
        const int first = game.Current.History.Entries[static_cast<size_t>(k - 1)].tile;
        if (!TilesMatch(first, e.tile) || !PicturesPair(first, e.tile))
          Broken(what, "removed pair " + std::to_string(first) + "-" + std::to_string(e.tile) + " does not match");
      }
    }

    if (game.Current.SecondTile != 0) Broken(what, "SecondTile is set between clicks");
    if (game.Current.FirstTile != 0 && !Playable(game.Current.FirstTile))
      Broken(what, "the selected tile " + std::to_string(game.Current.FirstTile) + " cannot be taken");
    if (game.Current.HintTileA || game.Current.HintTileB) {
      const int ha = game.Current.HintTileA, hb = game.Current.HintTileB;
      // Removing tiles never covers one: a hinted tile stays free until it is taken.
      if (!TilesMatch(ha, hb) || (OnBoard(ha) && !Playable(ha)) || (OnBoard(hb) && !Playable(hb)))
        Broken(what, "hint " + std::to_string(ha) + "-" + std::to_string(hb));
    }

    const bool shown = !game.Current.BoardCleared && (Running() || game.Current.Play.Number() == ModePaused);
    if (game.Current.Play.Number() == ModeSolitaire && !game.Current.BoardCleared) {
      const Count n = Recount();
      const auto& f = game.Current.Free;
      bool same = f.FreeCount == static_cast<int>(n.free.size());
      for (int k = 0; same && k < f.FreeCount; ++k)
        same = f.FreeList[static_cast<size_t>(k) + 1] == n.free[static_cast<size_t>(k)];
      if (!same)
        Broken(what, "FreeList disagrees: " + std::to_string(f.FreeCount) + " free, " + std::to_string(n.free.size()) +
                         " expected");
      if (f.MovesLeft != n.moves)
        Broken(what, "MovesLeft " + std::to_string(f.MovesLeft) + ", expected " + std::to_string(n.moves));
      if (game.Menus.Moves.Checked() && game.Menus.MovesLeftLine.Caption() != std::to_string(n.moves))
        Broken(what, "moves shown as \"" + game.Menus.MovesLeftLine.Caption() + "\"");
      if (b.TilesLeft > 0 && game.Current.Status.Bounce != (n.moves == 0))
        Broken(what, "the no-more-moves message does not follow the moves count");
    }
    if (game.Current.Play.Number() == ModeRivers && game.Menus.Moves.Checked() &&
        game.Menus.MovesLeftLine.Caption() != std::to_string(CountReachablePairs(game.Current.Board)))
      Broken(what, "a flat game's moves count is not the pairs a path joins");
    if (shown) {
      if (game.Current.Clock.ElapsedSeconds != playedMs / 1000 || game.Current.Clock.PenaltySeconds != penalty)
        Broken(what, "clock at " + std::to_string(game.Current.Clock.ElapsedSeconds) + "+" +
                         std::to_string(game.Current.Clock.PenaltySeconds) + " s, expected " +
                         std::to_string(playedMs / 1000) + "+" + std::to_string(penalty));
      const std::string time =
          Running() && game.Menus.ShowTime.Checked() ? MinSec(game.Current.Clock.ElapsedSeconds + penalty) : "";
      if (game.Menus.TimeLine.Caption() != time)
        Broken(what, "time shown as \"" + game.Menus.TimeLine.Caption() + "\", expected \"" + time + "\"");
      if (game.Menus.TilesLeftLine.Caption() != std::to_string(b.TilesLeft))
        Broken(what, "tiles shown as \"" + game.Menus.TilesLeftLine.Caption() + "\"");
    }
  }

  // A click where the tile shows: its face, else its bottom or left edge.
  void Click(int tile, TVelmor::Button button = TVelmor::Button::Primary) {
    const Place p = game.Current.Board.TilePlace[static_cast<size_t>(tile)];
    static constexpr int spots[][2] = {{26, 25}, {26, 53}, {2, 25}, {2, 53}, {44, 2}};
    for (const auto& s : spots) {
      const int x = TileLeft(p.column, p.layer) + s[0], y = TileTop(p.row, p.layer) + s[1];
      if (WhatTileThere(game.Current.Board.BoardGrid, x, y) == tile) {
        game.ButtonDown(button, game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
        return;
      }
    }
    Broken("click", "tile " + std::to_string(tile) + " at " + Str(p) + " shows nowhere");
  }

  void RightClick() {
    game.ButtonDown(TVelmor::Button::Secondary, 700, 460);
    if (game.Current.FirstTile || game.Current.HintTileA || game.Current.HintTileB)
      Broken("right click", "picks or hints kept");
    Step("right click");
  }

  // Clicks a pair the test knows can go, and checks that it went into the history.
  void TakePair(int a, int b, const std::string& why) {
    if (!TilesMatch(a, b) || !Playable(a) || !Playable(b))
      Broken(why, "the test's own pair " + std::to_string(a) + "-" + std::to_string(b) + " cannot be taken");
    const Place pa = game.Current.Board.TilePlace[static_cast<size_t>(a)],
                pb = game.Current.Board.TilePlace[static_cast<size_t>(b)];
    const int r = game.Current.History.Count;
    Click(a);
    if (game.Current.FirstTile != a || platform.lastSound != "select.wav")
      Broken(why, "tile " + std::to_string(a) + " not selected");
    Step(why + ", first tile");
    Click(b);
    const auto& h0 = game.Current.History.Entries[static_cast<size_t>(r)];
    const auto& h1 = game.Current.History.Entries[static_cast<size_t>(r) + 1];
    if (game.Current.History.Count != r + 2 || OnBoard(a) || OnBoard(b) || game.Current.FirstTile != 0 ||
        platform.lastSound != "done.wav")
      Broken(why, "pair " + std::to_string(a) + "-" + std::to_string(b) + " was not removed");
    if (h0.tile != a || !(Place{h0.column, h0.row, h0.layer} == pa) || h1.tile != b ||
        !(Place{h1.column, h1.row, h1.layer} == pb))
      Broken(why, "the history does not hold the pair where it stood");
    Step(why + ", second tile");
  }

  // Takes back `pairs` pairs and plays them again, as a player who regrets and then doesn't.
  void UndoAndRedo(int pairs) {
    pairs = std::min(pairs, game.Current.History.Count / 2);
    if (pairs == 0) {
      const Grid before = game.Current.Board.BoardGrid;
      game.Back();
      if (!(game.Current.Board.BoardGrid == before)) Broken("undo", "undo with nothing removed changed the board");
      Step("undo with nothing to undo");
      return;
    }
    const int from = game.Current.History.Count - 2 * pairs;
    std::vector<HistoryEntry> taken(game.Current.History.Entries.begin() + from,
                                    game.Current.History.Entries.begin() + game.Current.History.Count);
    for (int k = pairs - 1; k >= 0; --k) {
      game.Back();
      if (game.Current.History.Count != from + 2 * k)
        Broken("undo", "HistoryCount " + std::to_string(game.Current.History.Count));
      for (int j : {2 * k, 2 * k + 1}) {
        const auto& e = taken[static_cast<size_t>(j)];
        if (!(game.Current.Board.TilePlace[e.tile] == Place{e.column, e.row, e.layer}))
          Broken("undo", "tile " + std::to_string(e.tile) + " not back on " + Str({e.column, e.row, e.layer}));
      }
      if (game.Current.FirstTile || game.Current.HintTileA || game.Current.HintTileB)
        Broken("undo", "picks or hints kept");
      Step("undo");
    }
    for (int k = 0; k < pairs; ++k) TakePair(taken[2 * k].tile, taken[2 * k + 1].tile, "redo");
  }

  // Pauses (by hand or by leaving the window), waits, tries to play while paused, resumes.
  void PauseAndResume() {
    const uint8_t mode = game.Current.Play.Number();
    const bool byFocus = dice.PerMille(400);
    if (byFocus)
      game.FormDeactivate();
    else
      game.PauseClick();
    if (game.Current.Play.Number() != ModePaused || game.Current.Play.ResumeNumber() != mode ||
        game.Menus.Pause1.Caption() != "&Continue")
      Broken("pause", "not paused");
    Step("pause");
    const Grid board = game.Current.Board.BoardGrid;
    for (int k = dice.Below(4); k > 0; --k) {
      switch (dice.Below(4)) {
        case 0:
          game.Back();
          break;
        case 1:
          game.Shuffle1Click();
          break;
        case 2:
          game.Hint();
          break;
        default:
          game.ButtonDown(TVelmor::Button::Primary, 360, 240);
          break;
      }
      if (!(game.Current.Board.BoardGrid == board) || game.Current.FirstTile)
        Broken("paused", "the board changed while paused");
      Tick(dice.Below(600'000));
      Check("paused");
    }
    if (byFocus)
      game.FormActivate();
    else
      game.PauseClick();
    if (game.Current.Play.Number() != mode || game.Menus.Pause1.Caption() != "&Pause") Broken("resume", "not resumed");
    Step("resume");
  }

  // After the last pair: the heartbeat notices the empty board and ends the game.
  void FinishGame() {
    for (int k = 0; !game.Current.BoardCleared; ++k) {
      if (k > 40) Broken("end", "the cleared board did not end the game");
      Tick(50);
    }
    if (!game.Current.ResultShown) Broken("end", "no result shown");
    if (platform.helpShown > helpsAtDeal) {
      // A record: it went into the game's list, and the help window showed it.
      ++records;
      const int total = game.Current.Clock.ElapsedSeconds + penalty, rank = game.ReachedRank;
      const HallList& list = HallOf(game, game.Layout.BoardNumber);
      if (rank < 1 || rank > HallRanks ||
          list.entries[static_cast<size_t>(rank)] != MakeHallEntry(game.CurrentPlayer, total, penalty))
        Broken("end", "the record of " + MinSec(total) + " is not at rank " + std::to_string(rank));
    }
    const bool tracked = game.Menus.EnableHall.Checked();
    if (game.Current.Play.Number() != (tracked ? ModeGameOver : ModeStopped))
      Broken("end", "mode " + std::to_string(game.Current.Play.Number()) + " after the board was cleared");
    const std::string verdict = tracked
                                    ? "You WON ! Your time is : " + MinSec(game.Current.Clock.ElapsedSeconds + penalty)
                                    : "Congratulations !! You WON !";
    if (game.Current.Status.Message != verdict) Broken("end", "status \"" + game.Current.Status.Message + "\"");
    if (game.Current.Clock.ElapsedSeconds != playedMs / 1000 || game.Current.Clock.PenaltySeconds != penalty)
      Broken("end", "the final time is off");
    game.Back();  // a won game cannot be taken back
    game.Shuffle1Click();
    if (game.Current.Board.TilesLeft != 0 || game.Current.History.Count != dealtCount)
      Broken("end", "a cleared board was changed");
    Check("game over");
  }
};

// ---- The one-player game --------------------------------------------------------------------

class Solitaire : public Session {
 public:
  using Session::Session;
  int deals = 0, winnableDeals = 0, verticalDeals = 0, hints = 0, undos = 0, shuffles = 0, pauses = 0, restarts = 0,
      stuck = 0;

  void PlayDeal(int index) {
    Deal(index);
    int stuckInARow = 0, rescues = 0;
    for (int actions = 0; game.Current.Board.TilesLeft > 0; ++actions) {
      if (actions > 20'000) Broken("play", "the deal does not end");
      // Shuffles and hints cost time; a restart gives the clock back before the limit stops the game.
      if (game.Current.Clock.ElapsedSeconds + game.Current.Clock.PenaltySeconds > 5000 &&
          game.Current.History.Count > 0) {
        RestartAndReplay();
        continue;
      }
      const int roll = dice.Below(1000);
      if (roll < 25) {
        AskHint();
      } else if (roll < 55) {
        ++undos;
        UndoAndRedo(1 + dice.Below(3));
      } else if (roll < 70) {
        Shuffle();
      } else if (roll < 90) {
        ++pauses;
        PauseAndResume();
      } else if (roll < 110) {
        StrayClicks();
      } else if (roll < 112) {
        RestartAndReplay();
      } else if (TakeNextPair()) {
        stuckInARow = 0;
      } else {
        ++stuck;
        // Shuffling twice is worth a try; after that pairs taken back and a shuffle open the
        // board, more pairs each time the same end comes back. A fresh deal without any move only
        // has shuffles, and the winnable one always finds a way.
        if (++stuckInARow > 4) game.Menus.Shuffable.SetChecked(true);
        if (stuckInARow <= 2 || game.Current.History.Count == 0) {
          Shuffle();
        } else {
          stuckInARow = 0;
          for (int k = 1 + rescues++ / 4; k > 0 && game.Current.History.Count > 0; --k) {
            game.Back();
            Step("undo when stuck");
          }
          Shuffle();
        }
      }
    }
    FinishGame();
  }

 private:
  std::vector<Place> plan;  // a removal order that empties the board from the current position
  size_t planPos = 0;
  bool planValid = false;

  void Deal(int index) {
    ++deals;
    const int layout = dice.Below(game.Listed.Layouts.Count()) + 1;
    const bool vertical = dice.PerMille(120);
    const bool winnable = dice.PerMille(550);
    game.drawForReal = index % 500 == 7;
    // Options change between games, where the menu handlers do not ask to deal again.
    if (Vertical() != vertical) game.VerticalClick();
    if (Vertical() != vertical) Broken("deal", "the vertical variation did not switch between games");
    game.Menus.Winnable.SetChecked(winnable);
    game.Menus.Shuffable.SetChecked(dice.PerMille(500));
    game.Menus.EnableHall.SetChecked(dice.PerMille(800));
    platform.timeOfDay = static_cast<uint32_t>(dice.Below(86'400'000));

    if (layout != game.Layout.BoardNumber) {
      game.Listed.Entries.Entry(layout)->Click();
    } else {
      switch (dice.Below(3)) {
        case 0:
          game.RandomSolitaireGame1Click();
          break;
        case 1:
          game.Current.GameNumber = 1 + dice.Below(2'000'000'000);
          game.NewSpecificGame1Click();
          break;
        default:
          game.NewRandomSpecificGame1Click();
          break;
      }
    }
    // Switching the variation in a running game asks, then deals again.
    if (dice.PerMille(20)) {
      game.VerticalClick();
      if (Vertical() == vertical) Broken("deal", "the vertical variation did not switch in a game");
    }
    where = "deal " + std::to_string(index) + " (" + game.Layout.LayoutName + (winnable ? ", winnable" : ", random") +
            (Vertical() ? ", vertical)" : ")");
    winnableDeals += winnable;
    verticalDeals += Vertical();

    if (game.Current.Play.Number() != ModeSolitaire || game.Layout.BoardNumber != layout ||
        game.Current.Board.TilesLeft != 144 || game.Current.History.Count != 0 || game.Current.HintIndex != 0)
      Broken("deal", "not a fresh game");
    for (int c = 1; c <= AnchorColumns; ++c)
      for (int r = 1; r <= AnchorRows; ++r)
        for (int l = 1; l <= AnchorLayers; ++l)
          if ((game.Current.Board.BoardGrid.at(c, r, l) != 0) != (game.Layout.Shape.at(l, r - 1, c - 1) == 1))
            Broken("deal", "the tiles do not lie on the layout at " + Str({c, r, l}));
    RecordDeal();
    planValid = false;
    if (winnable) {
      plan = game.Current.RemovalOrder;
      planPos = 0;
      std::string why;
      if (plan.size() != 144 || ReplayRemovals(game.Current.Board, plan, &why) != 144)
        Broken("deal", "the winnable deal's own solution fails: " + why);
      planValid = !Vertical();  // the solution is made with the standard rule
    }
    Step("deal");
  }

  bool TakeNextPair() {
    int a = 0, b = 0;
    if (planValid && planPos + 1 < plan.size()) {
      a = game.Current.Board.BoardGrid.at(plan[planPos]);
      b = game.Current.Board.BoardGrid.at(plan[planPos + 1]);
    } else {
      planValid = false;
      const Count n = Recount();
      std::vector<std::pair<int, int>> moves;
      for (size_t i = 0; i + 1 < n.free.size(); ++i)
        for (size_t j = i + 1; j < n.free.size() && MatchGroup(n.free[j]) == MatchGroup(n.free[i]); ++j)
          moves.push_back({n.free[i], n.free[j]});
      if (moves.empty()) {
        if (n.moves != 0) Broken("play", "moves counted but none found");
        return false;
      }
      std::tie(a, b) = moves[static_cast<size_t>(dice.Below(static_cast<int>(moves.size())))];
      if (dice.PerMille(500)) std::swap(a, b);
    }
    TakePair(a, b, "pair");
    if (planValid) planPos += 2;
    return true;
  }

  void AskHint() {
    ++hints;
    const Count n = Recount();
    const int index = game.Current.HintIndex;
    game.Hint();
    if (n.moves == 0) {
      if (game.Current.Clock.PenaltySeconds != penalty) Broken("hint", "a hint with no move cost time");
      Step("hint without moves");
      return;
    }
    penalty += 40;
    const int expectedIndex = index % n.moves + 1;
    int seen = 0, a = 0, b = 0;
    for (size_t k = 0; k + 1 < n.free.size() && !a; ++k)
      if (MatchGroup(n.free[k]) == MatchGroup(n.free[k + 1]) && ++seen == expectedIndex) {
        a = n.free[k];
        b = n.free[k + 1];
      }
    if (game.Current.HintIndex != expectedIndex || game.Current.HintTileA != a || game.Current.HintTileB != b)
      Broken("hint", "hint " + std::to_string(game.Current.HintTileA) + "-" + std::to_string(game.Current.HintTileB) +
                         ", expected " + std::to_string(a) + "-" + std::to_string(b));
    Step("hint");
    // Sometimes the player follows the hint instead of the plan.
    if (dice.PerMille(300)) {
      if (planValid &&
          !(game.Current.Board.TilePlace[a] == plan[planPos] && game.Current.Board.TilePlace[b] == plan[planPos + 1]))
        planValid = false;
      TakePair(a, b, "hinted pair");
      if (planValid) planPos += 2;
    }
  }

  void Shuffle() {
    ++shuffles;
    platform.timeOfDay = static_cast<uint32_t>(dice.Below(86'400'000));  // the winnable one seeds from it
    const Grid before = game.Current.Board.BoardGrid;
    const int left = game.Current.Board.TilesLeft, history = game.Current.History.Count;
    bool tiles[TileTotal + 1];
    for (int t = 0; t <= TileTotal; ++t) tiles[t] = OnBoard(t);
    game.Shuffle1Click();
    if (game.Current.FirstTile || game.Current.HintTileA || game.Current.HintTileB)
      Broken("shuffle", "picks or hints kept");
    if (game.Current.Board.TilesLeft != left || game.Current.History.Count != history)
      Broken("shuffle", "counters changed");
    for (int t = 1; t <= TileTotal; ++t)
      if (tiles[t] != OnBoard(t)) Broken("shuffle", "tile " + std::to_string(t) + " came or went");
    for (int c = 0; c < GridColumns; ++c)
      for (int r = 0; r < GridRows; ++r)
        for (int l = 0; l < GridLayers; ++l)
          if ((before.at(c, r, l) != 0) != (game.Current.Board.BoardGrid.at(c, r, l) != 0))
            Broken("shuffle", "the occupied places changed at " + Str({c, r, l}));
    const int moves = Recount().moves;
    if (game.Current.Free.MovesLeft != moves) Broken("shuffle", "moves counted wrong after the shuffle");
    const std::string status = moves >= 2   ? "Tiles shuffled. " + std::to_string(moves) + " new moves found."
                               : moves == 1 ? "Tiles shuffled. 1 new move found."
                                            : "No moves found. Try to press Back a few times.";
    if (game.Current.Status.Message != status) Broken("shuffle", "status \"" + game.Current.Status.Message + "\"");
    penalty += 10 * moves;

    if (!(game.Current.Board.BoardGrid == before)) {
      planValid = false;
      if (game.Menus.Shuffable.Checked()) {
        plan = game.Current.RemovalOrder;
        planPos = 0;
        std::string why;
        if (static_cast<int>(plan.size()) != left || ReplayRemovals(game.Current.Board, plan, &why) != left)
          Broken("shuffle", "the winnable shuffle's own solution fails: " + why);
        planValid = !Vertical();
      }
    }
    Step("shuffle");
  }

  // Clicks that take nothing: a tile that may or may not be free, the same tile again, a
  // right click.
  void StrayClicks() {
    const int q = 1 + dice.Below(TileTotal);
    if (!OnBoard(q)) return;
    const Place p = game.Current.Board.TilePlace[q];
    const int x = TileLeft(p.column, p.layer) + 26, y = TileTop(p.row, p.layer) + 25;
    const int shown = WhatTileThere(game.Current.Board.BoardGrid, x, y);
    game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
    const bool free = Playable(shown);
    if (game.Current.FirstTile != (free ? shown : 0) || platform.lastSound != (free ? "select.wav" : "noway.wav"))
      Broken("stray click", "tile " + std::to_string(shown) + (free ? " (free)" : " (not free)") + " gave selection " +
                                std::to_string(game.Current.FirstTile));
    Step("stray click");
    if (free && dice.PerMille(500)) {
      game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + x, game.Pictures.BoardOriginY + y);
      if (game.Current.FirstTile != 0) Broken("stray click", "clicking the selected tile again kept it");
      Step("deselect");
    } else {
      RightClick();
    }
  }

  void RestartAndReplay() {
    if (game.Current.History.Count == 0) {
      const Grid before = game.Current.Board.BoardGrid;
      const std::string status = game.Current.Status.Message;
      game.Undo.Restart();
      if (!(game.Current.Board.BoardGrid == before) || game.Current.Status.Message != status)
        Broken("restart", "a restart with nothing removed did something");
      Step("restart with nothing to take back");
      return;
    }
    ++restarts;
    const std::vector<HistoryEntry> taken(game.Current.History.Entries.begin(),
                                          game.Current.History.Entries.begin() + game.Current.History.Count);
    game.Undo.Restart();
    playedMs = 0;
    penalty = 0;
    if (game.Current.History.Count != 0 || game.Current.Board.TilesLeft != dealtCount ||
        game.Current.Status.Message != "Game restarted.")
      Broken("restart", "the board did not go back to the deal");
    Step("restart");
    // Playing the same pairs again leads back to where the game was, solution and all.
    for (size_t k = 0; k + 1 < taken.size(); k += 2) TakePair(taken[k].tile, taken[k + 1].tile, "replay");
  }
};

// ---- The flat game --------------------------------------------------------------------------

class Rivers : public Session {
 public:
  using Session::Session;
  int games = 0, hardGames = 0, undos = 0, shuffles = 0, pauses = 0, refused = 0, stuck = 0;

  void PlayGame(int index) {
    const bool hard = index % 2 == 1;
    ++games;
    hardGames += hard;
    if (dice.PerMille(500) != game.Menus.AnimateTileRivers.Checked()) game.Menus.AnimateTileRivers.Click();
    game.Menus.Shuffable.SetChecked(dice.PerMille(500));
    game.Menus.EnableHall.SetChecked(dice.PerMille(800));
    game.drawForReal = index % 100 == 3;
    platform.timeOfDay = static_cast<uint32_t>(dice.Below(86'400'000));
    MenuItem& item = hard ? (dice.PerMille(500) ? game.Menus.RiversHard1 : game.Menus.MJRiversHard1)
                          : (dice.PerMille(500) ? game.Menus.RiversEasy1 : game.Menus.MJRiversEasy1);
    item.Click();
    where = std::string("flat game ") + std::to_string(index) + (hard ? " (hard" : " (easy") +
            (game.Menus.AnimateTileRivers.Checked() ? ", sliding)" : ")");
    const int tiles = hard ? 144 : 84;
    if (game.Current.Play.Number() != ModeRivers || game.Current.Board.TilesLeft != tiles ||
        game.Current.History.Count != 0 || game.Layout.BoardNumber != (hard ? RiversHardList : RiversEasyList))
      Broken("deal", "not a fresh flat game");
    for (int t = 1; t <= tiles; ++t) {
      const Place& p = game.Current.Board.TilePlace[t];
      const bool inside = hard ? p.column >= 6 && p.column <= 28 && p.layer == (t <= 72 ? 1 : 2)
                               : p.column >= 4 && p.column <= 30 && p.layer == 1;
      if (!inside || p.column % 2 || p.row < 5 || p.row > 15 || p.row % 2 == 0)
        Broken("deal", "tile " + std::to_string(t) + " dealt to " + Str(p));
    }
    RecordDeal();
    Step("deal");

    int stuckInARow = 0, rescues = 0;
    for (int actions = 0; game.Current.Board.TilesLeft > 0; ++actions) {
      if (actions > 20'000) Broken("play", "the game does not end");
      const int roll = dice.Below(1000);
      if (roll < 30) {
        ++undos;
        UndoAndRedo(1 + dice.Below(3));
      } else if (roll < 45) {
        Shuffle();
      } else if (roll < 65) {
        ++pauses;
        PauseAndResume();
      } else if (TakeJoinedPair(roll < 85)) {
        stuckInARow = 0;
      } else {
        ++stuck;
        if (++stuckInARow <= 3 || game.Current.History.Count == 0) {
          Shuffle();
        } else {
          stuckInARow = 0;
          for (int k = 1 + rescues++ / 4; k > 0 && game.Current.History.Count > 0; --k) {
            game.Back();
            Step("undo when stuck");
          }
          Shuffle();
        }
      }
    }
    FinishGame();
  }

 private:
  // A tile the player can point at: nothing lies on it.
  bool Uncovered(int t) const {
    const Place& p = game.Current.Board.TilePlace[static_cast<size_t>(t)];
    return OnBoard(t) && (p.layer == 2 || game.Current.Board.BoardGrid.at(p.column, p.row, 2) == 0);
  }

  // Takes a pair joined by a path. With `tryRefused`, the first pair of one group met on the way
  // that no path joins is clicked too, and must leave the board alone. False when no pair can go.
  bool TakeJoinedPair(bool tryRefused) {
    std::vector<std::pair<int, int>> pairs;
    for (int group = 0; group < 36; ++group)
      for (int a = 4 * group + 1; a <= 4 * group + 4; ++a)
        for (int b = a + 1; b <= 4 * group + 4; ++b)
          if (Uncovered(a) && Uncovered(b)) pairs.push_back({a, b});
    dice.Shuffle(pairs);
    const Grid& g = game.Current.Board.BoardGrid;
    bool refusedDone = !tryRefused;
    for (auto [a, b] : pairs) {
      if (dice.PerMille(500)) std::swap(a, b);
      const bool joined = Joined(g, game.Current.Board.TilePlace[a], game.Current.Board.TilePlace[b]);
      if (joined) {
        TakePair(a, b, "joined pair");
        return true;
      }
      if (!refusedDone) {
        refusedDone = true;
        ClickRefusedPair(a, b);
      }
    }
    return false;
  }

  void ClickRefusedPair(int a, int b) {
    ++refused;
    const Grid before = game.Current.Board.BoardGrid;
    Click(a);
    Step("unjoined pair, first tile");
    Click(b);
    if (!(game.Current.Board.BoardGrid == before) || game.Current.FirstTile != b || platform.lastSound != "select.wav")
      Broken("unjoined pair", std::to_string(a) + "-" + std::to_string(b) + " was not refused");
    Step("unjoined pair, second tile");
    RightClick();
  }

  void Shuffle() {
    ++shuffles;
    const Grid before = game.Current.Board.BoardGrid;
    const int left = game.Current.Board.TilesLeft;
    const std::string status = game.Current.Status.Message;
    platform.timeOfDay = static_cast<uint32_t>(dice.Below(86'400'000));
    game.Shuffle1Click();
    // Pairs are only ever joined on one layer, so a tile must never change layers.
    const bool hard = game.Layout.BoardNumber == RiversHardList;
    for (int t = 1; t <= 144; ++t)
      if (OnBoard(t) && game.Current.Board.TilePlace[t].layer != (hard && t > 72 ? 2 : 1))
        Broken("shuffle", "tile " + std::to_string(t) + " moved to layer " +
                              std::to_string(game.Current.Board.TilePlace[t].layer));
    for (int c = 0; c < GridColumns; ++c)
      for (int r = 0; r < GridRows; ++r)
        for (int l = 0; l < GridLayers; ++l)
          if ((before.at(c, r, l) != 0) != (game.Current.Board.BoardGrid.at(c, r, l) != 0))
            Broken("shuffle", "the occupied places changed at " + Str({c, r, l}));
    if (game.Current.Board.TilesLeft != left || game.Current.Clock.PenaltySeconds != 0 ||
        game.Current.Status.Message != status)
      Broken("shuffle", "a flat game's shuffle counted, cost or said something");
    Step("shuffle");
  }
};

std::string ScratchWithLayouts(const ScratchFolder& dir) {
  std::filesystem::create_directories(dir.path() + "Layouts");
  for (const auto& e : std::filesystem::directory_iterator(DataDir() + "/Layouts"))
    std::filesystem::copy_file(e.path(), dir.path() + "Layouts/" + e.path().filename().string());
  return dir.path();
}

}  // namespace

TEST(LongPlay, TenThousandDealsPlayedOutWithEveryCommandInBetween) {
  ScratchFolder dir;
  QuietPlatform platform;
  SoakGame game{platform, ScratchWithLayouts(dir)};
  ASSERT_TRUE(game.BuildLayoutList());
  ASSERT_GE(game.Listed.Layouts.Count(), 9);
  game.StartingUp = true;  // as at start-up: the current layout is read but not dealt
  ASSERT_TRUE(game.Listed.LoadCurrent());
  game.StartingUp = false;
  Dice dice(20240611);
  Solitaire play(game, platform, dice);
  try {
    for (int i = 0; i < 10'000; ++i) play.PlayDeal(i);
  } catch (const SoakFailure& f) {
    FAIL() << f.what();
  }
  EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
  // Every kind of step really happened, in numbers.
  EXPECT_GT(play.stuck, 100);
  EXPECT_GT(play.restarts, 100);
  EXPECT_GT(play.records, 20);
  std::cout << "[ soak     ] " << play.deals << " deals (" << play.winnableDeals << " winnable, " << play.verticalDeals
            << " vertical), " << play.steps << " steps checked; " << play.hints << " hints, " << play.undos
            << " undos, " << play.shuffles << " shuffles, " << play.pauses << " pauses, " << play.restarts
            << " restarts, " << play.stuck << " times stuck, " << play.records << " records\n";
  RecordProperty("steps_checked", std::to_string(play.steps));
}

TEST(LongPlay, AThousandFlatGamesPlayedOutWithUndoShuffleAndPause) {
  ScratchFolder dir;
  QuietPlatform platform;
  SoakGame game{platform, dir.path()};
  Dice dice(19700101);
  Rivers play(game, platform, dice);
  try {
    for (int i = 0; i < 1'000; ++i) play.PlayGame(i);
  } catch (const SoakFailure& f) {
    FAIL() << f.what();
  }
  EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
  EXPECT_GT(play.refused, 500);
  EXPECT_GT(play.stuck, 10);
  EXPECT_GT(play.records, 10);
  std::cout << "[ soak     ] " << play.games << " flat games (" << play.hardGames << " hard), " << play.steps
            << " steps checked; " << play.undos << " undos, " << play.shuffles << " shuffles, " << play.pauses
            << " pauses, " << play.refused << " unjoined pairs refused, " << play.stuck << " times stuck, "
            << play.records << " records\n";
  RecordProperty("steps_checked", std::to_string(play.steps));
}

// Fifty days of heartbeats, every 50 ms, starting five minutes before the tick counter wraps:
// games played in stretches between pauses of seconds to days, each until the time limit stops
// it, with one pause across the first wrap and play across the second one.
TEST(LongPlay, TheClockKeepsTimeForFiftyDaysAcrossTheTickCounterWrap) {
  ScratchFolder dir;
  QuietPlatform platform;
  TVelmor game{platform, dir.path()};
  game.Layout.Shape = RowShape(4);  // a small heap keeps the recount of every tick cheap
  game.Menus.Winnable.SetChecked(true);
  Dice dice(4242);

  constexpr uint64_t Minute = 60'000, Day = 1440 * Minute, Span = 50 * Day, Beat = 50;
  constexpr uint64_t Wrap1 = 5 * Minute, Wrap2 = Wrap1 + (uint64_t{1} << 32);
  platform.tick = static_cast<uint32_t>((uint64_t{1} << 32) - Wrap1);
  auto nearWrap2 = [&](uint64_t t) { return t + 30 * Minute >= Wrap2 && t <= Wrap2 + 30 * Minute; };
  auto somePause = [&] {
    const int kind = dice.Below(20);
    if (kind < 14) return uint64_t{1000} + static_cast<uint64_t>(dice.Below(600'000));  // seconds to minutes
    if (kind < 19) return Minute * static_cast<uint64_t>(60 + dice.Below(11 * 60));     // hours
    return Day * static_cast<uint64_t>(1 + dice.Below(4));                              // days
  };
  auto someStretch = [&] { return uint64_t{1000} + static_cast<uint64_t>(dice.Below(40 * 60'000)); };

  enum class Phase { Idle, Playing, Paused } phase = Phase::Idle;
  uint64_t now = 0, phaseEnd = 0, playedMs = 0, ticks = 0;
  int penalty = 0, shown = -1, games = 0, pauses = 0, stops = 0;
  bool pausedOverWrap1 = false, playedOverWrap2 = false;
  std::string expected;

  for (; now < Span; now += Beat) {
    if (phase == Phase::Idle && (now >= phaseEnd || nearWrap2(now))) {
      ++games;
      if (games % 2) {
        game.RandomSolitaireGame1Click();
        penalty = 10 * dice.Below(300);  // as after hints and shuffles
        game.Current.Clock.PenaltySeconds = penalty;
      } else {
        game.Menus.RiversEasy1.Click();
        penalty = 0;
      }
      playedMs = 0;
      shown = -1;
      phase = Phase::Playing;
      phaseEnd = games == 1 ? 2 * Minute : now + someStretch();
    } else if (phase == Phase::Playing && now >= phaseEnd && !nearWrap2(now)) {
      ++pauses;
      if (dice.PerMille(500))
        game.PauseClick();
      else
        game.FormDeactivate();
      ASSERT_EQ(int{game.Current.Play.Number()}, int{ModePaused}) << now;
      phase = Phase::Paused;
      phaseEnd = games == 1 && pauses == 1 ? 8 * Minute : now + somePause();
    } else if (phase == Phase::Paused && (now >= phaseEnd || nearWrap2(now))) {
      if (dice.PerMille(500))
        game.PauseClick();
      else
        game.FormActivate();
      ASSERT_TRUE(game.Current.Play.Number() == ModeSolitaire || game.Current.Play.Number() == ModeRivers)
          << int{game.Current.Play.Number()} << " at " << now;
      phase = Phase::Playing;
      phaseEnd = now + someStretch();
    }

    const uint32_t before = platform.tick;
    platform.tick += Beat;
    if (phase == Phase::Playing) playedMs += Beat;
    game.Temps();
    ++ticks;
    if (platform.tick < before) {
      pausedOverWrap1 |= now + Beat == Wrap1 && phase == Phase::Paused;
      playedOverWrap2 |= now < Wrap2 && now + Beat > Wrap2 && phase == Phase::Playing && playedMs > Beat;
    }

    const int elapsed = static_cast<int>(playedMs / 1000);
    if (phase == Phase::Playing) {
      if (elapsed + penalty >= 6000) {  // the limit: the game stops and the board hides
        ASSERT_EQ(int{game.Current.Play.Number()}, int{ModeStopped})
            << "at " << now << " ms, " << elapsed << "+" << penalty << " s";
        ASSERT_EQ(game.Menus.TimeLine.Caption(), "");
        ++stops;
        phase = Phase::Idle;
        phaseEnd = now + somePause();
        continue;
      }
      ASSERT_EQ(game.Current.Clock.ElapsedSeconds, elapsed) << "at " << now << " ms, tick " << platform.tick;
      if (elapsed + penalty != shown) {
        ASSERT_GT(elapsed + penalty, shown) << "the shown time went back at " << now << " ms";
        shown = elapsed + penalty;
        expected = MinSec(shown);
      }
      ASSERT_EQ(game.Menus.TimeLine.Caption(), expected) << "at " << now << " ms, tick " << platform.tick;
    } else if (phase == Phase::Paused) {
      ASSERT_EQ(int{game.Current.Play.Number()}, int{ModePaused}) << now;
      ASSERT_EQ(game.Current.Clock.ElapsedSeconds, elapsed) << "at " << now << " ms";
      ASSERT_EQ(game.Menus.TimeLine.Caption(), "");
    } else {
      ASSERT_EQ(int{game.Current.Play.Number()}, int{ModeStopped}) << now;
    }
  }
  EXPECT_TRUE(pausedOverWrap1);
  EXPECT_TRUE(playedOverWrap2);
  EXPECT_GT(stops, 20);
  EXPECT_GT(pauses, 100);
  std::cout << "[ soak     ] " << ticks << " heartbeats over 50 days: " << games << " games, " << pauses << " pauses, "
            << stops << " stopped at the time limit\n";
  RecordProperty("heartbeats", std::to_string(ticks));
}
