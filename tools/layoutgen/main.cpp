// velmor-layoutgen: turns the layer drawings in Layouts.cpp into the files of data/Layouts.
//
//   velmor-layoutgen [--check] [--games N] [--recount] [--quiet] FOLDER
//
// Every layout is drawn, checked and then written as FOLDER/<name>.lay (or .shp), and the share of
// its random deals that can be cleared goes to FOLDER/Clearable.ini. A layout that fails a check is
// not written. With --check nothing is written: the files already in FOLDER are compared with what
// would be written, so a stale file is caught.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "LayoutGen.h"
#include "layouts/ClearableShare.h"
#include "layouts/LayoutFile.h"

using namespace velmor;
using namespace velmor::layoutgen;

namespace {

// Enough different deals to meet the rare awkward shuffle; the game offers numbers far beyond.
constexpr int DefaultGames = 200;

// A layout dealt at random when winnable deals are off (the default) must mostly be one the
// player can clear; below this it is a layout of lost games.
constexpr int MinClearablePercent = 80;

struct Options {
  bool checkOnly = false;
  bool quiet = false;
  bool recount = false;
  int games = DefaultGames;
  std::string folder;
  ClearableBook counted;  // what FOLDER/Clearable.ini held: a heap counted before is not counted again
  ClearableBook book;     // what it will hold
};

int Usage() {
  std::fprintf(stderr, "usage: velmor-layoutgen [--check] [--games N] [--recount] [--quiet] FOLDER\n");
  return 2;
}

// Counting takes about ten seconds a layout; a count is the same for the same heap, so only a new
// heap (or --recount, after the solver changed) is counted again.
std::optional<ClearableCount> Clearable(const std::string& file, const LayoutShape& shape, Options& options) {
  const uint64_t key = HeapKey(shape);
  std::optional<ClearableCount> count = options.recount ? std::nullopt : options.counted.Find(file, key);
  if (!count || count->Deals() != ClearableDeals)
    count = CountClearable(shape, ClearableDeals, ClearableNodesPerDeal,
                           static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  if (count) options.book.Put(file, key, *count);
  return count;
}

// Writes the book, or with --check compares it with the one in the folder.
bool ProduceBook(const Options& options) {
  const std::string path = options.folder + "/" + std::string(ClearableBook::FileName);
  const std::string text = options.book.Text();
  std::string onDisk, error;
  if (options.checkOnly) {
    if (ReadWholeFile(path, onDisk, error) && onDisk == text) return true;
    std::fprintf(stderr, "\"%s\" is out of date; run without --check\n", path.c_str());
    return false;
  }
  if (WriteFileAtomically(path, text, error)) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

// Reads back what was formatted, with the game's own readers, so the generator and the game can
// never disagree about a file.
bool ReadBack(const LayoutDrawing& drawing, const std::string& text, const LayoutShape& shape, std::string& error) {
  LayoutShape back;
  if (drawing.kind == FileKind::Lay) {
    LayFile lay;
    if (!ParseLayFile(text, lay, error)) return false;
    if (!lay.magicOk || lay.name != drawing.name) {
      error = "the written file does not read back with its magic and name";
      return false;
    }
    back = lay.shape;
  } else if (!ParseShpFile(text, back, error)) {
    return false;
  }
  if (!(back == shape)) {
    error = "the written file reads back as a different heap";
    return false;
  }
  return true;
}

bool Produce(const LayoutDrawing& drawing, Options& options) {
  const std::string file = std::string(drawing.name) + (drawing.kind == FileKind::Lay ? ".lay" : ".shp");
  auto refuse = [&](const std::string& why) {
    std::fprintf(stderr, "%s: refused: %s\n", file.c_str(), why.c_str());
    return false;
  };

  LayoutShape shape;
  std::string error;
  if (!ReadDrawing(drawing, shape, error)) return refuse(error);

  const LayoutFigures f = Measure(shape);
  if (!options.quiet) std::printf("== %s\n%s", file.c_str(), DrawLayers(shape).c_str());
  std::printf("%-18s %3d tiles (%d/%d/%d/%d/%d), %2d free at the start, margins %d/%d/%d/%d px\n", file.c_str(),
              f.tiles, f.perLayer[0], f.perLayer[1], f.perLayer[2], f.perLayer[3], f.perLayer[4], f.freeAtStart,
              f.marginLeft, f.marginRight, f.marginTop, f.marginBottom);

  std::printf("%-18s symmetric %s; declared %s\n", file.c_str(), SymmetryText(MeasureSymmetry(shape)),
              SymmetryText(drawing.symmetry));

  if (!CheckShape(shape, error)) return refuse(error);
  if (!CheckSymmetry(shape, drawing.symmetry, error)) return refuse(error);
  if (!CheckDeals(shape, options.games, error)) return refuse(error);
  const std::optional<ClearableCount> clearable = Clearable(file, shape, options);
  if (!clearable) return refuse("its random deals could not be counted");
  std::printf("%-18s %3d %% of %d random deals can be cleared (%d cannot, %d undecided)\n", file.c_str(),
              clearable->Percent(), clearable->Deals(), clearable->lost, clearable->open);
  if (clearable->Percent() < MinClearablePercent)
    return refuse("only " + std::to_string(clearable->Percent()) + " % of its random deals can be cleared; at least " +
                  std::to_string(MinClearablePercent) + " % must be");

  std::string text;
  if (drawing.kind == FileKind::Lay)
    text = FormatLayFile(drawing.name, shape);
  else if (!FormatShpFile(shape, text, error))
    return refuse(error);
  if (!ReadBack(drawing, text, shape, error)) return refuse(error);

  const std::string path = options.folder + "/" + file;
  if (options.checkOnly) {
    std::string onDisk;
    if (!ReadWholeFile(path, onDisk, error)) return refuse(error);
    if (onDisk != text) return refuse("\"" + path + "\" is out of date; run without --check");
    return true;
  }
  if (!WriteFileAtomically(path, text, error)) return refuse(error);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--check") {
      options.checkOnly = true;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--recount") {
      options.recount = true;
    } else if (arg == "--games" && i + 1 < argc) {
      char* end = nullptr;
      const long n = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || n < 1 || n > 1000000) return Usage();
      options.games = static_cast<int>(n);
    } else if (!arg.empty() && arg[0] != '-' && options.folder.empty()) {
      options.folder = arg;
    } else {
      return Usage();
    }
  }
  if (options.folder.empty()) return Usage();
  std::string counted, error;
  if (ReadWholeFile(options.folder + "/" + std::string(ClearableBook::FileName), counted, error))
    options.counted.Read(counted);

  int failed = 0;
  for (const LayoutDrawing& drawing : ShippedLayouts())
    if (!Produce(drawing, options)) ++failed;
  if (!ProduceBook(options)) ++failed;
  if (failed) {
    std::fprintf(stderr, "%d layout(s) refused\n", failed);
    return 1;
  }
  return 0;
}
