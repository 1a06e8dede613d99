// Pictures made from artwork files at a large scale, kept from one run to the next. A change of
// scale then reads a kept picture where it lies instead of decoding and building it again, and
// its pages are the kept file's: shared, clean and given back under pressure, not the game's own.
#pragma once

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
};

}  // namespace velmor
