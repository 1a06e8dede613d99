#include "layouts/ClearableShare.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <thread>
#include <vector>

#include "board/Deal.h"
#include "board/Solver.h"

namespace velmor {

namespace {

constexpr std::string_view Section = "[Clearable]";

// A file name the book can keep on one line of its own and read back as it was.
bool KeepableName(std::string_view file) {
  return !file.empty() && file.find_first_of("\r\n=") == std::string_view::npos && file.front() != ';' &&
         file.front() != '[' && file.front() != ' ' && file.back() != ' ';
}

template <class T>
bool ReadNumber(std::string_view& text, T& out, int base = 10) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out, base);
  if (error != std::errc{} || end == text.data()) return false;
  text.remove_prefix(static_cast<size_t>(end - text.data()));
  return true;
}

}  // namespace

int ClearableCount::Percent() const {
  const int decided = cleared + lost;
  return decided > 0 ? cleared * 100 / decided : -1;
}

std::optional<ClearableCount> CountClearable(const LayoutShape& shape, int deals, uint64_t nodesPerDeal, int threads,
                                             std::stop_token stop) {
  std::atomic<int> next{1}, cleared{0}, lost{0}, open{0};
  auto work = [&] {
    SolveLimits limits;
    limits.maxNodes = nodesPerDeal;
    limits.stop = stop;
    // Sixteen megabytes of learnt choices is plenty for one deal, and keeps two threads light.
    limits.tableBytes = size_t{16} << 20;
    for (int game = next++; game <= deals && !stop.stop_requested(); game = next++) {
      const BoardState board = DealGameNumber(shape, static_cast<uint32_t>(game), false, 0).board;
      const SolveResult result = SolveBoard(board, false, limits).result;
      (result == SolveResult::Winnable ? cleared : result == SolveResult::NotWinnable ? lost : open)++;
    }
  };
  std::vector<std::jthread> helpers;
  for (int k = 1; k < std::max(threads, 1); ++k) helpers.emplace_back(work);
  work();
  helpers.clear();
  if (stop.stop_requested()) return std::nullopt;
  return ClearableCount{cleared, lost, open};
}

uint64_t HeapKey(const LayoutShape& shape) {
  uint64_t h = 14695981039346656037ull;  // FNV-1a over the places that hold a tile
  for (size_t i = 0; i < shape.cells.size(); ++i)
    if (shape.cells[i]) {
      h = (h ^ i) * 1099511628211ull;
      h = (h ^ (i >> 8)) * 1099511628211ull;
    }
  return h;
}

void ClearableBook::Read(std::string_view text) {
  bool inSection = false;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      inSection = line == Section;
      continue;
    }
    const size_t equals = line.rfind('=');
    if (!inSection || equals == std::string_view::npos) continue;
    const std::string_view file = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    Entry entry;
    if (!KeepableName(file) || !ReadNumber(value, entry.key, 16) || !ReadNumber(value, entry.count.cleared) ||
        !ReadNumber(value, entry.count.lost) || !ReadNumber(value, entry.count.open) ||
        value.find_first_not_of(' ') != std::string_view::npos || entry.count.cleared < 0 || entry.count.lost < 0 ||
        entry.count.open < 0)
      continue;
    entries_[std::string(file)] = entry;
  }
}

std::string ClearableBook::Text() const {
  std::string out =
      "; How many random deals of each layout can be cleared, how many cannot and how many were not\r\n"
      "; decided, counted on the heap the first number names.\r\n";
  out += Section;
  out += "\r\n";
  for (const auto& [file, entry] : entries_) {
    char key[17];
    const auto end = std::to_chars(key, key + 16, entry.key, 16).ptr;
    out += file + "=" + std::string(key, end) + " " + std::to_string(entry.count.cleared) + " " +
           std::to_string(entry.count.lost) + " " + std::to_string(entry.count.open) + "\r\n";
  }
  return out;
}

std::optional<ClearableCount> ClearableBook::Find(const std::string& file, uint64_t key) const {
  const auto found = entries_.find(file);
  if (found == entries_.end() || found->second.key != key) return std::nullopt;
  return found->second.count;
}

void ClearableBook::Put(const std::string& file, uint64_t key, const ClearableCount& count) {
  if (KeepableName(file)) entries_[file] = {key, count};
}

}  // namespace velmor
