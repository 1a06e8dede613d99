#include "board/Solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <memory>

namespace velmor {

namespace {

constexpr int GroupTotal = TileTotal / 4;

// A set of the board's tiles by their index in the search (0..143): a position is the set of
// tiles still standing. Which tile number stands where does not matter to the search, only the
// group, so positions reached by taking the same places in another order meet in one key.
struct TileSet {
  std::array<uint64_t, 3> w{};
  void Add(int i) { w[static_cast<size_t>(i >> 6)] |= uint64_t{1} << (i & 63); }
  void Remove(int i) { w[static_cast<size_t>(i >> 6)] &= ~(uint64_t{1} << (i & 63)); }
  bool Has(int i) const { return (w[static_cast<size_t>(i >> 6)] >> (i & 63)) & 1; }
  bool Meets(const TileSet& o) const { return ((w[0] & o.w[0]) | (w[1] & o.w[1]) | (w[2] & o.w[2])) != 0; }
  bool Empty() const { return (w[0] | w[1] | w[2]) == 0; }
  bool Within(const TileSet& o) const { return ((w[0] & ~o.w[0]) | (w[1] & ~o.w[1]) | (w[2] & ~o.w[2])) == 0; }
  int CountIn(const TileSet& o) const {
    return std::popcount(w[0] & o.w[0]) + std::popcount(w[1] & o.w[1]) + std::popcount(w[2] & o.w[2]);
  }
  friend bool operator==(const TileSet& x, const TileSet& y) {
    return ((x.w[0] ^ y.w[0]) | (x.w[1] ^ y.w[1]) | (x.w[2] ^ y.w[2])) == 0;
  }
  template <class F>
  void ForEach(F&& f) const {
    for (int k = 0; k < 3; ++k)
      for (uint64_t bits = w[static_cast<size_t>(k)]; bits; bits &= bits - 1) f(k * 64 + std::countr_zero(bits));
  }
};

// One tile of the board as the free rule sees it: what must leave before it is free.
struct Spot {
  int tile = 0;
  int group = 0;
  int slot = 0;           // its bit among the tiles of its group
  TileSet above;          // tiles resting on it
  TileSet first, second;  // tiles on either side: left and right, or above and below for the vertical rule
  bool neverFree = false, firstWalled = false, secondWalled = false;  // blocked by something that stays
  TileSet holds;           // tiles that cannot be free while this one stands, whatever else goes
  std::vector<int> leans;  // tiles that may come free when this one goes: it is on or beside them
  uint64_t key = 0;        // its share of the position's hash
};

bool FreeIn(const Spot& s, const TileSet& standing) {
  if (s.neverFree || s.above.Meets(standing)) return false;
  return (!s.firstWalled && !s.first.Meets(standing)) || (!s.secondWalled && !s.second.Meets(standing));
}

// Could the tile become free once everything outside `stuck` has gone?
bool StuckBy(const Spot& s, const TileSet& stuck) {
  return s.neverFree || s.above.Meets(stuck) ||
         ((s.firstWalled || s.first.Meets(stuck)) && (s.secondWalled || s.second.Meets(stuck)));
}

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// Positions proven lost, keyed by the standing tiles. Two entries share a cache line; a new one
// pushes out the one whose proof took fewer positions. The memory is only touched as it fills,
// so a quick search does not pay for the whole table.
class LostTable {
 public:
  explicit LostTable(size_t bytes) {
    size_t buckets = 1;
    while (buckets * 2 * sizeof(Bucket) <= bytes) buckets *= 2;
    buckets_.reset(static_cast<Bucket*>(std::calloc(buckets, sizeof(Bucket))));
    mask_ = buckets_ ? buckets - 1 : 0;
  }
  bool Has(const TileSet& standing, uint64_t hash) const {
    if (!buckets_) return false;
    const Bucket& b = buckets_[hash & mask_];
    return b.entry[0].standing == standing || b.entry[1].standing == standing;
  }
  void Store(const TileSet& standing, uint64_t hash, uint64_t work) {
    if (!buckets_) return;
    Bucket& b = buckets_[hash & mask_];
    Entry& victim = b.entry[0].work <= b.entry[1].work ? b.entry[0] : b.entry[1];
    victim = {standing, work};
  }

