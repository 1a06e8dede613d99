// Saved games: every kind comes back exactly, damaged or foreign files are refused, and files
// that cannot be continued are moved aside, never lost.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <zlib.h>

#include "TestSupport.h"
#include "board/Deal.h"
#include "layouts/LayoutInPlay.h"
#include "modes/FlatGame.h"
#include "modes/GameState.h"
#include "modes/HallOfFame.h"
#include "modes/SavedGame.h"
#include "shell/SavedGameFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {

struct Game {
  GameState state;
  LayoutInPlay layout;
};

// A game of `kind` some pairs in, with pairs taken back that Redo could take again.
Game Played(SavedGameKind kind, uint32_t seed, bool paused) {
  Game g;
  g.layout.Shape = TraditionalShape();
  g.layout.LayoutName = "Tra\\ditional\nheap";
  g.layout.LayoutPath = "/home/p/Layouts/Traditional.lay";
  g.layout.BoardNumber = 3;
  g.layout.SavedLayoutNumber = 3;
  GameState& s = g.state;
  s.GameNumber = static_cast<int32_t>(seed);
  std::vector<std::pair<int, int>> pairs;
  if (kind == SavedGameKind::FlatEasy || kind == SavedGameKind::FlatHard) {
    const bool hard = kind == SavedGameKind::FlatHard;
    g.layout.BoardNumber = hard ? RiversHardList : RiversEasyList;
    s.Gen.GeneratorState = seed;
    DealRivers(s.Board, s.Gen, hard);
    s.Play.Start(GameKind::Flat);
    for (int k = 0; k < 6; ++k) {
      const auto pair = FirstReachablePair(s.Board);
      if (!pair) break;
      s.History.TakePair(s.Board, pair->first, s.Board.TilePlace[pair->first], pair->second);
    }
  } else {
    NumberedDeal deal = DealGameNumber(g.layout.Shape, seed, true, 1);
    s.Board = deal.board;
    s.Play.Start(kind == SavedGameKind::OnePlayer ? GameKind::OnePlayer : GameKind::TwoPlayers);
    for (size_t k = 0; k + 1 < deal.removalOrder.size() && k < 16; k += 2) {
      const int a = s.Board.BoardGrid.at(deal.removalOrder[k]), b = s.Board.BoardGrid.at(deal.removalOrder[k + 1]);
      s.History.TakePair(s.Board, a, s.Board.TilePlace[a], b);
    }
  }
  s.History.TakeBackPair(s.Board);
  s.History.TakeBackPair(s.Board);
  s.Gen.GeneratorState = seed * 2654435761u;
  s.Clock.Start(1000);
  s.Clock.AddPenalty(50);
  s.Turns.Start(1000);
  s.Turns.TurnChange(4000);
  s.Turns.TurnChange(9000);
  s.Turns.TurnChange(9500);
  s.HintIndex = 2;
  if (paused) {
    s.Play.Start(s.Play.Kind(), /*paused=*/true);
    s.Clock.Pause(70000);
  }
  return g;
}

SavedGame Snapshot(const Game& g, uint32_t now) {
  SavedGame saved;
  EXPECT_TRUE(MakeSavedGame(g.state, g.layout, true, now, saved));
  return saved;
}

std::string Resigned(std::string text) {
  text.erase(text.rfind("Checksum="));
  char sum[32];
  std::snprintf(
      sum, sizeof sum, "Checksum=%08lx\n",
      crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())));
  return text + sum;
}

std::string ReplaceLine(std::string text, const std::string& key, const std::string& value) {
  const size_t at = text.find("\n" + key + "=") + 1;
  return text.replace(at, text.find('\n', at) - at, key + "=" + value);
}

std::string Refusal(const std::string& text) {
  SavedGame out;
  std::string error;
  if (ParseSavedGame(text, out, error)) return "accepted";
  EXPECT_FALSE(error.empty());
  return error;
}

}  // namespace

