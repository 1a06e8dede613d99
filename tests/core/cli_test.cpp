// velmor-cli is read by other programs: its output format and exit codes are an interface.
#include <gtest/gtest.h>

#include <chrono>

#include <cstdio>
#include <sstream>

#include "TestSupport.h"
#include "board/Deal.h"
#include "display/Png.h"
#include "display/Scale.h"
#include "layouts/ClearableShare.h"
#include "layouts/LayoutFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {
struct CliRun {
  int status;
  std::string out;
};

CliRun Cli(const std::string& args) {
  const std::string command = std::string(VELMOR_CLI) + " " + args + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  CliRun run{-1, {}};
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
}  // namespace

TEST(Cli, LayoutPrintsNameCountAndCells) {
  ScratchFolder dir;
  LayoutShape shape = RowShape(6);
  const std::string path = dir.Write("Layouts/Six.lay", FormatLayFile("Six in a row", shape));
  const CliRun run = Cli("layout " + path);
  ASSERT_EQ(run.status, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "name: Six in a row");
  EXPECT_EQ(lines[1], "tiles: 6");
  std::string cells;
  for (uint8_t v : shape.cells) cells.push_back(static_cast<char>('0' + v));
  EXPECT_EQ(lines[2], "cells: " + cells);
}

TEST(Cli, DealMatchesTheGameAndListsFreeTilesAndMoves) {
  const std::string path = DataDir() + "/Layouts/Traditional.lay";
  const CliRun run = Cli("deal " + path + " --game 1 --winnable");
  ASSERT_EQ(run.status, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 146u);

  FakePlatform platform;
  TVelmor game(platform, DataDir());
  game.Layout.Shape = TraditionalShape();
  game.Menus.Winnable.SetChecked(true);
  game.Current.GameNumber = 1;
  game.NewSpecificGame1Click();
  game.IsItFree();
  for (int t = 1; t <= 144; ++t) {
    const Place& p = game.Current.Board.TilePlace[t];
    EXPECT_EQ(lines[static_cast<size_t>(t - 1)], std::to_string(t) + " " + std::to_string(p.column) + " " +
                                                     std::to_string(p.row) + " " + std::to_string(p.layer));
  }
  std::string free = "free:";
  for (int k = 1; k <= game.Current.Free.FreeCount; ++k) free += " " + std::to_string(game.Current.Free.FreeList[k]);
  EXPECT_EQ(lines[144], free);
  EXPECT_EQ(lines[145], "moves: " + std::to_string(game.Current.Free.MovesLeft));
  EXPECT_GT(game.Current.Free.MovesLeft, 0);

  const CliRun vertical = Cli("deal " + path + " --game 1 --winnable --vertical");
  ASSERT_EQ(vertical.status, 0);
  const auto vlines = Lines(vertical.out);
  ASSERT_EQ(vlines.size(), 146u);
  EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 144, vlines.begin()));  // same deal
  EXPECT_NE(vlines[144], lines[144]);                                           // counted by the other rule
}

TEST(Cli, SolvePrintsTheResultAndAWinThatReplays) {
  const std::string path = DataDir() + "/Layouts/Traditional.lay";
  const CliRun run = Cli("solve " + path + " --game 5 --winnable --limit-ms 60000");
  ASSERT_EQ(run.status, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "result: winnable");
  EXPECT_EQ(lines[1].rfind("nodes: ", 0), 0u);
  ASSERT_EQ(lines[2].rfind("moves:", 0), 0u);

  BoardState board = DealGameNumber(TraditionalShape(), 5, true, 0).board;
  std::istringstream moves(lines[2].substr(6));
  int a, b, taken = 0;
  for (char dash; moves >> a >> dash >> b; taken += 2) {
    ASSERT_TRUE(TilesMatch(a, b) && IsTileFree(board, a, false) && IsTileFree(board, b, false)) << a << '-' << b;
    board.TakeTile(a);
    board.TakeTile(b);
  }
  EXPECT_EQ(taken, 144);
}

// A search is bounded unless asked not to be, and one that could not tell says so with its own
// exit status. The deal searched without a limit is the hardest found among the first 3,000 of
// Traditional and 300 each of Temple and Ziggurat (under two seconds here).
TEST(Cli, SolveStopsByItselfAndSaysWhenItCouldNotTell) {
  const std::string turtle = DataDir() + "/Layouts/Turtle.lay";
  const CliRun stopped = Cli("solve " + turtle + " --game 1 --limit-ms 1");
  EXPECT_EQ(stopped.status, 2);
  EXPECT_EQ(Lines(stopped.out).at(0), "result: unknown");
  const auto started = std::chrono::steady_clock::now();
  const CliRun bounded = Cli("solve " + DataDir() + "/Layouts/Ziggurat.lay --game 113");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  ASSERT_FALSE(Lines(bounded.out).empty());
  EXPECT_EQ(bounded.status, Lines(bounded.out)[0] == "result: unknown" ? 2 : 0) << bounded.out;
}