 private:
  struct Entry {
    TileSet standing;  // empty: a free slot (the empty board is never lost)
    uint64_t work;
  };
  struct Bucket {
    Entry entry[2];
  };
  struct Free {
    void operator()(Bucket* p) const { std::free(p); }
  };
  std::unique_ptr<Bucket[], Free> buckets_;
  size_t mask_ = 0;
};

class Search {
 public:
  Search(const BoardState& board, bool vertical, const SolveLimits& limits)
      : limits_(limits), table_(limits.tableBytes), start_(std::chrono::steady_clock::now()) {
    Build(board, vertical);
  }

  // A search that goes wrong early can spend long proving a hopeless part lost, while another
  // order of moves would have won at once; so it starts over, a little shuffled, with twice the
  // allowance each time. What was proven lost stays in the table, and the allowance keeps
  // doubling, so the last run is as exhaustive as one long search.
  Solution Run() {
    Solution s;
    s.result = SolveResult::NotWinnable;
    for (uint64_t allowance = FirstAllowance; !lost_; allowance = std::min(allowance * 2, MostAllowance)) {
      budgetEnd_ = nodes_ + allowance;
      s.result = Node(standing_, FreeAmong(standing_), TileSet{}, hash_, AnyGroup, nullptr, 0);
      if (s.result != SolveResult::Unknown || stopped_) break;
      path_.clear();
      ++restarts_;
    }
    s.nodes = nodes_;
    if (s.result == SolveResult::Winnable)
      for (auto [a, b] : path_) s.moves.emplace_back(At(a).tile, At(b).tile);
    return s;
  }

 private:
  struct Move {
    int a, b, score;
  };
  struct Pair {
    uint8_t a, b;
  };

  void Build(const BoardState& board, bool vertical);
  void FindHolds();
  void FindLiveGroupSets();
  SolveResult Node(TileSet standing, TileSet free, TileSet pairs, uint64_t hash, int changed, const Pair* sleeping,
                   int sleepCount);
  bool PairsStuck(TileSet standing, TileSet free, TileSet pairs) const;
  TileSet FreeAmong(const TileSet& standing) const {
    TileSet free;
    standing.ForEach([&](int i) {
      if (FreeIn(At(i), standing)) free.Add(i);
    });
    return free;
  }
  // Taking a tile only ever frees the tiles it was on or beside.
  void Take(int i, TileSet& standing, TileSet& free) const {
    standing.Remove(i);
    free.Remove(i);
    for (int j : At(i).leans)
      if (standing.Has(j) && !free.Has(j) && FreeIn(At(j), standing)) free.Add(j);
  }
  bool ShouldStop();

  const Spot& At(int i) const { return spots_[static_cast<size_t>(i)]; }
  int GroupSetIn(int g, const TileSet& standing) const {
    int set = 0;
    for (int i : members_[static_cast<size_t>(g)])
      if (standing.Has(i)) set |= 1 << At(i).slot;
    return set;
  }

  static constexpr uint64_t FirstAllowance = 100, MostAllowance = uint64_t{1} << 62;
  static constexpr uint64_t NoiseSpan = 200;
  static constexpr int AnyGroup = -1;

