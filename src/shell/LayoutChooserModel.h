// What the layout chooser shows: one row per entry of the Layout menu, with a sketch of the heap,
// its layers, the player's best time and games won on it, and the rows a filter leaves.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/Say.h"
#include "board/LayoutShape.h"
#include "display/Picture.h"
#include "modes/ClearableSurvey.h"

namespace velmor {

class HallOfFameBook;
class LayoutLibrary;
class Statistics;

// The heap seen from above: each tile a box, higher layers lighter and shifted up and right as the
// board draws them, the whole centred on a table of the given size.
Picture LayoutSketch(const LayoutShape& shape, int width, int height);

struct LayoutChoiceRow {
  VELMOR_SPEAKS(velmor)
  int number = 0;  // the Layout menu's entry
  std::string name;
  bool readable = true;
  int layers = 0;                   // layers holding a tile; 0 when the file brings no heap of its own
  int bestSeconds = 0;              // the Hall of Fame's first time; 0 when the list is empty
  int won = 0;                      // games won, as the statistics count them
  const Picture* sketch = nullptr;  // kept by the model, valid until the next Fill
  ClearableFigure clearable;        // how many of its random deals can be cleared
  // "3 layers", "Won 5 times", "Best 04:12", "97 % of deals can be cleared", in the words the
  // chooser shows.
  std::string LayersText() const;
  std::string RecordText() const;
  std::string ClearableText() const;
};

class LayoutChooserModel {
 public:
  static constexpr int SketchWidth = 150, SketchHeight = 112;

  // Rows for every layout of `layouts`, `current` marking the one in play, with what `odds` knows
  // of their difficulty. A file is read and sketched once: later fills reuse what was made while
  // its size and time stay the same.
  void Fill(const LayoutLibrary& layouts, const HallOfFameBook& hall, const Statistics& stats, int current,
            const ClearableSurvey* odds = nullptr);
  const std::vector<LayoutChoiceRow>& Rows() const { return rows_; }
  int Current() const { return current_; }
  // Whether a row's name holds `filter`, ignoring case and the spaces around it (all do for none).
  static bool Matches(const LayoutChoiceRow& row, std::string_view filter);
  // Positions in Rows() of the rows that match, in the menu's order.
  std::vector<int> Filtered(std::string_view filter) const;
  // How many files Fill has read so far, for the cache's sake.
  int FilesRead() const { return filesRead_; }

 private:
  struct Sketched {
    FileStamp stamp;
    bool readable = false;
    int layers = 0;
    Picture sketch;
  };
  const Sketched& SketchOf(const std::string& path, bool shp);

  std::vector<LayoutChoiceRow> rows_;
  std::map<std::string, Sketched> sketches_;  // by path
  int current_ = 0;
  int filesRead_ = 0;
};

}  // namespace velmor
