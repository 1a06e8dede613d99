// The saved game as text: the magic line, one "Key=value" line per field in a fixed order, and a
// checksum line over everything before it. The reader trusts nothing: every number is checked
// against its range and the board against its history and layout, since a game that does not
// add up would misbehave long after it was loaded.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>

#include <zlib.h>

#include "base/Say.h"
#include "board/Tiles.h"
#include "modes/FlatGame.h"
#include "modes/HallOfFame.h"
#include "modes/SavedGame.h"

namespace velmor {

namespace {

constexpr std::array<const char*, 22> Keys = {
    "Kind",           "LayoutName",    "LayoutPath",    "BoardNumber", "SavedLayoutNumber",
    "Shape",          "GameNumber",    "Generator",     "TileCount",   "TilesLeft",
    "Places",         "Taken",         "TakenBack",     "History",     "ElapsedMillis",
    "PenaltySeconds", "Player1Millis", "Player2Millis", "Player2Turn", "Paused",
    "Vertical",       "HintIndex"};

constexpr std::array<const char*, 4> KindNames = {"one player", "two players", "flat easy", "flat hard"};

// Layout names come from a line that ends at CR only, so they may hold LF; paths may hold anything.
std::string Escape(std::string_view s) {
  std::string out;
  for (char ch : s) {
    if (ch == '\\')
      out += "\\\\";
    else if (ch == '\n')
      out += "\\n";
    else if (ch == '\r')
      out += "\\r";
    else
      out += ch;
  }
  return out;
}

bool Unescape(std::string_view s, std::string& out) {
  out.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    if (++i == s.size()) return false;
    if (s[i] == '\\')
      out += '\\';
    else if (s[i] == 'n')
      out += '\n';
    else if (s[i] == 'r')
      out += '\r';
    else
      return false;
  }
  return true;
}

std::string FormatPlace(const Place& p) {
  return std::to_string(p.column) + "," + std::to_string(p.row) + "," + std::to_string(p.layer);
}

bool ReadNumber(std::string_view s, long long low, long long high, long long& out) {
  long long v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || s[0] == '+' || ec != std::errc() || end != s.data() + s.size() || v < low || v > high) return false;
  out = v;
  return true;
}

// "c,r,l" with every part within the grid's anchors, or "0,0,0" for no place.
bool ReadPlace(std::string_view s, Place& out) {
  long long v[3];
  for (int k = 0; k < 3; ++k) {
    const size_t comma = k < 2 ? s.find(',') : s.size();
    if (comma == std::string_view::npos) return false;
    if (!ReadNumber(s.substr(0, comma), 0, 99, v[k])) return false;
    s.remove_prefix(k < 2 ? comma + 1 : comma);
  }
  out = {static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2])};
  if (out.empty()) return true;
  return out.column >= 1 && out.column <= AnchorColumns && out.row >= 1 && out.row <= AnchorRows && out.layer >= 1 &&
         out.layer <= AnchorLayers;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  while (!s.empty()) {
    const size_t space = s.find(' ');
    words.push_back(s.substr(0, space));
    if (space == std::string_view::npos) break;
    s.remove_prefix(space + 1);
  }
  return words;
}

uint32_t Checksum(std::string_view text) {
  uLong crc = crc32(0L, Z_NULL, 0);
  while (!text.empty()) {
    const auto chunk = static_cast<uInt>(std::min<size_t>(text.size(), 1u << 30));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(text.data()), chunk);
    text.remove_prefix(chunk);
  }
  return static_cast<uint32_t>(crc);
}

