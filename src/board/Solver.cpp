#include "board/Solver.h"

#include <algorithm>
#include <array>
#include <bit>

namespace velmor {

namespace {

constexpr int GroupTotal = TileTotal / 4;

// A set of the board's tiles by their index in the search (0..143), or of the search's choices.
struct TileSet {
  std::array<uint64_t, 3> w{};
  void Add(int i) { w[static_cast<size_t>(i >> 6)] |= uint64_t{1} << (i & 63); }
  void Remove(int i) { w[static_cast<size_t>(i >> 6)] &= ~(uint64_t{1} << (i & 63)); }
  bool Has(int i) const { return (w[static_cast<size_t>(i >> 6)] >> (i & 63)) & 1; }
  bool Meets(const TileSet& o) const { return ((w[0] & o.w[0]) | (w[1] & o.w[1]) | (w[2] & o.w[2])) != 0; }
  bool Empty() const { return (w[0] | w[1] | w[2]) == 0; }
  bool Within(const TileSet& o) const { return ((w[0] & ~o.w[0]) | (w[1] & ~o.w[1]) | (w[2] & ~o.w[2])) == 0; }
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
  TileSet above;          // tiles resting on it
  TileSet first, second;  // tiles on either side: left and right, or above and below for the vertical rule
  bool neverFree = false, firstWalled = false, secondWalled = false;  // blocked by something that stays
  TileSet holds;           // tiles that cannot be free while this one stands, whatever else goes
  std::vector<int> leans;  // tiles that may come free when this one goes: it is on or beside them
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

// Any win pairs each group's tiles off one way: with four tiles standing, one of three
// matchings. Once every group's matching is fixed the game is easy: a fixed pair goes as soon as
// both its tiles are free, and taking tiles never makes another less free, so playing every pair
// that can go, in any order, empties the board if anything can. The search therefore chooses
// matchings, not moves: a group at a time, the most constrained first, each choice tried only
// if a looser play can still empty the board with it.
class Search {
 public:
  Search(const BoardState& board, bool vertical, const SolveLimits& limits)
      : limits_(limits),
        mostNogoods_(std::max<size_t>(limits.tableBytes / NogoodBytes, 1024)),
        start_(std::chrono::steady_clock::now()) {
    Build(board, vertical);
    partner_.assign(spots_.size(), -1);
    choice_.fill(Unassigned);
    for (int g = 0; g < GroupTotal; ++g)
      if (members_[static_cast<size_t>(g)].size() == 2) Assign(g, 0);
    for (int g = 0; g < GroupTotal; ++g)
      if (choice_[static_cast<size_t>(g)] != Unassigned) given_ |= uint64_t{1} << g;
    free_ = FreeAmong(standing_);
    for (const Spot& s : spots_) s.holds.ForEach([&](int i) { ++buried_[static_cast<size_t>(At(i).group)]; });
  }

  // The rule that names the position lost before any choice, if one does.
  std::optional<LostRule> LostAtSight() {
    if (lost_) return rule_;
    TileSet left;
    if (!LooselyEmpties(left)) return LostRule::PairsWaiting;
    return std::nullopt;
  }

  // A search that goes wrong early can spend long on a part that does not matter, while other
  // choices would have won at once; so it starts over, its ties broken at random, with half as much
  // allowance again each time. What was learnt to lose stays known, and the allowance keeps
  // growing, so the last run is as exhaustive as one long search.
  Solution Run() {
    Solution s;
    uint64_t conflict = 0;
    s.result = SolveResult::NotWinnable;
    for (uint64_t allowance = std::max<uint64_t>(limits_.firstRun, 1); !lost_;
         allowance += allowance / 2 + 1, ++restarts_) {
      budgetEnd_ = allowance >= MostAllowance ? ~uint64_t{0} : nodes_ + allowance;
      s.result = Decide(conflict, -1);
      if (s.result != SolveResult::Unknown || stopped_) break;
    }
    s.nodes = nodes_;
    if (s.result == SolveResult::Winnable)
      for (auto [a, b] : path_) s.moves.emplace_back(At(a).tile, At(b).tile);
    return s;
  }

