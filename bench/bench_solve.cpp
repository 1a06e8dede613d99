// How quickly the solver decides random deals of every shipped layout, and positions reached after
// 20 random legal moves from them, each with a one-second limit: the share decided, the median
// time and the median positions searched.
// Run: build/bench/bench_solve [GAMES [LIMIT_MS [LAYOUT]]]   (defaults: 200 games per layout,
//      1000 ms, every layout; games 1..GAMES, standard rule, then the vertical rule on Traditional)
//      build/bench/bench_solve --figure [N [LIMIT_MS [LAYOUT]]]   (defaults: 10000 deals, 10000 ms,
//      Traditional): the share of deals that cannot be cleared, beside the published figure
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "board/Deal.h"
#include "board/FreeTiles.h"
#include "board/Solver.h"
#include "layouts/LayoutFile.h"

using namespace velmor;

namespace {

struct Tally {
  std::vector<double> ms;
  std::vector<uint64_t> nodes;
  int won = 0, lost = 0, unknown = 0;
  double worstMs = 0;
};

template <class T>
T Median(std::vector<T> v) {
  if (v.empty()) return T{};
  std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

// Random legal moves, drawn from the game number, until `count` pairs are gone or none is left.
void PlayRandomly(BoardState& board, bool vertical, uint32_t seed, int count) {
  Generator gen;
  gen.GeneratorState = seed;
  for (int k = 0; k < count; ++k) {
    FreeTiles free;
    free.Recount(TileTotal, [&](int t) { return IsTileFree(board, t, vertical); });
    std::vector<std::pair<int, int>> pairs;
    for (int a = 1; a <= free.FreeCount; ++a)
      for (int b = a + 1; b <= free.FreeCount; ++b)
        if (TilesMatch(free.FreeList[static_cast<size_t>(a)], free.FreeList[static_cast<size_t>(b)]))
          pairs.emplace_back(free.FreeList[static_cast<size_t>(a)], free.FreeList[static_cast<size_t>(b)]);
    if (pairs.empty()) return;
    const auto [a, b] = pairs[static_cast<size_t>(gen.RandomBelow(static_cast<int>(pairs.size())))];
    board.TakeTile(a);
    board.TakeTile(b);
    board.TilesLeft -= 2;
  }
}

void Measure(Tally& tally, const BoardState& board, bool vertical, int limitMs) {
  SolveLimits limits;
  limits.maxTime = std::chrono::milliseconds(limitMs);
  const auto start = std::chrono::steady_clock::now();
  const Solution s = SolveBoard(board, vertical, limits);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  tally.ms.push_back(ms);
  tally.nodes.push_back(s.nodes);
  tally.worstMs = std::max(tally.worstMs, ms);
  (s.result == SolveResult::Winnable ? tally.won : s.result == SolveResult::NotWinnable ? tally.lost : tally.unknown)++;
}

void Print(const std::string& name, const char* what, const Tally& t) {
  const double decided = 100.0 * (t.won + t.lost) / static_cast<double>(std::max<size_t>(t.ms.size(), 1));
  std::printf("%-12s %-9s %5zu %5d %5d %5d %8.2f%% %9.2f %10llu %9.1f\n", name.c_str(), what, t.ms.size(), t.won,
              t.lost, t.unknown, decided, Median(t.ms), static_cast<unsigned long long>(Median(t.nodes)), t.worstMs);
  std::fflush(stdout);
}

void Run(const std::filesystem::path& file, bool vertical, int games, int limitMs) {
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  if (!ReadPlayableLayout(file.string(), IsShpPath(file.string()), shape, name, refusal)) {
    std::printf("%s: %s\n", file.string().c_str(), refusal.reason.c_str());
    return;
  }
  Tally deals, played;
  for (int game = 1; game <= games; ++game) {
    BoardState board = DealGameNumber(shape, static_cast<uint32_t>(game), false, 0).board;
    Measure(deals, board, vertical, limitMs);
    PlayRandomly(board, vertical, static_cast<uint32_t>(game), 20);
    Measure(played, board, vertical, limitMs);
  }
  const std::string label = file.stem().string() + (vertical ? " (v)" : "");
  Print(label, "deal", deals);
  Print(label, "20 moves", played);
}

// The published figure: of random deals of the classic turtle heap (87, 36, 16, 4 and 1 tiles a
// layer: the layout shipped as Traditional; the one named Turtle is another heap), 2.95 to
// 2.96 % cannot be cleared even knowing every tile. N deals of a layout, each with `limitMs`: the
// lost share of those decided with its 95 % (Wilson) interval, the share decided, and the times.
int Figure(const std::string& layout, int n, int limitMs) {
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  const std::string file = std::string(VELMOR_DATA_DIR) + "/Layouts/" + layout + ".lay";
  if (!ReadPlayableLayout(file, false, shape, name, refusal)) {
    std::printf("%s: %s\n", file.c_str(), refusal.reason.c_str());
    return 1;
  }
  Tally t;
  for (int game = 1; game <= n; ++game)
    Measure(t, DealGameNumber(shape, static_cast<uint32_t>(game), false, 0).board, false, limitMs);
  std::vector<double> ms = t.ms;
  std::sort(ms.begin(), ms.end());
  const int decided = t.won + t.lost;
  const double p = decided ? static_cast<double>(t.lost) / decided : 0, z = 1.96, d = std::max(decided, 1);
  const double centre = (p + z * z / (2 * d)) / (1 + z * z / d);
  const double half = z * std::sqrt(p * (1 - p) / d + z * z / (4 * d * d)) / (1 + z * z / d);
  int fast = 0;
  for (double x : t.ms) fast += x <= 1000;
  std::printf("%s, %d random deals, %d ms each at most\n", layout.c_str(), n, limitMs);
  std::printf("cannot be cleared  %.2f %% of those decided (95 %% interval %.2f - %.2f %%); published 2.95 - 2.96 %%\n",
              100 * p, 100 * (centre - half), 100 * (centre + half));
  std::printf("decided            %.2f %% (%d won, %d lost, %d not within the limit); %.2f %% within 1 s\n",
              100.0 * decided / n, t.won, t.lost, t.unknown, 100.0 * fast / n);
  std::printf("time (ms)          median %.2f, 99th percentile %.2f, largest %.1f\n", ms[ms.size() / 2],
              ms[std::min(ms.size() - 1, ms.size() * 99 / 100)], ms.back());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--figure")
    return Figure(argc > 4 ? argv[4] : "Traditional", argc > 2 ? std::atoi(argv[2]) : 10'000,
                  argc > 3 ? std::atoi(argv[3]) : 10'000);
  const int games = argc > 1 ? std::atoi(argv[1]) : 200;
  const int limitMs = argc > 2 ? std::atoi(argv[2]) : 1000;
  const std::filesystem::path folder = std::filesystem::path(VELMOR_DATA_DIR) / "Layouts";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".lay" || entry.path().extension() == ".shp") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::printf("%-12s %-9s %5s %5s %5s %5s %9s %9s %10s %9s\n", "layout", "start", "games", "won", "lost", "unkn",
              "decided", "median ms", "med nodes", "worst ms");
  const std::string only = argc > 3 ? argv[3] : "";
  for (const auto& file : files)
    if (only.empty() || file.stem() == only) Run(file, false, games, limitMs);
  if (only.empty() || only == "Traditional") Run(folder / "Traditional.lay", true, games, limitMs);
  return 0;
}
