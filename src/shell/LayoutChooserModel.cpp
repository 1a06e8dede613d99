#include "shell/LayoutChooserModel.h"

#include <algorithm>

#include "base/Format.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"
#include "layouts/LayoutLibrary.h"
#include "modes/HallOfFame.h"
#include "modes/Statistics.h"

namespace velmor {

namespace {

// A grid cell and a layer's shift in sketch pixels: a tile is two cells each way, as on the board.
constexpr int SketchCellWidth = 4, SketchCellHeight = 5, SketchLayerShift = 1;
constexpr uint32_t TableColour = Rgb(34, 78, 56);

uint32_t Blend(uint32_t a, uint32_t b, int num, int den) {
  auto mix = [&](int x, int y) { return x + (y - x) * num / den; };
  return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

// The box of the tile anchored at zero-based (column, row) on `layer`, before centring.
Rect SketchBox(int layer, int row, int column) {
  const int x = column * SketchCellWidth + (layer - 1) * SketchLayerShift;
  const int y = row * SketchCellHeight - (layer - 1) * SketchLayerShift;
  return {x, y, x + 2 * SketchCellWidth, y + 2 * SketchCellHeight};
}

}  // namespace

Picture LayoutSketch(const LayoutShape& shape, int width, int height) {
  Picture out(width, height, TableColour);
  Rect bounds{width, height, 0, 0};
  bool any = false;
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int r = 0; r < LayoutShape::Rows; ++r)
      for (int c = 0; c < LayoutShape::Columns; ++c)
        if (shape.at(l, r, c)) {
          const Rect box = SketchBox(l, r, c);
          bounds = any ? Rect{std::min(bounds.left, box.left), std::min(bounds.top, box.top),
                              std::max(bounds.right, box.right), std::max(bounds.bottom, box.bottom)}
                       : box;
          any = true;
        }
  if (!any) return out;
  const int dx = (width - bounds.width()) / 2 - bounds.left, dy = (height - bounds.height()) / 2 - bounds.top;
  const uint32_t low = Rgb(200, 182, 138), high = Rgb(255, 252, 240);
  for (int l = 1; l <= LayoutShape::Layers; ++l) {
    const uint32_t face = Blend(low, high, l - 1, LayoutShape::Layers - 1);
    const uint32_t edge = Blend(face, Rgb(0, 0, 0), 1, 2);
    for (int r = 0; r < LayoutShape::Rows; ++r)
      for (int c = 0; c < LayoutShape::Columns; ++c) {
        if (!shape.at(l, r, c)) continue;
        const Rect box = SketchBox(l, r, c);
        const Rect placed{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
        // The side edge on the left and the lower edge at the bottom, as the board shows a tile.
        out.Fill(placed, edge);
        out.Fill({placed.left + 1, placed.top, placed.right, placed.bottom - 1}, face);
      }
  }
  return out;
}

std::string LayoutChoiceRow::LayersText() const {
  if (!readable) return VELMOR_TEXT("Cannot be read");
  if (layers == 0) return VELMOR_TEXT("No heap of its own");
  return Fill(layers == 1 ? VELMOR_TEXT("%1 layer") : VELMOR_TEXT("%1 layers"), layers);
}

std::string LayoutChoiceRow::RecordText() const {
  const std::string best = FormatMinSec(bestSeconds);
  if (won == 0) return bestSeconds > 0 ? Fill(VELMOR_TEXT("Best %1"), best) : VELMOR_TEXT("Not won yet");
  if (won == 1) return bestSeconds > 0 ? Fill(VELMOR_TEXT("Won once, best %1"), best) : VELMOR_TEXT("Won once");
  return bestSeconds > 0 ? Fill(VELMOR_TEXT("Won %1 times, best %2"), won, best)
                         : Fill(VELMOR_TEXT("Won %1 times"), won);
}

std::string LayoutChoiceRow::ClearableText() const {
  if (!readable || layers == 0) return {};
  if (clearable.state == ClearableFigure::Counting) return VELMOR_TEXT("Counting the deals that can be cleared");
  if (clearable.state != ClearableFigure::Known || clearable.count.Percent() < 0) return {};
  return Fill(VELMOR_TEXT("%1 % of deals can be cleared"), clearable.count.Percent());
}

const LayoutChooserModel::Sketched& LayoutChooserModel::SketchOf(const std::string& path, bool shp) {
  const std::optional<FileStamp> stamp = StampOf(path);
  const auto known = sketches_.find(path);
  if (known != sketches_.end() && stamp && known->second.stamp == *stamp) return known->second;
  ++filesRead_;
  Sketched made;
  if (stamp) made.stamp = *stamp;
  std::string text, error;
  LayFile lay;
  made.readable = stamp && ReadWholeFile(path, text, error) && ParseLayoutText(path, shp, text, lay, error);
  LayoutShape shape;
  if (made.readable && lay.magicOk) shape = lay.shape;
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int i = 0; i < LayoutShape::LayerCells; ++i)
      if (shape.cells[static_cast<size_t>(LayoutShape::Index(l, 0, 0) + i)]) {
        ++made.layers;
        break;
      }
  made.sketch = LayoutSketch(shape, SketchWidth, SketchHeight);
  return sketches_[path] = std::move(made);
}

void LayoutChooserModel::Fill(const LayoutLibrary& layouts, const HallOfFameBook& hall, const Statistics& stats,
                              int current, const ClearableSurvey* odds) {
  rows_.clear();
  current_ = current;
  for (int k = 1; k <= layouts.Count(); ++k) {
    const LayoutInfo& info = layouts[k];
    const Sketched& sketched = SketchOf(info.Path(), info.shp);
    LayoutChoiceRow row;
    row.number = k;
    row.name = info.name;
    row.readable = sketched.readable;
    row.layers = sketched.layers;
    row.sketch = &sketched.sketch;
    if (odds) row.clearable = odds->Of(info.Path());
    const std::string& first = hall.Get(info.file).entries[1];
    if (!Contains(first, "--- ")) EntryTime(first, row.bestSeconds);
    row.won = stats.Of(info.file).Won;
    rows_.push_back(std::move(row));
  }
}

bool LayoutChooserModel::Matches(const LayoutChoiceRow& row, std::string_view filter) {
  return Contains(LowerCase(row.name), LowerCase(Trim(filter)));
}

std::vector<int> LayoutChooserModel::Filtered(std::string_view filter) const {
  std::vector<int> out;
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
    if (Matches(rows_[static_cast<size_t>(i)], filter)) out.push_back(i);
  return out;
}

}  // namespace velmor