 private:
  void Build(const BoardState& board, bool vertical);
  void FindHolds();
  void FindLiveGroupSets();
  SolveResult Decide(uint64_t& conflict, int latest);
  // A set of choices that loses, and the groups they are of.
  struct Nogood {
    TileSet choices;
    uint64_t groups;
  };
  void Learn(uint64_t groups);
  // A nogood among those holding choice `bit` that the present choices contain, or null.
  const Nogood* Broken(int bit) const;
  int LooselyEmpties(TileSet& left);
  uint64_t Blame(const TileSet& left) const;
  uint64_t Narrowed(const TileSet& left);
  bool PlayGreedily();
  bool ShouldStop();
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
  const Spot& At(int i) const { return spots_[static_cast<size_t>(i)]; }
  const std::vector<int>& Members(int g) const { return members_[static_cast<size_t>(g)]; }
  // Matching k of a group of four: its first tile with the second, third or fourth.
  std::array<int, 4> Pairs(int g, int k) const {
    const auto& m = Members(g);
    static constexpr int order[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};
    std::array<int, 4> p{};
    for (size_t x = 0; x < m.size(); ++x) p[x] = m[static_cast<size_t>(order[k][x])];
    return p;
  }
  // A pair one of whose tiles holds the other up can never be free at once.
  bool Possible(int g, int k) const {
    const std::array<int, 4> p = Pairs(g, k);
    for (size_t x = 0; x < Members(g).size(); x += 2)
      if (At(p[x]).holds.Has(p[x + 1]) || At(p[x + 1]).holds.Has(p[x])) return false;
    return true;
  }
  void Assign(int g, int k) {
    const std::array<int, 4> p = Pairs(g, k);
    for (size_t x = 0; x < Members(g).size(); x += 2) {
      partner_[static_cast<size_t>(p[x])] = p[x + 1];
      partner_[static_cast<size_t>(p[x + 1])] = p[x];
    }
    choice_[static_cast<size_t>(g)] = static_cast<int8_t>(k);
    chosen_.Add(3 * g + k);
  }
  void Unassign(int g) {
    const int k = choice_[static_cast<size_t>(g)];
    for (int i : Members(g)) partner_[static_cast<size_t>(i)] = -1;
    choice_[static_cast<size_t>(g)] = Unassigned;
    chosen_.Remove(3 * g + k);
  }

  static constexpr int Unassigned = -1;
  static constexpr uint64_t MostAllowance = uint64_t{1} << 40;
  static constexpr int MostNogoodGroups = 16;
  static constexpr size_t NogoodBytes = sizeof(Nogood) + MostNogoodGroups * sizeof(uint32_t);