TEST(SavedGame, EveryKindComesBackExactlyAndPlaysOn) {
  for (auto kind :
       {SavedGameKind::OnePlayer, SavedGameKind::TwoPlayers, SavedGameKind::FlatEasy, SavedGameKind::FlatHard})
    for (bool paused : {false, true})
      for (uint32_t seed : {1u, 77u}) {
        SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + (paused ? " paused" : "") + " " + std::to_string(seed));
        Game g = Played(kind, seed, paused);
        const SavedGame saved = Snapshot(g, 61000);
        EXPECT_EQ(saved.Kind, kind);
        EXPECT_EQ(saved.ElapsedMillis, paused ? 69000 : 60000);
        EXPECT_TRUE(saved.History.CanRedo());

        SavedGame read;
        std::string error;
        ASSERT_TRUE(ParseSavedGame(SerializeSavedGame(saved), read, error)) << error;
        EXPECT_TRUE(read == saved);

        // Continued in another run, where the counter stands elsewhere: the same game.
        Game later;
        const uint32_t now = 4294960000u;  // the counter wraps during the game
        ApplySavedGame(read, later.state, later.layout, now);
        EXPECT_TRUE(Snapshot(later, now) == saved);
        EXPECT_TRUE(later.state.Board.BoardGrid == g.state.Board.BoardGrid);
        EXPECT_EQ(later.state.Play.Number(), paused ? static_cast<uint8_t>(ModePaused) : g.state.Play.Number());
        later.state.Clock.Update(now + 5000);
        EXPECT_EQ(later.state.Clock.ElapsedSeconds, (saved.ElapsedMillis + 5000) / 1000);
        if (kind == SavedGameKind::TwoPlayers) {
          for (bool second : {false, true})
            EXPECT_EQ(later.state.Turns.Running(second, now + 700) - 700 * (second == saved.Player2Turn),
                      g.state.Turns.Running(second, 61000));
        }
        // Redo takes the same pair on both boards.
        ASSERT_TRUE(g.state.History.RedoPair(g.state.Board));
        ASSERT_TRUE(later.state.History.RedoPair(later.state.Board));
        EXPECT_EQ(later.state.Board.TilePlace, g.state.Board.TilePlace);
      }
  GameState idle;
  SavedGame none;
  EXPECT_FALSE(MakeSavedGame(idle, LayoutInPlay{}, false, 0, none));
}

