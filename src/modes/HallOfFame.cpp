#include "modes/HallOfFame.h"

#include "base/Text.h"

namespace velmor {

namespace {
std::string Right4(int value) {
  std::string s = std::to_string(value);
  if (s.size() < 4) s.insert(0, 4 - s.size(), ' ');
  return s;
}

bool Field(const std::string& entry, size_t from, int& out) {
  if (entry.size() < from + 4) return false;
  size_t i = from;
  while (i < from + 4 && entry[i] == ' ') ++i;
  if (i == from + 4) return false;
  int v = 0;
  for (; i < from + 4; ++i) {
    if (entry[i] < '0' || entry[i] > '9') return false;
    v = v * 10 + (entry[i] - '0');
  }
  out = v;
  return true;
}
}  // namespace

std::string FillerEntry(int rank) { return "---      " + Right4(60 * rank + 240) + "    0"; }

std::string HallName(std::string_view name) {
  std::string n(name.substr(0, 8));
  n.resize(8, ' ');
  return n;
}

std::string MakeHallEntry(std::string_view name, int total, int malus) {
  return HallName(name) + " " + Right4(total) + " " + Right4(malus);
}

bool EntryTime(const std::string& entry, int& seconds) { return Field(entry, 9, seconds); }
bool EntryMalus(const std::string& entry, int& seconds) { return Field(entry, 14, seconds); }

bool EntryReadable(const std::string& entry) {
  int t, m;
  return entry.size() == HallEntryLength && entry[8] == ' ' && entry[13] == ' ' && EntryTime(entry, t) &&
         EntryMalus(entry, m);
}

HallList::HallList() { Reset(); }

void HallList::Reset() {
  entries[0].clear();
  for (int r = 1; r <= HallRanks; ++r) entries[static_cast<size_t>(r)] = FillerEntry(r);
}

bool HallList::IsEmpty() const {
  for (int r = 1; r <= HallRanks; ++r)
    if (!Contains(entries[static_cast<size_t>(r)], "--- ")) return false;
  return true;
}

int HallList::Add(std::string_view name, int total, int malus) {
  auto time = [this](int r) {
    int t = 0;
    EntryTime(entries[static_cast<size_t>(r)], t);
    return t;
  };
  auto penalty = [this](int r) {
    int m = 0;
    EntryMalus(entries[static_cast<size_t>(r)], m);
    return m;
  };
  int pos = HallRanks;
  for (int r = HallRanks; r >= 1; --r)
    if (time(r) >= total) pos = r;
  if (time(pos) < total) return 0;  // slower than the whole list
  if (time(pos) == total && penalty(pos) <= malus) {
    if (pos == HallRanks) return 0;
    ++pos;
  }
  for (int r = HallRanks; r > pos; --r) entries[static_cast<size_t>(r)] = entries[static_cast<size_t>(r) - 1];
  entries[static_cast<size_t>(pos)] = MakeHallEntry(name, total, malus);
  return pos;
}

bool HallList::Rename(int rank, std::string_view name) {
  if (rank < 1 || rank > HallRanks) return false;
  entries[static_cast<size_t>(rank)].replace(0, 8, HallName(name));
  return true;
}

const HallList& HallOfFameBook::Get(const std::string& key) const {
  static const HallList none;
  const auto found = lists_.find(key);
  return found == lists_.end() ? none : found->second;
}

int HallOfFameBook::TenthTime(const std::string& key) const {
  if (key.empty()) return 0;
  int t = 0;
  EntryTime(Get(key).entries[HallRanks], t);
  return t;
}

int HallOfFameBook::Enter(const std::string& key, std::string_view name, int total, int malus) {
  if (key.empty() || total >= TenthTime(key)) return 0;
  return (*this)[key].Add(name, total, malus);
}

std::string HallOfFameBook::Section(std::string_view layoutRecordName) {
  std::string name(layoutRecordName);
  std::erase(name, ' ');
  return name;
}

}  // namespace velmor