  const SolveLimits& limits_;
  // The groups of every lost answer, as the choices they had then: any later set of choices that
  // holds one of these loses too, wherever in the search it comes.
  std::vector<Nogood> nogoods_;
  std::array<std::vector<uint32_t>, 3 * GroupTotal> nogoodsWith_;
  size_t mostNogoods_;  // as many as the memory allowed holds
  std::chrono::steady_clock::time_point start_;
  std::vector<Spot> spots_;
  std::array<std::vector<int>, GroupTotal> members_;
  std::array<TileSet, GroupTotal> groupTiles_;
  TileSet standing_, free_;
  std::vector<int> partner_;  // each tile's fixed partner, or -1 while its group is open
  std::array<int8_t, GroupTotal> choice_{};
  TileSet chosen_;                        // the choices, as bits 3 g + k
  uint64_t given_ = 0;                    // groups down to a pair from the start: their matching is no choice
  std::array<int, GroupTotal> buried_{};  // how many tiles hold up a tile of each group
  // How often, and how lately, each group was among those a lost answer rested on: the search
  // branches on the groups that keep losing, as they are where the deal is decided.
  std::array<double, GroupTotal> activity_{};
  double bump_ = 1;
  static constexpr double BumpGrowth = 1.2;
  bool lost_ = false;
  std::optional<LostRule> rule_;  // why, when lost_ was found before any choice
  bool stopped_ = false;
  uint64_t budgetEnd_ = ~uint64_t{0};  // where the present run gives up and starts over
  int restarts_ = 0;
  uint64_t noise_ = 0x5eed;
  bool Halted() const { return stopped_ || nodes_ >= budgetEnd_; }
  // From the second run on, ties and near ties are broken at random.
  int Noise(int span) { return restarts_ ? static_cast<int>(SplitMix(noise_) % static_cast<uint64_t>(span)) : 0; }
  uint64_t nodes_ = 0;
  std::vector<std::pair<int, int>> path_;  // the pairs of the win found
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
    standing_.Add(static_cast<int>(i));
    auto& group = members_[static_cast<size_t>(s.group)];
    group.push_back(static_cast<int>(i));
    groupTiles_[static_cast<size_t>(s.group)].Add(static_cast<int>(i));
  }
  for (size_t j = 0; j < spots_.size(); ++j) {
    TileSet near = spots_[j].above;
    for (size_t w = 0; w < 3; ++w) near.w[w] |= spots_[j].first.w[w] | spots_[j].second.w[w];
    near.ForEach([&](int i) { spots_[static_cast<size_t>(i)].leans.push_back(static_cast<int>(j)); });
  }
  for (const auto& group : members_) lost_ |= group.size() % 2 != 0;  // one tile would stay behind
  if (lost_) {
    rule_ = LostRule::OddGroup;
    return;
  }
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
    rule_ = LostRule::StuckTile;
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
    // live[set]: the tiles of the group in `set` (bits by their place in the group) can be paired
    // off as far as the group's own tiles decide.
    std::array<bool, 16> live{};
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
    if (!live[static_cast<size_t>((1 << size) - 1)]) {
      lost_ = true;
      rule_ = LostRule::DeadGroup;
    }
  }
}

bool Search::ShouldStop() {
  if (limits_.maxNodes && nodes_ >= limits_.maxNodes) return true;
  if (limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) return true;
  if (limits_.stop.stop_requested()) return true;
  return limits_.maxTime.count() > 0 && std::chrono::steady_clock::now() - start_ >= limits_.maxTime;
}

// Loose play: a fixed pair goes when both its tiles are free; a tile of an open group goes once it
// is free and another tile of its group is free too or gone already. Whatever a real play takes,
// loose play has taken by then (the tiles a real pair needs are free here too, as at least as
// much has gone), so where loose play cannot empty the board, no real play can. The rounds it
// took, or 0 when it cannot.
int Search::LooselyEmpties(TileSet& left) {
  if ((++nodes_ & 15) == 0 && ShouldStop()) stopped_ = true;
  TileSet standing = standing_, free = free_;
  int round = 0;
  for (bool took = true; took;) {
    took = false;
    ++round;
    const TileSet now = free;
    now.ForEach([&](int i) {
      if (!standing.Has(i)) return;  // gone this round as a partner
      const int p = partner_[static_cast<size_t>(i)];
      if (p >= 0) {
        if (!free.Has(p)) return;
        Take(p, standing, free);
      } else {
        // Another tile of its group free or gone, tested in registers: the innermost test.
        const TileSet& mates = groupTiles_[static_cast<size_t>(At(i).group)];
        const uint64_t self = uint64_t{1} << (i & 63);
        const int word = i >> 6;
        const uint64_t m0 = mates.w[0] & (free.w[0] | ~standing.w[0]) & (word == 0 ? ~self : ~uint64_t{0});
        const uint64_t m1 = mates.w[1] & (free.w[1] | ~standing.w[1]) & (word == 1 ? ~self : ~uint64_t{0});
        const uint64_t m2 = mates.w[2] & (free.w[2] | ~standing.w[2]) & (word == 2 ? ~self : ~uint64_t{0});
        if ((m0 | m1 | m2) == 0) return;
      }
      Take(i, standing, free);
      took = true;
    });
  }
  left = free;  // free and waiting: what Blame needs
  return standing.Empty() ? round : 0;
}

// The choices that leave loose play stuck with the free tiles `left` waiting: those of the groups
// among them with a fixed partner. Any play that keeps those choices gets stuck too, whatever the
// other groups do: the first tile of the stuck ones to go would have to be free with so much
// gone, and so free here, and its partner (or, in an open group, another of its tiles) too.
uint64_t Search::Blame(const TileSet& left) const {
  uint64_t groups = 0;
  for (int g = 0; g < GroupTotal; ++g)
    if (choice_[static_cast<size_t>(g)] != Unassigned && groupTiles_[static_cast<size_t>(g)].Meets(left))
      groups |= uint64_t{1} << g;
  return groups & ~given_;
}

// Blame's groups, fewer where they can be: each is opened in turn, and stays open if loose play
// still cannot empty the board without it. What is left loses with the present choices as a
// looser play does, so it is as true as Blame's and rules out far more of the search.
uint64_t Search::Narrowed(const TileSet& left) {
  uint64_t groups = Blame(left);
  std::array<std::pair<int, int>, GroupTotal> opened{};
  size_t count = 0;
  for (uint64_t bits = groups; bits; bits &= bits - 1) {
    const int g = std::countr_zero(bits);
    if (!((groups >> g) & 1)) continue;  // dropped with another already
    const int k = choice_[static_cast<size_t>(g)];
    Unassign(g);
    TileSet stuck;
    if (LooselyEmpties(stuck)) {
      Assign(g, k);
    } else {
      groups = Blame(stuck);
      opened[count++] = {g, k};
    }
  }
  while (count > 0) {
    --count;
    Assign(opened[count].first, opened[count].second);
  }
  return groups;
}

// Real play, every pair as soon as it can go: an open group pairs two of its tiles once both are
// free, if loose play can still empty the board with the matching that makes. With every group's
// matching fixed this empties the board whenever anything can; with some open it may miss. The
// pairs go to path_; the matchings it fixed are open again afterwards.
bool Search::PlayGreedily() {
  TileSet standing = standing_, free = free_;
  std::vector<int> fixed;
  path_.clear();
  for (bool took = true; took;) {
    took = false;
    const TileSet now = free;
    now.ForEach([&](int i) {
      if (!standing.Has(i)) return;
      int p = partner_[static_cast<size_t>(i)];
      if (p < 0) {
        const int g = At(i).group;
        for (int k = 0; k < 3 && p < 0; ++k) {
          const std::array<int, 4> pairs = Pairs(g, k);
          const int at = static_cast<int>(std::find(pairs.begin(), pairs.end(), i) - pairs.begin());
          const int j = pairs[static_cast<size_t>(at ^ 1)];
          if (!free.Has(j) || !Possible(g, k)) continue;
          Assign(g, k);
          TileSet left;
          if (LooselyEmpties(left)) {
            fixed.push_back(g);
            p = j;
          } else {
            Unassign(g);
          }
        }
        if (p < 0) return;
      } else if (!free.Has(p)) {
        return;
      }
      path_.emplace_back(i, p);
      Take(i, standing, free);
      Take(p, standing, free);
      took = true;
    });
  }
  for (auto g = fixed.rbegin(); g != fixed.rend(); ++g) Unassign(*g);
  return standing.Empty();
}

void Search::Learn(uint64_t groups) {
  // Small sets only: a large one seldom comes again, and each costs a look at every probe.
  if (groups == 0 || std::popcount(groups) > MostNogoodGroups) return;
  if (nogoods_.size() >= mostNogoods_) {
    nogoods_.clear();
    for (auto& list : nogoodsWith_) list.clear();
  }
  Nogood n{TileSet{}, groups};
  for (uint64_t bits = groups; bits; bits &= bits - 1) {
    const int g = std::countr_zero(bits);
    n.choices.Add(3 * g + choice_[static_cast<size_t>(g)]);
  }
  const auto index = static_cast<uint32_t>(nogoods_.size());
  nogoods_.push_back(n);
  n.choices.ForEach([&](int bit) { nogoodsWith_[static_cast<size_t>(bit)].push_back(index); });
}

const Search::Nogood* Search::Broken(int bit) const {
  for (uint32_t i : nogoodsWith_[static_cast<size_t>(bit)])
    if (nogoods_[i].choices.Within(chosen_)) return &nogoods_[i];
  return nullptr;
}

// A lost answer comes with the groups whose choices it rests on. When the choice just made is not
// among them, the others made since the last one that is cannot help either, and are skipped.
SolveResult Search::Decide(uint64_t& conflict, int latest) {
  if (Halted()) return SolveResult::Unknown;
  if (const Nogood* known = latest >= 0 ? Broken(latest) : nullptr) {
    conflict = known->groups;
    return SolveResult::NotWinnable;
  }
  TileSet left;
  if (!LooselyEmpties(left)) {
    conflict = Narrowed(left);
    return Halted() ? SolveResult::Unknown : SolveResult::NotWinnable;
  }
  if (PlayGreedily()) return SolveResult::Winnable;
  // Every open group's matchings are tried with loose play: those it cannot empty the board with
  // are ruled out, and a group left with one takes it at once, which may rule out more. A group
  // taken so has the choices that ruled out its others as its reason.
  std::vector<int> forced;
  std::vector<uint64_t> reasons;
  auto undo = [&] {
    for (auto g = forced.rbegin(); g != forced.rend(); ++g) Unassign(*g);
  };
  auto explain = [&](uint64_t groups) {
    for (size_t x = forced.size(); x-- > 0;)
      if ((groups >> forced[x]) & 1) groups = (groups & ~(uint64_t{1} << forced[x])) | reasons[x];
    return groups;
  };
  auto lost = [&](uint64_t groups) {
    conflict = explain(groups);
    for (uint64_t bits = conflict; bits; bits &= bits - 1)
      activity_[static_cast<size_t>(std::countr_zero(bits))] += bump_;
    bump_ *= BumpGrowth;
    if (bump_ > 1e100) {
      for (double& a : activity_) a *= 1e-100;
      bump_ *= 1e-100;
    }
    Learn(conflict);
    undo();
    return SolveResult::NotWinnable;
  };
  int best = -1, bestCount = 4;
  double bestScore = 0;
  uint64_t bestWhy = 0;                              // what rules out the matchings of `best` not among its options
  std::array<std::pair<int, int>, 3> bestOptions{};  // rounds of loose play, matching
  for (bool again = true; again;) {
    again = false;
    best = -1;
    bestCount = 4;
    for (int g = 0; g < GroupTotal; ++g) {
      if (choice_[static_cast<size_t>(g)] != Unassigned || Members(g).empty()) continue;
      std::array<std::pair<int, int>, 3> options{};
      int count = 0;
      uint64_t why = 0;
      for (int k = 0; k < 3; ++k) {
        if (!Possible(g, k)) continue;
        Assign(g, k);
        const Nogood* known = Broken(3 * g + k);
        const int rounds = known ? 0 : LooselyEmpties(left);
        if (!rounds) why |= known ? known->groups : Narrowed(left);
        Unassign(g);
        if (rounds) options[static_cast<size_t>(count++)] = {rounds + Noise(3), k};
      }
      why &= ~(uint64_t{1} << g);
      if (Halted()) {
        undo();
        return SolveResult::Unknown;
      }
      if (count == 0) return lost(why);
      if (count == 1) {
        Assign(g, options[0].second);
        forced.push_back(g);
        reasons.push_back(why);
        again = true;
      } else if (const double score =
                     activity_[static_cast<size_t>(g)] * (1 + 0.01 * Noise(8)) + 1e-9 * buried_[static_cast<size_t>(g)];
                 count < bestCount || (count == bestCount && score > bestScore)) {
        best = g;
        bestWhy = why;
        bestScore = score;
        bestCount = count;
        bestOptions = options;
      }
    }
  }
  if (PlayGreedily()) return SolveResult::Winnable;
  // Every group fixed: greedy play is exact, and loose play said it empties the board.
  if (best < 0) return lost(((uint64_t{1} << GroupTotal) - 1) & ~given_);
  // The matching loose play empties the board with soonest first.
  for (int x = 1; x < bestCount; ++x)  // two or three: sorted by hand
    for (int y = x; y > 0 && bestOptions[static_cast<size_t>(y)] < bestOptions[static_cast<size_t>(y - 1)]; --y)
      std::swap(bestOptions[static_cast<size_t>(y)], bestOptions[static_cast<size_t>(y - 1)]);
  // The group loses when every matching does: those tried here, and those loose play ruled out.
  uint64_t why = bestWhy;
  for (int x = 0; x < bestCount; ++x) {
    Assign(best, bestOptions[static_cast<size_t>(x)].second);
    uint64_t below = 0;
    const SolveResult r = Decide(below, 3 * best + bestOptions[static_cast<size_t>(x)].second);
    Unassign(best);
    if (r != SolveResult::NotWinnable) {
      undo();  // a halted run leaves the choices as they were, for the next run
      return r;
    }
    if (!((below >> best) & 1)) return lost(below);
    why |= below & ~(uint64_t{1} << best);
  }
  return lost(why);
}

}  // namespace

Solution SolveBoard(const BoardState& board, bool vertical, const SolveLimits& limits) {
  return Search(board, vertical, limits).Run();
}

std::optional<LostRule> LostAtSight(const BoardState& board, bool vertical) {
  SolveLimits limits;
  limits.tableBytes = 0;
  return Search(board, vertical, limits).LostAtSight();
}

}  // namespace velmor
