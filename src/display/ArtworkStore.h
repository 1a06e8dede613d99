// Pictures made from artwork files at a large scale, kept from one run to the next. A change of
// scale then reads a kept picture where it lies instead of decoding and building it again, and
// its pages are the kept file's: shared, clean and given back under pressure, not the game's own.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "display/Picture.h"

namespace velmor {

class ArtworkStore {
 public:
  virtual ~ArtworkStore() = default;
  // The picture kept as `what` made from the file at `source`, while that file is unchanged.
  // Called from several threads at once.
  virtual std::optional<Picture> Find(const std::string& source, const std::string& what) = 0;
  // Keeps `picture` for later runs; the writing is the store's own work, off the caller's thread.
  virtual void Keep(const std::string& source, const std::string& what, const Picture& picture) = 0;
  // Runs `make` on the store's own thread, behind the game's: pictures wanted later (the looks at
  // the other scales the screen allows) made and kept before they are asked for. `make` is told
  // when the store is closing, to give up. One waiting to run is replaced by the next.
  using Making = std::function<void(const std::atomic<bool>& stopping)>;
  virtual void MakeAhead(Making make) = 0;
};

}  // namespace velmor