// Whether the board, the history and the deal it came from add up; `why` says what does not.
bool AddsUp(const SavedGame& s, std::string& why) {
  auto no = [&why](std::string reason) {
    why = std::move(reason);
    return false;
  };
  const BoardState& board = s.Board;
  const PairHistory& h = s.History;
  Grid taken;
  int onBoard = 0;
  for (int t = 1; t <= TileTotal; ++t) {
    const Place& p = board.TilePlace[static_cast<size_t>(t)];
    if (p.empty()) continue;
    if (t > board.TileCount)
      return no(Fill(VELMOR_TEXT("tile %1 is on the board of a game of %2"), t, board.TileCount));
    ++onBoard;
  }
  if (onBoard != board.TilesLeft)
    return no(Fill(VELMOR_TEXT("the board holds %1 tiles instead of %2"), onBoard, board.TilesLeft));

  std::array<bool, TileTotal + 1> seen{};
  for (int k = 0; k < h.RedoEnd; ++k) {
    const HistoryEntry& e = h.Entries[static_cast<size_t>(k)];
    const Place p = e.place();
    if (e.tile < 1 || e.tile > board.TileCount || p.empty())
      return no(Fill(VELMOR_TEXT("history entry %1 is wrong"), k + 1));
    if (seen[e.tile]) return no(Fill(VELMOR_TEXT("tile %1 is taken twice"), e.tile));
    seen[e.tile] = true;
    if (k % 2 == 1 && !TilesMatch(h.Entries[static_cast<size_t>(k) - 1].tile, e.tile))
      return no(Fill(VELMOR_TEXT("the history pairs tile %1 with tile %2, which do not match"),
                     h.Entries[static_cast<size_t>(k) - 1].tile, e.tile));
    const Place& now = board.TilePlace[e.tile];
    if (k >= h.Count) {
      if (now != p)
        return no(Fill(VELMOR_TEXT("tile %1 was taken back but does not stand where it was taken from"), e.tile));
      continue;
    }
    if (!now.empty()) return no(Fill(VELMOR_TEXT("tile %1 was taken but is still on the board"), e.tile));
    if (board.BoardGrid.at(p) || taken.at(p))
      return no(Fill(VELMOR_TEXT("tile %1 was taken from a place that is not free"), e.tile));
    taken.set(p, e.tile);
  }

  if (s.Kind != SavedGameKind::TwoPlayers && (s.Player1Millis || s.Player2Millis || s.Player2Turn))
    return no(VELMOR_TEXT("a game for one player has the clocks of two"));

  const int dealt = board.TilesLeft + h.Count;
  // Every tile dealt stands either on the board or in the history, on its own layer of the flat
  // board or on a place of the layout.
  auto placeOf = [&](int t) -> Place {
    if (!board.TilePlace[static_cast<size_t>(t)].empty()) return board.TilePlace[static_cast<size_t>(t)];
    for (int k = 0; k < h.Count; ++k)
      if (h.Entries[static_cast<size_t>(k)].tile == t) return h.Entries[static_cast<size_t>(k)].place();
    return {};
  };
  if (s.Flat()) {
    const bool hard = s.Kind == SavedGameKind::FlatHard;
    const int tiles = hard ? RiversHardTiles : RiversEasyTiles;
    if (s.BoardNumber != (hard ? RiversHardList : RiversEasyList))
      return no(VELMOR_TEXT("the flat game has a layout number"));
    if (dealt != tiles) return no(Fill(VELMOR_TEXT("a flat game of %1 tiles holds %2"), tiles, dealt));
    for (int t = 1; t <= TileTotal; ++t) {
      const Place p = placeOf(t);
      if (p.empty()) continue;
      if (t > tiles || p.layer > (hard ? 2 : 1))
        return no(Fill(VELMOR_TEXT("tile %1 is not part of this flat game"), t));
    }
    return true;
  }
  if (s.BoardNumber >= RiversEasyList) return no(VELMOR_TEXT("a layout game has the number of a flat game"));
  if (dealt != s.Shape.Count())
    return no(Fill(VELMOR_TEXT("the layout has %1 places but the game holds %2 tiles"), s.Shape.Count(), dealt));
  for (int t = 1; t <= TileTotal; ++t)
    if (const Place p = placeOf(t); !p.empty() && !s.Shape.at(p.layer, p.row - 1, p.column - 1))
      return no(Fill(VELMOR_TEXT("tile %1 stands outside the layout"), t));
  return true;
}

}  // namespace

