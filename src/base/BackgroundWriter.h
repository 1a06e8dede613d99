// The files the game keeps as it goes (the game in progress after every pair, the statistics, the
// Hall of Fame, the settings) go to disk on a thread of their own, so that a slow or busy disk
// never stalls a move. Only the latest text of each file matters: a newer one replaces what has
// not been written yet. Every write is atomic; a file whose write failed keeps its text and is
// tried again with the next write or flush, so a disk that fails for a while loses nothing.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace velmor {

class BackgroundWriter {
 public:
  // Told, on the thread that delivers failures, why a file was not written.
  using Report = std::function<void(const std::string& error)>;
  // Writes `data` to `path` atomically, or removes the file when `data` is null. False with a
  // reason. The default makes the file's folder first.
  using Write = std::function<bool(const std::string& path, const std::string* data, std::string& error)>;

  // Without `background` every write happens inside Put and Remove, and failures are reported
  // there and then: for tests of the game and for programs without a window.
  explicit BackgroundWriter(bool background, Write write = {});
  // Writes what is still waiting, for as long as ExitWait at most, then stops.
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  static constexpr std::chrono::milliseconds ExitWait{10000};

  void Put(const std::string& path, std::string data, Report onFailure = {});
  void Remove(const std::string& path);
  // What `path` holds once the waiting writes are done, when that is not yet on disk: a text, or
  // an empty optional inside for a removal. Nothing when the disk already has the latest.
  std::optional<std::optional<std::string>> Pending(const std::string& path) const;
  // Waits until everything put so far is written or has failed, for `limit` at most; true when
  // nothing is left to write. Failed files are tried once more.
  bool Flush(std::chrono::milliseconds limit = ExitWait);
  // Runs the reports of the failures since the last call, on the calling thread.
  void DeliverFailures();
  // Nothing waiting to be written and no failure to deliver.
  bool Idle() const;

 private:
  // A text to write, or none to remove the file.
  void Queue(const std::string& path, std::optional<std::string> data, Report onFailure);
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace velmor