  const SolveLimits& limits_;
  LostTable table_;
  uint64_t budgetEnd_ = 0;
  int restarts_ = 0;
  uint64_t noise_ = 0x1234;
  std::chrono::steady_clock::time_point start_;
  std::vector<Spot> spots_;
  std::array<std::vector<int>, GroupTotal> members_;
  std::array<TileSet, GroupTotal> groupTiles_;
  // live_[g][set]: the tiles of group g in `set` (bits by slot) can be paired off as far as the
  // tiles of that group alone decide; a position with a dead set is lost.
  std::array<std::array<bool, 16>, GroupTotal> live_{};
  TileSet standing_;
  uint64_t hash_ = 0;
  bool lost_ = false;
  bool stopped_ = false;
  uint64_t nodes_ = 0;
  std::vector<std::pair<int, int>> path_;  // spots taken on the line being searched
};

void Search::Build(const BoardState& board, bool vertical) {
  std::array<int, TileTotal + 1> index;
  index.fill(-1);
  for (int t = 1; t <= TileTotal; ++t) {
    if (board.TilePlace[static_cast<size_t>(t)].empty()) continue;
    index[static_cast<size_t>(t)] = static_cast<int>(spots_.size());
    Spot s;
    s.tile = t;
    s.group = MatchGroup(t);
    spots_.push_back(s);
  }
  const Grid& grid = board.BoardGrid;
  auto blocker = [&](int c, int r, int l, TileSet& into, bool& walled) {
    const uint8_t v = grid.at(c, r, l);
    if (!v) return;
    if (v <= TileTotal && index[v] >= 0 && board.TilePlace[v] == Place{c, r, l})
      into.Add(index[v]);
    else
      walled = true;
  };
  uint64_t seed = 0x5eed;
  for (size_t i = 0; i < spots_.size(); ++i) {
    Spot& s = spots_[i];
    const Place p = board.TilePlace[static_cast<size_t>(s.tile)];
    const int c = p.column, r = p.row, l = p.layer;
    s.neverFree = c == 0 || r == 0 || l == 0;
    for (int d = -1; d <= 1; ++d) {
      if (vertical) {
        blocker(c + d, r - 2, l, s.first, s.firstWalled);
        blocker(c + d, r + 2, l, s.second, s.secondWalled);
      } else {
        blocker(c - 2, r + d, l, s.first, s.firstWalled);
        blocker(c + 2, r + d, l, s.second, s.secondWalled);
      }
    }
    if (l != AnchorLayers)
      for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr) blocker(c + dc, r + dr, l + 1, s.above, s.neverFree);
    s.key = SplitMix(seed);
    standing_.Add(static_cast<int>(i));
    hash_ ^= s.key;
    auto& group = members_[static_cast<size_t>(s.group)];
    s.slot = static_cast<int>(group.size());
    group.push_back(static_cast<int>(i));
    groupTiles_[static_cast<size_t>(s.group)].Add(static_cast<int>(i));
  }
  for (size_t j = 0; j < spots_.size(); ++j) {
    TileSet near = spots_[j].above;
    for (size_t w = 0; w < 3; ++w) near.w[w] |= spots_[j].first.w[w] | spots_[j].second.w[w];
    near.ForEach([&](int i) { spots_[static_cast<size_t>(i)].leans.push_back(static_cast<int>(j)); });
  }
  for (const auto& group : members_) lost_ |= group.size() % 2 != 0;  // one tile would stay behind
  if (lost_) return;
  FindHolds();
  if (!lost_) FindLiveGroupSets();
}

// What each tile holds up: the tiles that stay stuck while it stands even if all others go. A
// tile stuck with nothing standing can never leave.
void Search::FindHolds() {
  const int n = static_cast<int>(spots_.size());
  auto closure = [&](TileSet stuck) {
    for (bool grew = true; grew;) {
      grew = false;
      for (int i = 0; i < n; ++i)
        if (!stuck.Has(i) && StuckBy(At(i), stuck)) {
          stuck.Add(i);
          grew = true;
        }
    }
    return stuck;
  };
  if (!closure(TileSet{}).Empty()) {
    lost_ = true;
    return;
  }
  for (int i = 0; i < n; ++i) {
    TileSet self;
    self.Add(i);
    TileSet held = closure(self);
    held.Remove(i);
    spots_[static_cast<size_t>(i)].holds = held;
  }
}

// A group's tiles can only leave two by two, each pair free together: two tiles where one holds
// the other (the same face stacked in one pile, say) can never pair, and with four, a tile
// holding two others must pair with the fourth and leave those two together.
void Search::FindLiveGroupSets() {
  for (int g = 0; g < GroupTotal; ++g) {
    const auto& m = members_[static_cast<size_t>(g)];
    auto& live = live_[static_cast<size_t>(g)];
    const int size = static_cast<int>(m.size());
    auto holds = [&](int x, int y) { return At(m[static_cast<size_t>(x)]).holds.Has(m[static_cast<size_t>(y)]); };
    live[0] = true;
    for (int set = 1; set < (1 << size); ++set) {
      for (int a = 0; a < size && !live[static_cast<size_t>(set)]; ++a)
        for (int b = a + 1; b < size; ++b) {
          if (!((set >> a) & 1) || !((set >> b) & 1)) continue;
          bool pairFree = true;
          for (int x = 0; x < size; ++x)
            if (((set >> x) & 1) && (holds(x, a) || holds(x, b))) pairFree = false;
          if (pairFree && live[static_cast<size_t>(set & ~(1 << a) & ~(1 << b))]) {
            live[static_cast<size_t>(set)] = true;
            break;
          }
        }
    }
    if (!live[static_cast<size_t>((1 << size) - 1)]) lost_ = true;
  }
}

bool Search::ShouldStop() {
  if (limits_.maxNodes && nodes_ >= limits_.maxNodes) return true;
  if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) return true;
  if (limits_.stop.stop_requested()) return true;
  return limits_.maxTime.count() > 0 && std::chrono::steady_clock::now() - start_ >= limits_.maxTime;
}

