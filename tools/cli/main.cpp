// velmor-cli: the game's rules without the window, for layout authors and for testing.
// Results go to standard output; errors to standard error with exit code 1. A search that could
// not tell in its time exits with 2.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "base/Text.h"
#include "board/Deal.h"
#include "board/FreeTiles.h"
#include "board/Solver.h"
#include "display/BoardRenderer.h"
#include "display/Jpeg.h"
#include "display/Png.h"
#include "display/Scale.h"
#include "display/ScaledLooks.h"
#include "display/Tileset.h"
#include "layouts/ClearableShare.h"
#include "layouts/ImportLayout.h"
#include "layouts/LayoutFile.h"
#include "modes/FlatGame.h"
#include "platform/QtPictures.h"

using namespace velmor;

namespace {

const char* const Usage =
    "usage:\n"
    "  velmor-cli layout FILE\n"
    "  velmor-cli deal FILE --game N [--winnable] [--vertical]\n"
    "  velmor-cli solve FILE --game N [--winnable] [--vertical] [--limit-ms T]\n"
    "  velmor-cli render FILE --game N [--winnable] --tileset PATH --background PATH|none\n"
    "             [--no-shadows] [--highlight K --hover T] [--pick T] [--scale K] --out OUT.png\n"
    "  velmor-cli rivers easy|hard --state S\n"
    "  velmor-cli import FILE --out-dir DIR\n"
    "  velmor-cli clearable FILE [--deals N]\n";

// The clock seed of a deal: the UTC time of day in milliseconds.
uint32_t UtcMillisecondOfDayNow() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(ms % 86'400'000);
}

int Fail(const std::string& message) {
  std::cerr << "velmor-cli: " << message << '\n';
  return 1;
}

int LayoutCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(std::string("layout takes one FILE\n") + Usage);
  const std::string& path = args[0];
  std::string text, error;
  if (!ReadWholeFile(path, text, error)) return Fail(error);
  LayFile lay;
  if (!ParseLayoutText(path, IsShpPath(path), text, lay, error)) return Fail("\"" + path + "\" is damaged: " + error);
  if (!lay.magicOk)
    return Fail("\"" + path + "\" is not a layout file: its first line is not \"" + std::string(LayMagic) + "\"");
  const LayoutShape& shape = lay.shape;
  const std::string& name = lay.name;
  std::string cells(LayoutShape::CellCount, '0');
  for (int i = 0; i < LayoutShape::CellCount; ++i)
    cells[static_cast<size_t>(i)] = shape.cells[static_cast<size_t>(i)] ? '1' : '0';
  std::cout << "name: " << name << "\ntiles: " << shape.Count() << "\ncells: " << cells << '\n';
  return 0;
}

// Turns each heap of a KMahjongg layout or GNOME Mahjongg map file into a ".lay" file in DIR.
int ImportCommand(const std::vector<std::string>& args) {
  std::string path, outDir;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out-dir") {
      if (i + 1 >= args.size()) return Fail("--out-dir needs a value");
      outDir = args[++i];
    } else if (args[i].rfind("--", 0) == 0 || !path.empty()) {
      return Fail("unexpected argument \"" + args[i] + "\"\n" + Usage);
    } else {
      path = args[i];
    }
  }
  if (path.empty() || outDir.empty()) return Fail(std::string("import needs FILE and --out-dir DIR\n") + Usage);
  std::vector<ImportedHeap> heaps;
  std::string error;
  if (!ImportLayoutFile(path, heaps, error)) return Fail(error);
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (!std::filesystem::is_directory(outDir, ec)) return Fail("cannot make the folder \"" + outDir + "\"");
  int imported = 0;
  // Named as the game names them: two maps of one name in a file both arrive, the second numbered.
  const std::vector<ImportedLayout> layouts = ImportedLayouts(heaps);
  for (size_t i = 0; i < heaps.size(); ++i) {
    const ImportedHeap& heap = heaps[i];
    if (!heap.imported) {
      std::cout << "refused: " << heap.name << ": " << heap.refusal << '\n';
      continue;
    }
    const auto& [name, file] = layouts[i];
    if (!SaveImportedHeap((std::filesystem::path(outDir) / file).string(), name, heap, error)) {
      Fail(error);
      continue;
    }
    std::cout << "imported: " << heap.name << " -> " << file << '\n';
    ++imported;
  }
  if (imported == 0) return Fail("\"" + path + "\" gave no layout that fits the board");
  return 0;
}