std::string SerializeSavedGame(const SavedGame& s) {
  std::string text(SavedGameMagic);
  text += '\n';
  auto field = [&](const char* key, const std::string& value) { text.append(key).append("=").append(value) += '\n'; };
  auto number = [&](const char* key, long long value) { field(key, std::to_string(value)); };
  field("Kind", KindNames[static_cast<size_t>(s.Kind)]);
  field("LayoutName", Escape(s.LayoutName));
  field("LayoutPath", Escape(s.LayoutPath));
  number("BoardNumber", s.BoardNumber);
  number("SavedLayoutNumber", s.SavedLayoutNumber);
  std::string cells;
  for (uint8_t v : s.Shape.cells) cells += v ? '1' : '0';
  field("Shape", cells);
  number("GameNumber", s.GameNumber);
  number("Generator", s.GeneratorState);
  number("TileCount", s.Board.TileCount);
  number("TilesLeft", s.Board.TilesLeft);
  std::string places;
  for (int t = 1; t <= TileTotal; ++t) {
    if (t > 1) places += ' ';
    places += FormatPlace(s.Board.TilePlace[static_cast<size_t>(t)]);
  }
  field("Places", places);
  number("Taken", s.History.Count);
  number("TakenBack", s.History.RedoEnd - s.History.Count);
  std::string entries;
  for (int k = 0; k < s.History.RedoEnd; ++k) {
    const HistoryEntry& e = s.History.Entries[static_cast<size_t>(k)];
    if (k > 0) entries += ' ';
    entries.append(std::to_string(e.tile)).append(":").append(FormatPlace(e.place()));
  }
  field("History", entries);
  number("ElapsedMillis", s.ElapsedMillis);
  number("PenaltySeconds", s.PenaltySeconds);
  number("Player1Millis", s.Player1Millis);
  number("Player2Millis", s.Player2Millis);
  number("Player2Turn", s.Player2Turn);
  number("Paused", s.Paused);
  number("Vertical", s.Vertical);
  number("HintIndex", s.HintIndex);
  char sum[32];
  std::snprintf(sum, sizeof sum, "Checksum=%08x\n", Checksum(text));
  return text + sum;
}

