#include "TestSupport.h"

#include <atomic>
#include <stdexcept>

#include <unistd.h>

namespace velmor::test {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("velmor-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ScratchFolder::Write(const std::string& relative, const std::string& content) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << content;
  if (!out) throw std::runtime_error("cannot write test file " + file.string());
  return file.string();
}

LayoutShape ShapeOf(const std::vector<Place>& places) {
  LayoutShape shape;
  for (const Place& p : places) shape.atPlace(p) = 1;
  return shape;
}

LayoutShape RowShape(int count) {
  std::vector<Place> places;
  for (int i = 0; i < count; ++i) places.push_back(Place{2 + 2 * i, 4, 1});
  return ShapeOf(places);
}

std::string DataDir() { return VELMOR_DATA_DIR; }

LayoutShape TraditionalShape() {
  std::string text, error;
  if (!ReadWholeFile(DataDir() + "/Layouts/Traditional.lay", text, error)) throw std::runtime_error(error);
  LayFile lay;
  if (!ParseLayFile(text, lay, error) || !lay.magicOk) throw std::runtime_error("bad Traditional.lay");
  return lay.shape;
}

int ReplayRemovals(BoardState board, const std::vector<Place>& order, std::string* failure) {
  int removed = 0;
  for (size_t k = 0; k + 1 < order.size(); k += 2) {
    const Place a = order[k], b = order[k + 1];
    const int ta = board.BoardGrid.at(a), tb = board.BoardGrid.at(b);
    auto fail = [&](const std::string& why) {
      if (failure) *failure = "pair " + std::to_string(k / 2 + 1) + ": " + why;
      return removed;
    };
    if (ta < 1 || ta > TileTotal || tb < 1 || tb > TileTotal) return fail("an empty place");
    if (!TilesMatch(ta, tb))
      return fail("tiles " + std::to_string(ta) + " and " + std::to_string(tb) + " do not match");
    if (!IsFreeAt(board.BoardGrid, a.column, a.row, a.layer, false) ||
        !IsFreeAt(board.BoardGrid, b.column, b.row, b.layer, false))
      return fail("a tile is not free");
    board.TakeTile(ta);
    board.TakeTile(tb);
    removed += 2;
  }
  return removed;
}

}  // namespace velmor::test