struct DealOptions {
  std::string path;
  long long game = -1;
  bool winnable = false, vertical = false;
  long long limitMs = 10'000;  // solve only; 0 for no limit: a search is bounded unless asked not to be
  // render only
  std::string tileset, background, out;
  bool shadows = true;
  long long highlight = -1, hover = 0, pick = 0;
  long long scale = 1;
};

enum class DealUse { Deal, Render, Solve };

// Reads the options of `deal` and the extra ones of `render` or `solve`. False after a message.
bool ParseDealOptions(const std::vector<std::string>& args, DealUse use, DealOptions& o) {
  const bool render = use == DealUse::Render;
  auto number = [&](size_t& i, long long& into, const char* what) {
    if (i + 1 >= args.size() || !ParseInt(args[i + 1], into)) {
      Fail(std::string(what) + " needs a number");
      return false;
    }
    ++i;
    return true;
  };
  auto text = [&](size_t& i, std::string& into, const char* what) {
    if (i + 1 >= args.size()) {
      Fail(std::string(what) + " needs a value");
      return false;
    }
    into = args[++i];
    return true;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool ok = true;
    if (a == "--game")
      ok = number(i, o.game, "--game");
    else if (a == "--winnable")
      o.winnable = true;
    else if (a == "--vertical")
      o.vertical = true;
    else if (use == DealUse::Solve && a == "--limit-ms")
      ok = number(i, o.limitMs, "--limit-ms");
    else if (render && a == "--tileset")
      ok = text(i, o.tileset, "--tileset");
    else if (render && a == "--background")
      ok = text(i, o.background, "--background");
    else if (render && a == "--out")
      ok = text(i, o.out, "--out");
    else if (render && a == "--no-shadows")
      o.shadows = false;
    else if (render && a == "--highlight")
      ok = number(i, o.highlight, "--highlight");
    else if (render && a == "--hover")
      ok = number(i, o.hover, "--hover");
    else if (render && a == "--pick")
      ok = number(i, o.pick, "--pick");
    else if (render && a == "--scale")
      ok = number(i, o.scale, "--scale");
    else if (a.rfind("--", 0) == 0 || !o.path.empty())
      ok = Fail("unexpected argument \"" + a + "\"\n" + Usage) == 0;
    else
      o.path = a;
    if (!ok) return false;
  }
  if (o.path.empty()) return Fail(std::string("a layout FILE is needed\n") + Usage) == 0;
  if (o.game < 1 || o.game > 2147483647) return Fail("--game needs a number from 1 to 2147483647") == 0;
  if (o.limitMs < 0) return Fail("--limit-ms needs a number of milliseconds, 0 for no limit") == 0;
  if (render) {
    if (o.tileset.empty() || o.background.empty() || o.out.empty())
      return Fail("render needs --tileset, --background and --out") == 0;
    if (o.highlight < -1 || o.highlight > 4) return Fail("--highlight takes 0 to 4") == 0;
    if (o.hover < 0 || o.hover > 144 || o.pick < 0 || o.pick > 144) return Fail("tiles are numbered 1 to 144") == 0;
    if (o.scale < 1 || o.scale > MaxScale) return Fail("--scale takes 1 to " + std::to_string(MaxScale)) == 0;
  }
  return true;
}

// Reads and deals the layout exactly as the game does for a specific game number. False after a
// message.
bool DealLikeTheGame(const DealOptions& o, BoardState& board) {
  LayoutShape shape;  // the game's shape before any layout: a foreign first line has none to borrow
  std::string name;
  LayoutRefusal refusal;
  if (!ReadPlayableLayout(o.path, IsShpPath(o.path), shape, name, refusal))
    return Fail(refusal.reason + (refusal.currentStays ? " The current layout stays." : "")) == 0;
  // A shape that cannot be dealt winnable is dealt at random from the clock, as in the game.
  board = DealGameNumber(shape, static_cast<uint32_t>(o.game), o.winnable, UtcMillisecondOfDayNow()).board;
  return true;
}

