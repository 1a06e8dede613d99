// The artwork store as files in the player's cache folder, one picture a file, read by mapping
// it into memory. A file is written beside its final name and renamed over it, on the store's
// own thread; one that is damaged, of another version or made from a file that has changed since
// is not used (and is made again). The folder is kept under a size, the least recently used
// pictures going first.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

#include "display/ArtworkStore.h"

namespace velmor {

class KeptArtwork : public ArtworkStore {
 public:
  // Writing starts `delay` after a picture is handed over, so that it does not compete with the
  // redraw that made the picture.
  explicit KeptArtwork(std::string folder, uint64_t limitBytes = 256ull << 20,
                       std::chrono::milliseconds delay = std::chrono::milliseconds(0));
  ~KeptArtwork() override;  // a write under way is given up, its temporary file removed
  std::optional<Picture> Find(const std::string& source, const std::string& what) override;
  void Keep(const std::string& source, const std::string& what, const Picture& picture) override;
  void MakeAhead(Making make) override;
  // Waits until every picture handed to Keep is written (or given up), and what MakeAhead was
  // given has run.
  void Flush();

 private:
  struct Job {
    std::string key;  // the source file's path and what was made from it
    uint64_t sourceSize;
    int64_t sourceTime;
    Picture picture;
    Making make;  // set: a making to run, not a picture to write
  };
  std::string FileFor(const std::string& key) const;
  void Work();
  bool Write(const Job& job);
  void Trim(const std::string& keep);
  std::string folder_;
  uint64_t limit_;
  std::chrono::milliseconds delay_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  bool busy_ = false;
  std::atomic<bool> stopping_{false};
  std::thread worker_;
};

}  // namespace velmor
