#include "base/BackgroundWriter.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "base/Files.h"

namespace velmor {

namespace {

bool WriteOrRemove(const std::string& path, const std::string* data, std::string& error) {
  if (!data) {
    if (!NameTaken(path) || RemoveFile(path)) return true;
    error = "cannot remove \"" + path + "\"";
    return false;
  }
  const std::string folder = FolderOf(path);
  return (folder.empty() || MakeFolder(folder, error)) && WriteFileAtomically(path, *data, error);
}

}  // namespace

struct BackgroundWriter::State {
  struct Entry {
    std::optional<std::string> data;  // none: remove the file
    Report report;
    uint64_t version = 0;
    bool failed = false;    // waits for the next put or flush before it is tried again
    bool reported = false;  // a text that keeps failing is reported once, not at every retry
  };

  Write write;
  bool background = false;
  mutable std::mutex mutex;
  std::condition_variable wake, done;
  std::map<std::string, Entry> waiting;
  std::vector<std::pair<Report, std::string>> failures;
  uint64_t nextVersion = 0;
  bool busy = false, stop = false;
  std::thread worker;

  // Something left that the worker would take up now.
  bool Ready() const {
    for (const auto& [path, entry] : waiting)
      if (!entry.failed) return true;
    return false;
  }
  void RetryFailed() {
    for (auto& [path, entry] : waiting) entry.failed = false;
  }

  // Writes every ready entry once, the lock released meanwhile. Called with `lock` held.
  void WriteReady(std::unique_lock<std::mutex>& lock) {
    while (true) {
      auto next = waiting.begin();
      while (next != waiting.end() && next->second.failed) ++next;
      if (next == waiting.end()) return;
      const std::string path = next->first;
      const Entry entry = next->second;
      busy = true;
      lock.unlock();
      std::string error;
      const bool written = write(path, entry.data ? &*entry.data : nullptr, error);
      lock.lock();
      busy = false;
      auto now = waiting.find(path);
      // A newer text came in meanwhile: it is the one to write, whatever became of this one.
      if (now == waiting.end() || now->second.version != entry.version) continue;
      if (written) {
        waiting.erase(now);
      } else {
        now->second.failed = true;
        if (entry.report && !now->second.reported) failures.emplace_back(entry.report, error);
        now->second.reported = true;
      }
    }
  }

  void Run() {
    std::unique_lock lock(mutex);
    while (true) {
      wake.wait(lock, [this] { return stop || Ready(); });
      WriteReady(lock);
      done.notify_all();
      if (stop && !Ready()) return;
    }
  }
};

BackgroundWriter::BackgroundWriter(bool background, Write write) : state_(std::make_shared<State>()) {
  state_->write = write ? std::move(write) : Write(WriteOrRemove);
  state_->background = background;
  if (background) state_->worker = std::thread([state = state_] { state->Run(); });
}

BackgroundWriter::~BackgroundWriter() {
  if (!state_->background) return;
  const bool finished = Flush(ExitWait);
  {
    std::lock_guard lock(state_->mutex);
    state_->stop = true;
    // A disk that failed is not waited on again on the way out.
    if (!finished) state_->waiting.clear();
  }
  state_->wake.notify_all();
  // A write that hangs (a lost network folder) must not hold the program open; the state the
  // worker uses lives as long as the worker does.
  if (finished)
    state_->worker.join();
  else
    state_->worker.detach();
}

void BackgroundWriter::Put(const std::string& path, std::string data, Report onFailure) {
  Queue(path, std::move(data), std::move(onFailure));
}

void BackgroundWriter::Remove(const std::string& path) { Queue(path, std::nullopt, {}); }

void BackgroundWriter::Queue(const std::string& path, std::optional<std::string> data, Report onFailure) {
  {
    std::lock_guard lock(state_->mutex);
    state_->RetryFailed();
    auto& entry = state_->waiting[path];
    entry.data = std::move(data);
    entry.report = std::move(onFailure);
    entry.version = ++state_->nextVersion;
    entry.failed = entry.reported = false;
  }
  if (state_->background) {
    state_->wake.notify_one();
    return;
  }
  std::unique_lock lock(state_->mutex);
  state_->WriteReady(lock);
  lock.unlock();
  DeliverFailures();
}

std::optional<std::optional<std::string>> BackgroundWriter::Pending(const std::string& path) const {
  std::lock_guard lock(state_->mutex);
  const auto found = state_->waiting.find(path);
  if (found == state_->waiting.end()) return std::nullopt;
  return found->second.data;
}

bool BackgroundWriter::Flush(std::chrono::milliseconds limit) {
  std::unique_lock lock(state_->mutex);
  state_->RetryFailed();
  if (!state_->background) {
    state_->WriteReady(lock);
    return state_->waiting.empty();
  }
  state_->wake.notify_one();
  state_->done.wait_for(lock, limit, [this] { return !state_->busy && !state_->Ready(); });
  return state_->waiting.empty();
}

void BackgroundWriter::DeliverFailures() {
  std::vector<std::pair<Report, std::string>> failures;
  {
    std::lock_guard lock(state_->mutex);
    failures.swap(state_->failures);
  }
  for (const auto& [report, error] : failures) report(error);
}

bool BackgroundWriter::Idle() const {
  std::lock_guard lock(state_->mutex);
  return !state_->busy && !state_->Ready() && state_->failures.empty();
}

}  // namespace velmor