int DealCommand(const std::vector<std::string>& args) {
  DealOptions o;
  if (!ParseDealOptions(args, DealUse::Deal, o)) return 1;
  BoardState board;
  if (!DealLikeTheGame(o, board)) return 1;

  FreeTiles free;
  free.Recount(board.TileCount, [&](int t) { return IsTileFree(board, t, o.vertical); });
  for (int t = 1; t <= TileTotal; ++t) {
    const Place& p = board.TilePlace[static_cast<size_t>(t)];
    if (!p.empty()) std::cout << t << ' ' << p.column << ' ' << p.row << ' ' << p.layer << '\n';
  }
  std::cout << "free:";
  for (int k = 1; k <= free.FreeCount; ++k) std::cout << ' ' << int(free.FreeList[static_cast<size_t>(k)]);
  std::cout << "\nmoves: " << free.MovesLeft << '\n';
  return 0;
}

int SolveCommand(const std::vector<std::string>& args) {
  DealOptions o;
  if (!ParseDealOptions(args, DealUse::Solve, o)) return 1;
  BoardState board;
  if (!DealLikeTheGame(o, board)) return 1;
  SolveLimits limits;
  limits.maxTime = std::chrono::milliseconds(o.limitMs);
  const Solution s = SolveBoard(board, o.vertical, limits);
  const char* result = s.result == SolveResult::Winnable      ? "winnable"
                       : s.result == SolveResult::NotWinnable ? "not winnable"
                                                              : "unknown";
  std::cout << "result: " << result << "\nnodes: " << s.nodes << '\n';
  if (s.result == SolveResult::Winnable) {
    std::cout << "moves:";
    for (auto [a, b] : s.moves) std::cout << ' ' << a << '-' << b;
    std::cout << '\n';
  }
  // A script tells "could not tell" from an answer without reading the output.
  return s.result == SolveResult::Unknown ? 2 : 0;
}

// The share of random deals the chooser shows for a layout, counted as the game counts it: for
// authors weighing a heap before they ship it, and for layouts brought in from elsewhere.
int ClearableCommand(const std::vector<std::string>& args) {
  std::string path;
  long long deals = ClearableDeals;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--deals") {
      if (i + 1 >= args.size() || !ParseInt(args[i + 1], deals) || deals < 1 || deals > 100'000)
        return Fail("--deals needs a number from 1 to 100000");
      ++i;
    } else if (args[i].rfind("--", 0) == 0 || !path.empty()) {
      return Fail("unexpected argument \"" + args[i] + "\"\n" + Usage);
    } else {
      path = args[i];
    }
  }
  if (path.empty()) return Fail(std::string("a layout FILE is needed\n") + Usage);
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  if (!ReadPlayableLayout(path, IsShpPath(path), shape, name, refusal) || shape.Count() == 0)
    return Fail(refusal.reason.empty() ? "\"" + path + "\" holds no heap to deal" : refusal.reason);
  const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
  const ClearableCount count = *CountClearable(shape, static_cast<int>(deals), ClearableNodesPerDeal, threads);
  std::cout << "cleared: " << count.cleared << "\nlost: " << count.lost << "\nopen: " << count.open << "\nshare: ";
  if (count.Percent() < 0)
    std::cout << "unknown\n";
  else
    std::cout << count.Percent() << " %\n";
  return 0;
}

int RiversCommand(const std::vector<std::string>& args) {
  long long state = -1;
  std::string variant;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--state") {
      if (i + 1 >= args.size() || !ParseInt(args[i + 1], state) || state < 0 || state > 4294967295LL)
        return Fail("--state needs a number from 0 to 4294967295");
      ++i;
    } else if ((args[i] == "easy" || args[i] == "hard") && variant.empty()) {
      variant = args[i];
    } else {
      return Fail("unexpected argument \"" + args[i] + "\"\n" + Usage);
    }
  }
  if (variant.empty() || state < 0) return Fail(std::string("rivers needs easy or hard and --state S\n") + Usage);

  Generator gen;
  gen.GeneratorState = static_cast<uint32_t>(state);
  BoardState board;
  const bool hard = variant == "hard";
  DealRivers(board, gen, hard);
  for (int t = 1; t <= (hard ? RiversHardTiles : RiversEasyTiles); ++t) {
    const Place& p = board.TilePlace[static_cast<size_t>(t)];
    std::cout << t << ' ' << p.column << ' ' << p.row << ' ' << p.layer << '\n';
  }
  std::cout << "reachable:";
  for (auto [a, b] : ReachablePairs(board)) std::cout << ' ' << a << '-' << b;
  std::cout << '\n';
  return 0;
}