// Play loosely: a tile of a group with four standing may go alone once free, but a group down to
// its pair must still take both tiles together. Taking tiles never makes others less free, so
// the order does not matter, and if even this cannot empty the board, no real play can. It
// catches pairs that wait on each other, across a row (one of each between the other's tiles)
// as well as in piles. A position can only newly fail this when a group comes down to a pair.
bool Search::PairsStuck(TileSet standing, TileSet free, TileSet pairs) const {
  TileSet todo = free;
  // Once the pairs are gone the rest can go one by one: the board as dealt was checked for that.
  while (!todo.Empty() && pairs.Meets(standing)) {
    const TileSet now = todo;
    const TileSet before = free;
    now.ForEach([&](int i) {
      if (!standing.Has(i)) return;
      if (!pairs.Has(i)) {
        Take(i, standing, free);
        return;
      }
      TileSet partner = groupTiles_[static_cast<size_t>(At(i).group)];
      for (size_t w = 0; w < 3; ++w) partner.w[w] &= pairs.w[w] & standing.w[w];
      partner.Remove(i);
      if (!partner.Within(free)) return;
      Take(i, standing, free);
      partner.ForEach([&](int j) { Take(j, standing, free); });
    });
    for (size_t w = 0; w < 3; ++w) todo.w[w] = free.w[w] & ~before.w[w];
  }
  return pairs.Meets(standing);
}

