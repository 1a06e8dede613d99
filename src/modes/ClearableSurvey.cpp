#include "modes/ClearableSurvey.h"

#include <algorithm>

#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

ClearableBook ReadBook(const std::string& folder) {
  ClearableBook book;
  std::string text, error;
  if (ReadWholeFile(folder + std::string(ClearableBook::FileName), text, error)) book.Read(text);
  return book;
}

}  // namespace

ClearableSurvey::ClearableSurvey(int deals, uint64_t nodesPerDeal, std::chrono::milliseconds settle)
    : deals_(deals),
      nodesPerDeal_(nodesPerDeal),
      countFrom_(std::chrono::steady_clock::now() + settle),
      worker_([this](std::stop_token stop) { Work(stop); }) {}

ClearableSurvey::~ClearableSurvey() {
  worker_.request_stop();
  wake_.notify_all();
}

void ClearableSurvey::Survey(const LayoutLibrary& layouts, const std::string& playersFolder) {
  std::lock_guard lock(mutex_);
  waiting_.clear();
  for (int k = layouts.Count(); k >= 1; --k) {
    waiting_.push_back(layouts[k]);
    ClearableFigure& figure = figures_[layouts[k].Path()];
    if (figure.state != ClearableFigure::Known) figure.state = ClearableFigure::Counting;
  }
  playersFolder_ = playersFolder;
  wake_.notify_all();
}

ClearableFigure ClearableSurvey::Of(const std::string& path) const {
  std::lock_guard lock(mutex_);
  const auto found = figures_.find(path);
  return found == figures_.end() ? ClearableFigure{} : found->second;
}

bool ClearableSurvey::Quiet() const {
  std::lock_guard lock(mutex_);
  return waiting_.empty() && !working_;
}

void ClearableSurvey::Work(std::stop_token stop) {
  std::map<std::string, ClearableBook> books;  // by folder, read once
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    if (waiting_.empty()) {
      working_ = false;
      wake_.wait(lock, stop, [&] { return !waiting_.empty(); });
      continue;
    }
    working_ = true;
    const LayoutInfo info = waiting_.back();
    waiting_.pop_back();
    const std::string players = playersFolder_;
    lock.unlock();

    LayoutShape shape;
    std::string name;
    LayoutRefusal refusal;
    // A ".lay" of another program lends only its name and has no heap to count.
    ClearableFigure figure;
    if (ReadPlayableLayout(info.Path(), info.shp, shape, name, refusal) && shape.Count() > 0) {
      const uint64_t key = HeapKey(shape);
      auto book = books.find(info.folder);
      if (book == books.end()) book = books.emplace(info.folder, ReadBook(info.folder)).first;
      std::optional<ClearableCount> count = book->second.Find(info.file, key);
      if (!count) {
        lock.lock();
        wake_.wait_until(lock, stop, countFrom_, [] { return false; });
        lock.unlock();
        count = CountClearable(shape, deals_, nodesPerDeal_, 1, stop);
        if (count) {
          book->second.Put(info.file, key, *count);
          // Only the player's folder is the game's to write; a figure for a file elsewhere is
          // kept while the game runs.
          std::string error;
          if (!players.empty() && info.folder == players)
            WriteFileAtomically(players + std::string(ClearableBook::FileName), book->second.Text(), error);
        }
      }
      if (count) figure = {ClearableFigure::Known, *count};
    }

    lock.lock();
    const auto waitingAgain = std::find_if(waiting_.begin(), waiting_.end(),
                                           [&](const LayoutInfo& other) { return other.Path() == info.Path(); });
    if (!stop.stop_requested() && (figure.state == ClearableFigure::Known || waitingAgain == waiting_.end()))
      figures_[info.Path()] = figure;
  }
  working_ = false;
}

}  // namespace velmor