std::string FolderOf(const std::string& path) {
  std::error_code ec;
  return std::filesystem::absolute(path, ec).parent_path().string();
}

// Reads a picture as the game does: its JPEG reader for ".jpg" files, the bitmap decoder for the
// rest. False after the game's message.
bool LoadLikeTheGame(const std::string& path, Picture& out) {
  std::string error;
  const bool ok = Contains(path, ".jpg") ? DecodeJpegFile(path, out, error) : LoadPictureFile(path, out, error);
  if (!ok) Fail("The picture \"" + path + "\" could not be loaded: " + error + ".");
  return ok;
}

int RenderCommand(const std::vector<std::string>& args) {
  DealOptions o;
  if (!ParseDealOptions(args, DealUse::Render, o)) return 1;
  for (const std::string& file : {o.tileset, o.background}) {
    std::error_code ec;
    if (file != "none" && !std::filesystem::is_regular_file(file, ec)) return Fail("no file \"" + file + "\"");
  }
  // The pictures as the game makes them at the scale asked for.
  const int k = static_cast<int>(o.scale);
  bool loaded = true;
  LookSource tiles;
  tiles.path = o.tileset;
  if (tiles.path == "none") {
    // The game without its tileset file falls back to the blue borders beside the program, and
    // keeps the blank picture when those are missing too.
    std::error_code ec;
    tiles.path = (std::filesystem::path(FolderOf(o.path)) / "Tilesets/bluepai.bmp").string();
    if (!std::filesystem::is_regular_file(tiles.path, ec)) tiles.path.clear();
  }
  if (!tiles.path.empty()) {
    loaded = LoadLikeTheGame(tiles.path, tiles.picture);
    PadTilesetPicture(tiles.picture);
  }
  LookSource back;
  if (o.background != "none") {
    back.path = o.background;
    loaded = LoadLikeTheGame(back.path, back.picture) && loaded;
  }
  Picture tilesetPicture, tileSheet, background;
  MakeTilesetAtScale(tiles, k, tilesetPicture, tileSheet);
  MakeBackgroundAtScale(back, k, background);
  BoardState board;
  if (!loaded || !DealLikeTheGame(o, board)) return 1;

  // The game starts with the green frame; the "Highlight" values 0-4 choose a style, and only the
  // frames bring their own pen.
  BoardMarks marks;
  if (o.highlight >= 0) marks.highlight = static_cast<int32_t>(o.highlight);
  if (o.highlight == HighlightRedFrame) marks.pen = RedPen;
  if (o.highlight == HighlightBlueFrame) marks.pen = BluePen;
  marks.hover = static_cast<int>(o.hover);
  marks.picked1 = static_cast<int>(o.pick);
  Picture frame(BoardPictureWidth * k, BoardPictureHeight * k);
  const BoardRenderer renderer({tilesetPicture, tileSheet, background, o.shadows}, BoardOriginLeft, BoardOriginTop, k);
  renderer.Compose(frame, board.BoardGrid, marks);
  std::string error;
  if (!SavePng(frame, o.out, error)) return Fail(error);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << Usage;
    return 1;
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "layout") return LayoutCommand(args);
  if (command == "deal") return DealCommand(args);
  if (command == "solve") return SolveCommand(args);
  if (command == "render") return RenderCommand(args);
  if (command == "rivers") return RiversCommand(args);
  if (command == "import") return ImportCommand(args);
  if (command == "clearable") return ClearableCommand(args);
  if (command == "--help" || command == "-h") {
    std::cout << Usage;
    return 0;
  }
  return Fail("unknown command \"" + command + "\"\n" + Usage);
}