bool ParseSavedGame(std::string_view text, SavedGame& out, std::string& error) {
  auto fail = [&error](std::string why) {
    error = std::move(why);
    return false;
  };
  const size_t firstEnd = text.find('\n');
  const std::string_view first = text.substr(0, firstEnd);
  if (first != SavedGameMagic) {
    if (first.starts_with("Velmor saved game "))
      return fail(VELMOR_TEXT("it was saved by another version of the game"));
    return fail(VELMOR_TEXT("it is not a saved game"));
  }
  if (text.back() != '\n' || firstEnd + 1 == text.size()) return fail(VELMOR_TEXT("it is cut short"));
  const size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
  const std::string_view last = text.substr(lastStart, text.size() - 1 - lastStart);
  long long stored = 0;
  if (!last.starts_with("Checksum=") || last.size() != 17) return fail(VELMOR_TEXT("it is cut short"));
  const auto [end, ec] = std::from_chars(last.data() + 9, last.data() + 17, stored, 16);
  if (ec != std::errc() || end != last.data() + 17 || last[9] == '-' || last[9] == '+')
    return fail(VELMOR_TEXT("its checksum line is damaged"));
  if (static_cast<uint32_t>(stored) != Checksum(text.substr(0, lastStart)))
    return fail(VELMOR_TEXT("it is damaged: its checksum does not match its contents"));

  std::map<std::string_view, std::string_view> fields;
  std::string_view body = text.substr(firstEnd + 1, lastStart - firstEnd - 1);
  while (!body.empty()) {
    const size_t eol = body.find('\n');
    const std::string_view line = body.substr(0, eol);
    body.remove_prefix(eol + 1);
    const size_t eq = line.find('=');
    const std::string_view key = line.substr(0, eq);
    if (eq == std::string_view::npos || std::find(Keys.begin(), Keys.end(), key) == Keys.end())
      return fail(Fill(VELMOR_TEXT("it holds a line it should not: \"%1\""), line.substr(0, 40)));
    if (!fields.emplace(key, line.substr(eq + 1)).second) return fail(Fill(VELMOR_TEXT("it holds \"%1\" twice"), key));
  }
  for (const char* key : Keys)
    if (!fields.count(key)) return fail(Fill(VELMOR_TEXT("its line \"%1\" is missing"), key));

  auto bad = [&](const char* key) {
    return fail(Fill(VELMOR_TEXT("its line \"%1\" holds \"%2\", which is out of range or unreadable"), key,
                     fields[key].substr(0, 40)));
  };
  SavedGame s;
  long long v = 0;
  auto number = [&](const char* key, long long low, long long high) { return ReadNumber(fields[key], low, high, v); };
  constexpr long long IntMax = 2147483647;

  const auto kind = std::find(KindNames.begin(), KindNames.end(), fields["Kind"]);
  if (kind == KindNames.end()) return bad("Kind");
  s.Kind = static_cast<SavedGameKind>(kind - KindNames.begin());
  if (!Unescape(fields["LayoutName"], s.LayoutName)) return bad("LayoutName");
  if (!Unescape(fields["LayoutPath"], s.LayoutPath)) return bad("LayoutPath");
  if (!number("BoardNumber", -1, RiversHardList)) return bad("BoardNumber");
  s.BoardNumber = static_cast<int32_t>(v);
  if (!number("SavedLayoutNumber", -1, RiversEasyList - 1)) return bad("SavedLayoutNumber");
  s.SavedLayoutNumber = static_cast<int32_t>(v);
  const std::string_view cells = fields["Shape"];
  if (cells.size() != LayoutShape::CellCount || cells.find_first_not_of("01") != std::string_view::npos)
    return bad("Shape");
  for (size_t i = 0; i < cells.size(); ++i) s.Shape.cells[i] = static_cast<uint8_t>(cells[i] - '0');
  if (!s.Flat() && !IsDealableCount(s.Shape.Count())) return bad("Shape");
  if (!number("GameNumber", 0, IntMax)) return bad("GameNumber");
  s.GameNumber = static_cast<int32_t>(v);
  if (!number("Generator", 0, 4294967295LL)) return bad("Generator");
  s.GeneratorState = static_cast<uint32_t>(v);
  if (!number("TileCount", 2, TileTotal)) return bad("TileCount");
  s.Board.TileCount = static_cast<int32_t>(v);
  if (!number("TilesLeft", 0, s.Board.TileCount) || v % 2) return bad("TilesLeft");
  s.Board.TilesLeft = static_cast<int32_t>(v);

  const std::vector<std::string_view> places = Words(fields["Places"]);
  if (places.size() != TileTotal) return bad("Places");
  for (int t = 1; t <= TileTotal; ++t) {
    Place p;
    if (!ReadPlace(places[static_cast<size_t>(t) - 1], p)) return bad("Places");
    if (p.empty()) continue;
    if (const int other = s.Board.BoardGrid.at(p))
      return fail(Fill(VELMOR_TEXT("tile %1 and tile %2 share a place"), other, t));
    s.Board.PutTile(t, p);
  }

  if (!number("Taken", 0, TileTotal) || v % 2) return bad("Taken");
  s.History.Count = static_cast<int32_t>(v);
  if (!number("TakenBack", 0, TileTotal - s.History.Count) || v % 2) return bad("TakenBack");
  s.History.RedoEnd = s.History.Count + static_cast<int32_t>(v);
  const std::vector<std::string_view> entries = Words(fields["History"]);
  if (entries.size() != static_cast<size_t>(s.History.RedoEnd)) return bad("History");
  for (size_t k = 0; k < entries.size(); ++k) {
    const size_t colon = entries[k].find(':');
    Place p;
    if (colon == std::string_view::npos || !ReadNumber(entries[k].substr(0, colon), 1, TileTotal, v) ||
        !ReadPlace(entries[k].substr(colon + 1), p) || p.empty())
      return bad("History");
    s.History.Entries[k] = {static_cast<uint8_t>(v), p.column, p.row, p.layer};
  }

  if (!number("ElapsedMillis", 0, IntMax)) return bad("ElapsedMillis");
  s.ElapsedMillis = static_cast<int32_t>(v);
  if (!number("PenaltySeconds", 0, IntMax)) return bad("PenaltySeconds");
  s.PenaltySeconds = static_cast<int32_t>(v);
  if (!number("Player1Millis", 0, IntMax)) return bad("Player1Millis");
  s.Player1Millis = static_cast<int32_t>(v);
  if (!number("Player2Millis", 0, IntMax)) return bad("Player2Millis");
  s.Player2Millis = static_cast<int32_t>(v);
  if (!number("Player2Turn", 0, 1)) return bad("Player2Turn");
  s.Player2Turn = v;
  if (!number("Paused", 0, 1)) return bad("Paused");
  s.Paused = v;
  if (!number("Vertical", 0, 1)) return bad("Vertical");
  s.Vertical = v;
  if (!number("HintIndex", 0, TileTotal)) return bad("HintIndex");
  s.HintIndex = static_cast<int32_t>(v);

  if (std::string why; !AddsUp(s, why)) return fail(Fill(VELMOR_TEXT("it does not add up: %1"), why));
  out = std::move(s);
  return true;
}

}  // namespace velmor