TEST(SavedGame, RefusesWhatIsForeignDamagedOrDoesNotAddUp) {
  const SavedGame saved = Snapshot(Played(SavedGameKind::OnePlayer, 5, false), 9000);
  const std::string text = SerializeSavedGame(saved);
  ASSERT_EQ(Refusal(text), "accepted");

  // Cut anywhere, it is refused; so is a file with anything changed and the checksum left.
  for (size_t n = 0; n < text.size(); n += 37) EXPECT_NE(Refusal(text.substr(0, n)), "accepted") << n;
  std::string flipped = text;
  flipped[text.find("TilesLeft=") + 10] ^= 1;
  EXPECT_NE(Refusal(flipped).find("checksum does not match"), std::string::npos);
  EXPECT_NE(Refusal("[Settings]\r\nTheme=1\r\n").find("not a saved game"), std::string::npos);
  EXPECT_NE(Refusal("Velmor saved game 2\nKind=x\n").find("another version"), std::string::npos);

  std::vector<int> standing;
  for (int t = 1; t <= TileTotal; ++t)
    if (!saved.Board.TilePlace[t].empty()) standing.push_back(t);
  struct Case {
    const char* what;
    std::function<std::string()> make;
    const char* expected;
  };
  const Case cases[] = {
      {"a line it does not know",
       [&] { return Resigned(std::string(text).insert(text.rfind("Checksum="), "Extra=1\n")); },
       "a line it should not"},
      {"a line twice", [&] { return Resigned(ReplaceLine(text, "Paused", "0\nPaused=0")); }, "twice"},
      {"a missing line",
       [&] {
         std::string t = text;
         const size_t at = t.find("\nVertical=");
         return Resigned(t.erase(at, t.find('\n', at + 1) - at));
       },
       "\"Vertical\" is missing"},
      {"a tile number", [&] { return Resigned(ReplaceLine(text, "History", "145:7,1,1")); }, "\"History\""},
      {"a place off the grid", [&] { return Resigned(ReplaceLine(text, "Places", "35,1,1")); }, "\"Places\""},
      {"a number out of range", [&] { return Resigned(ReplaceLine(text, "ElapsedMillis", "-5")); },
       "\"ElapsedMillis\""},
      {"a kind", [&] { return Resigned(ReplaceLine(text, "Kind", "three players")); }, "\"Kind\""},
      {"an escape", [&] { return Resigned(ReplaceLine(text, "LayoutName", "a\\tb")); }, "\"LayoutName\""},
      {"two tiles on one place",
       [&] {
         SavedGame s = saved;
         s.Board.TilePlace[standing[1]] = s.Board.TilePlace[standing[0]];
         return SerializeSavedGame(s);
       },
       "share a place"},
      {"a tile both taken and on the board",
       [&] {
         SavedGame s = saved;
         s.Board.PutTile(s.History.Entries[0].tile, {33, 19, 5});
         s.Board.PutTile(s.History.Entries[1].tile, {29, 19, 5});
         s.Board.TilesLeft += 2;
         return SerializeSavedGame(s);
       },
       "still on the board"},
      {"a pair that does not match",
       [&] {
         SavedGame s = saved;
         std::swap(s.History.Entries[1], s.History.Entries[2]);
         return SerializeSavedGame(s);
       },
       "do not match"},
      {"a pair taken back that moved",
       [&] {
         SavedGame s = saved;
         const HistoryEntry& e = s.History.Entries[static_cast<size_t>(s.History.Count)];
         s.Board.TakeTile(e.tile);
         s.Board.PutTile(e.tile, {33, 19, 5});
         return SerializeSavedGame(s);
       },
       "taken back"},
      {"a second player", [&] { return Resigned(ReplaceLine(text, "Player2Millis", "5")); }, "clocks of two"},
      {"a count", [&] { return Resigned(ReplaceLine(text, "TilesLeft", "2")); }, "instead of"},
      {"another layout",
       [&] {
         SavedGame s = saved;
         s.Shape.atPlace(s.Board.TilePlace[standing[0]]) = 0;
         s.Shape.atPlace({33, 19, 5}) = 1;
         return SerializeSavedGame(s);
       },
       "outside the layout"},
      {"a flat game on a heap",
       [&] {
         SavedGame s = saved;
         s.Kind = SavedGameKind::FlatEasy;
         s.BoardNumber = RiversEasyList;
         return SerializeSavedGame(s);
       },
       "flat game of 84"},
  };
  for (const Case& c : cases) {
    const std::string error = Refusal(c.make());
    EXPECT_NE(error.find(c.expected), std::string::npos) << c.what << ": " << error;
  }
}

TEST(SavedGameFile, WritesReadsAndMovesDamagedFilesAsideWithoutLosingAny) {
  ScratchFolder folder;
  const std::string path = folder.path() + "Game.vsave";
  const SavedGame saved = Snapshot(Played(SavedGameKind::FlatHard, 3, true), 80000);
  SavedGame read;
  std::string error, moved;
  EXPECT_EQ(ReadSavedGame(path, read, error), SavedGameRead::Missing);
  ASSERT_TRUE(WriteSavedGame(path, saved, error)) << error;
  ASSERT_EQ(ReadSavedGame(path, read, error), SavedGameRead::Read) << error;
  EXPECT_TRUE(read == saved);

  for (const std::string suffix : {".damaged", ".damaged-2", ".damaged-3"}) {
    const std::string junk = "not a game " + suffix;
    folder.Write("Game.vsave", junk);
    EXPECT_EQ(ReadSavedGame(path, read, error), SavedGameRead::Damaged);
    ASSERT_TRUE(MoveAside(path, moved, error)) << error;
    EXPECT_EQ(moved, path + suffix);
    std::string kept;
    ASSERT_TRUE(ReadWholeFile(moved, kept, error));
    EXPECT_EQ(kept, junk);
  }
  EXPECT_EQ(ReadSavedGame(path, read, error), SavedGameRead::Missing);
  EXPECT_FALSE(MoveAside(path, moved, error));
}