TEST(Cli, BadUseFailsWithExitCodeOneAndNoOutput) {
  ScratchFolder dir;
  const std::string odd = dir.Write("Layouts/Odd.lay", FormatLayFile("Odd", RowShape(5)));
  const std::string traditional = DataDir() + "/Layouts/Traditional.lay";
  for (const std::string& args :
       {std::string("deal ") + odd + " --game 3", "deal " + traditional + " --game 0",
        "deal " + traditional + " --game 2147483648", "deal " + traditional, "deal " + traditional + " --game x",
        "solve " + traditional + " --game 1 --limit-ms x", "deal " + traditional + " --game 1 --limit-ms 5",
        "layout " + dir.path() + "missing.lay", "layout " + dir.Write("junk.lay", "\x01\x02 not a layout"),
        "render " + traditional + " --game 1 --tileset none --background none --scale 5 --out " + dir.path() + "b.png",
        "import " + traditional + " --out-dir " + dir.path(), "import " + dir.Write("a.map", "<map>"),
        "clearable " + traditional + " --deals 0", "clearable " + odd, "clearable " + dir.path() + "missing.lay",
        std::string("frobnicate"), std::string("")}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_EQ(run.out, "") << args;
  }
}

TEST(Cli, ClearableCountsTheDealsTheChooserCounts) {
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  const std::string path = DataDir() + "/Layouts/Pyramid.lay";
  ASSERT_TRUE(ReadPlayableLayout(path, false, shape, name, refusal));
  const ClearableCount count = *CountClearable(shape, 24);
  const CliRun run = Cli("clearable " + path + " --deals 24");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out),
            (std::vector<std::string>{"cleared: " + std::to_string(count.cleared),
                                      "lost: " + std::to_string(count.lost), "open: " + std::to_string(count.open),
                                      "share: " + std::to_string(count.Percent()) + " %"}));
}

TEST(Cli, ImportWritesEveryHeapThatFitsAndSaysWhyTheOthersDoNot) {
  ScratchFolder dir;
  const LayoutShape traditional = TraditionalShape();
  // The heap as <tile> elements; with `tiles` false its half-tile places are written as whole
  // tiles, which makes it twice as wide and high.
  auto tileList = [&](bool tiles) {
    auto coordinate = [&](int half) {
      return tiles ? std::to_string(half / 2) + (half % 2 ? ".5" : "") : std::to_string(half);
    };
    std::string text;
    for (int l = 1; l <= LayoutShape::Layers; ++l)
      for (int r = 0; r < LayoutShape::Rows; ++r)
        for (int c = 0; c < LayoutShape::Columns; ++c)
          if (traditional.at(l, r, c))
            text += "<tile x='" + coordinate(c) + "' y='" + coordinate(r) + "' z='" + std::to_string(l - 1) + "'/>";
    return text;
  };
  const std::string small = "<map name='Small'><row left='0' right='1' y='0'/></map>";
  const std::string twice = "<map name='../A'>" + tileList(true) + "</map>";
  const std::string file = dir.Write("in/Heaps.map", "<mahjongg><map name='Wide'>" + tileList(false) + "</map>" +
                                                         twice + small + twice + "</mahjongg>");
  const CliRun run = Cli("import " + file + " --out-dir " + dir.path() + "out");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out),
            (std::vector<std::string>{
                "refused: Wide: it is 58 half tiles wide; the board holds 34", "imported: ../A -> _A.lay",
                "refused: Small: it has 2 tiles; a heap needs exactly 144", "imported: ../A -> _A (2).lay"}));
  for (const std::string written : {"_A", "_A (2)"}) {
    LayoutShape shape;
    std::string name;
    LayoutRefusal refusal;
    ASSERT_TRUE(ReadPlayableLayout(dir.path() + "out/" + written + ".lay", false, shape, name, refusal))
        << refusal.reason;
    EXPECT_EQ(name, written);  // as the Layout menu lists it
    EXPECT_TRUE(shape == traditional);
  }

  const CliRun none = Cli("import " + dir.Write("Small.map", small) + " --out-dir " + dir.path() + "out");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "refused: Small: it has 2 tiles; a heap needs exactly 144\n");
}

// Looks with no larger artwork beside them are enlarged by repeating pixels, so the board at K is
// the 1x board repeated, hover frame and pick included (shadows are shaded at K, not repeated).
TEST(Cli, RenderAtScaleKIsTheOneXPictureRepeatedForOneXLooks) {
  ScratchFolder dir;
  std::filesystem::copy_file(DataDir() + "/Tilesets/darkpai.bmp", dir.path() + "tiles.bmp");
  std::filesystem::copy_file(DataDir() + "/Backgrounds/kanji.bmp", dir.path() + "back.bmp");
  const std::string base = "render " + DataDir() + "/Layouts/Traditional.lay --game 5 --tileset " + dir.path() +
                           "tiles.bmp --background " + dir.path() + "back.bmp --no-shadows --highlight 3 --hover 70 " +
                           "--pick 12 --out " + dir.path();
  ASSERT_EQ(Cli(base + "one.png").status, 0);
  Picture one;
  std::string error;
  ASSERT_TRUE(DecodePngFile(dir.path() + "one.png", one, error)) << error;
  for (int k : {2, 3}) {
    const std::string out = "k" + std::to_string(k) + ".png";
    ASSERT_EQ(Cli(base + out + " --scale " + std::to_string(k)).status, 0);
    Picture shown;
    ASSERT_TRUE(DecodePngFile(dir.path() + out, shown, error)) << error;
    EXPECT_TRUE(shown == EnlargeByRepetition(one, k)) << k;
  }
}
