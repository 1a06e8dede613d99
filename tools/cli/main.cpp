// velmor-cli: the game's rules without the window, for layout authors and for testing.
// Results go to standard output; errors to standard error with exit code 1.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CliPlatform.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"
#include "shell/TVelmor.h"

using namespace velmor;

namespace {

const char* const Usage =
    "usage:\n"
    "  velmor-cli layout FILE\n"
    "  velmor-cli deal FILE --game N [--winnable] [--vertical]\n";

int Fail(const std::string& message) {
  std::cerr << "velmor-cli: " << message << '\n';
  return 1;
}

int LayoutCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(std::string("layout takes one FILE\n") + Usage);
  const std::string& path = args[0];
  std::string text, error;
  if (!ReadWholeFile(path, text, error)) return Fail(error);
  LayoutShape shape;
  std::string name;
  if (Contains(path, ".shp")) {
    if (!ParseShpFile(text, shape, error)) return Fail("\"" + path + "\" is damaged: " + error);
    name = path;
  } else {
    LayFile lay;
    if (!ParseLayFile(text, lay, error)) return Fail("\"" + path + "\" is damaged: " + error);
    if (!lay.magicOk)
      return Fail("\"" + path + "\" is not a layout file: its first line is not \"" +
                  std::string(LayMagic) + "\"");
    shape = lay.shape;
    name = lay.name;
  }
  std::string cells(LayoutShape::CellCount, '0');
  for (int i = 0; i < LayoutShape::CellCount; ++i) cells[static_cast<size_t>(i)] = shape.cells[static_cast<size_t>(i)] ? '1' : '0';
  std::cout << "name: " << name << "\ntiles: " << shape.Count() << "\ncells: " << cells << '\n';
  return 0;
}

int DealCommand(const std::vector<std::string>& args) {
  std::string path;
  long long game = -1;
  bool winnable = false, vertical = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--game") {
      if (i + 1 >= args.size() || !ParseInt(args[i + 1], game))
        return Fail("--game needs a number from 1 to 2147483647");
      ++i;
    } else if (args[i] == "--winnable") {
      winnable = true;
    } else if (args[i] == "--vertical") {
      vertical = true;
    } else if (args[i].rfind("--", 0) == 0 || !path.empty()) {
      return Fail("unexpected argument \"" + args[i] + "\"\n" + Usage);
    } else {
      path = args[i];
    }
  }
  if (path.empty()) return Fail(std::string("deal needs a layout FILE\n") + Usage);
  if (game < 1 || game > 2147483647) return Fail("--game needs a number from 1 to 2147483647");

  CliPlatform platform;
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
  TVelmor velmor(platform, folder.string());
  velmor.Winnable.SetChecked(winnable);
  velmor.Vertical.SetChecked(vertical);
  velmor.RandomSeed1.SetChecked(true);
  velmor.GameNumber = static_cast<int32_t>(game);
  velmor.LayoutPath = path;
  if (!velmor.LoadCurrentLayout() || platform.errorShown) return 1;

  velmor.IsItFree();
  for (int t = 1; t <= TileTotal; ++t) {
    const Place& p = velmor.Board.TilePlace[static_cast<size_t>(t)];
    if (!p.empty()) std::cout << t << ' ' << p.column << ' ' << p.row << ' ' << p.layer << '\n';
  }
  std::cout << "free:";
  for (int k = 1; k <= velmor.Free.FreeCount; ++k) std::cout << ' ' << int(velmor.Free.FreeList[static_cast<size_t>(k)]);
  std::cout << "\nmoves: " << velmor.Free.MovesLeft << '\n';
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
  if (command == "--help" || command == "-h") {
    std::cout << Usage;
    return 0;
  }
  return Fail("unknown command \"" + command + "\"\n" + Usage);
}