// `pairs` holds the tiles of groups down to two (those gone may be left in).
SolveResult Search::Node(TileSet standing, TileSet free, TileSet pairs, uint64_t hash, int changed,
                         const Pair* sleeping, int sleepCount) {
  if ((++nodes_ & 1023) == 0 && ShouldStop()) stopped_ = true;
  if (stopped_ || nodes_ >= budgetEnd_) return SolveResult::Unknown;
  const size_t mark = path_.size();
  auto lost = [&] {
    path_.resize(mark);
    return SolveResult::NotWinnable;
  };
  bool newPair = false;
  if (changed != AnyGroup) {
    // The group's tiles must still pair off among themselves. If it is down to a pair that is not
    // free yet, the looser play below must be tried again: nothing else could have made it fail.
    const TileSet left = [&] {
      TileSet t = standing;
      for (size_t w = 0; w < 3; ++w) t.w[w] &= groupTiles_[static_cast<size_t>(changed)].w[w];
      return t;
    }();
    const int count = left.CountIn(left);
    if (!live_[static_cast<size_t>(changed)][static_cast<size_t>(GroupSetIn(changed, standing))]) return lost();
    if (count == 2) {
      for (size_t w = 0; w < 3; ++w) pairs.w[w] |= left.w[w];
      newPair = !left.Within(free);
    }
  }

  // A group whose standing tiles are all free goes at once: nothing else can use them, and taking
  // tiles away never makes another tile less free, so any win still works after it. With four
  // free, any two pairs do. A group taken whole leaves no tiles whose pairing could go wrong.
  for (bool took = true; took;) {
    took = false;
    for (int g = 0; g < GroupTotal; ++g) {
      const TileSet& group = groupTiles_[static_cast<size_t>(g)];
      if (!group.Meets(standing)) continue;
      int left[4], count = 0;
      bool allFree = true;
      for (int i : members_[static_cast<size_t>(g)])
        if (standing.Has(i)) {
          left[count++] = i;
          allFree &= free.Has(i);
        }
      if (!allFree) continue;
      for (int k = 0; k + 1 < count; k += 2) {
        path_.emplace_back(left[k], left[k + 1]);
        hash ^= At(left[k]).key ^ At(left[k + 1]).key;
      }
      for (int k = 0; k < count; ++k) Take(left[k], standing, free);
      took = true;
    }
  }
  if (standing.Empty()) return SolveResult::Winnable;
  if (changed == AnyGroup) {
    for (int g = 0; g < GroupTotal; ++g)
      if (!live_[static_cast<size_t>(g)][static_cast<size_t>(GroupSetIn(g, standing))]) return lost();
    for (int g = 0; g < GroupTotal; ++g) {
      const TileSet& group = groupTiles_[static_cast<size_t>(g)];
      if (group.CountIn(standing) == 2)
        for (size_t w = 0; w < 3; ++w) pairs.w[w] |= group.w[w] & standing.w[w];
    }
    newPair = true;
  }
  if (table_.Has(standing, hash) || (newPair && PairsStuck(standing, free, pairs))) return lost();

  // Tiles that hold up the most of what still stands go first; of three free tiles of a group the
  // one left behind is the one in the way of the least.
  std::array<Move, 3 * GroupTotal> moves;
  int moveCount = 0;
  for (int g = 0; g < GroupTotal; ++g) {
    int f[4], count = 0;
    for (int i : members_[static_cast<size_t>(g)])
      if (free.Has(i)) f[count++] = i;
    for (int x = 0; x < count; ++x)
      for (int y = x + 1; y < count; ++y) {
        const int held = At(f[x]).holds.CountIn(standing) + At(f[y]).holds.CountIn(standing);
        const int shake = restarts_ ? static_cast<int>(SplitMix(noise_) % NoiseSpan) : 0;
        moves[static_cast<size_t>(moveCount++)] = {f[x], f[y], held * 8 + shake};
      }
  }
  std::stable_sort(moves.begin(), moves.begin() + moveCount,
                   [](const Move& x, const Move& y) { return x.score > y.score; });

  // Moves are never undone by other moves, so a move already proven lost here or above, whose
  // tiles still stand, stays lost after any move that leaves them alone: the position it gives is
  // reached from the lost one too. Those sleep and are not tried again below.
  std::array<Pair, 3 * GroupTotal> sleep, next;
  int sleepers = 0;
  for (int k = 0; k < sleepCount; ++k)
    if (standing.Has(sleeping[k].a) && standing.Has(sleeping[k].b))
      sleep[static_cast<size_t>(sleepers++)] = sleeping[k];

  const uint64_t before = nodes_;
  for (int k = 0; k < moveCount; ++k) {
    const Move& m = moves[static_cast<size_t>(k)];
    bool asleep = false;
    for (int z = 0; z < sleepers && !asleep; ++z)
      asleep = (sleep[static_cast<size_t>(z)].a == m.a && sleep[static_cast<size_t>(z)].b == m.b);
    if (asleep) continue;
    int nextCount = 0;
    for (int z = 0; z < sleepers; ++z) {
      const Pair p = sleep[static_cast<size_t>(z)];
      if (p.a != m.a && p.a != m.b && p.b != m.a && p.b != m.b) next[static_cast<size_t>(nextCount++)] = p;
    }
    TileSet after = standing, freeAfter = free;
    Take(m.a, after, freeAfter);
    Take(m.b, after, freeAfter);
    const size_t line = path_.size();
    path_.emplace_back(m.a, m.b);
    const SolveResult r =
        Node(after, freeAfter, pairs, hash ^ At(m.a).key ^ At(m.b).key, At(m.a).group, next.data(), nextCount);
    if (r != SolveResult::NotWinnable) return r;
    path_.resize(line);
    if (sleepers < static_cast<int>(sleep.size()))
      sleep[static_cast<size_t>(sleepers++)] = {static_cast<uint8_t>(m.a), static_cast<uint8_t>(m.b)};
  }
  table_.Store(standing, hash, nodes_ - before);
  return lost();
}

}  // namespace

Solution SolveBoard(const BoardState& board, bool vertical, const SolveLimits& limits) {
  return Search(board, vertical, limits).Run();
}

}  // namespace velmor
