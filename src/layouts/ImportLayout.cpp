#include "layouts/ImportLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "base/Say.h"
#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

constexpr int HeapTiles = 144;

// A tile of a foreign heap, in half tiles across and down, layer 0 at the bottom.
struct Slot {
  int64_t x = 0, y = 0, z = 0;
};

// The tiles of one heap as read. Only the first few are kept: a heap of more than 144 is refused
// by its count alone, however many a hostile file claims.
struct SlotList {
  std::vector<Slot> slots;
  int64_t count = 0;
  void Add(const Slot& s) {
    if (count < HeapTiles + 1) slots.push_back(s);
    ++count;
  }
  // Counts `n` more tiles without keeping them; the sum stops growing long before it overflows.
  void Skip(int64_t n) { count = std::min<int64_t>(count + n, INT64_C(1) << 60); }
};

// Puts the tiles on the board, centred, or says why they do not fit.
bool ToShape(const SlotList& list, LayoutShape& shape, std::string& refusal) {
  if (list.count != HeapTiles) {
    refusal = Fill(VELMOR_TEXT("it has %1 tiles; a heap needs exactly %2"), list.count, HeapTiles);
    return false;
  }
  int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN, minZ = INT64_MAX, maxZ = INT64_MIN;
  for (const Slot& s : list.slots) {
    minX = std::min(minX, s.x), maxX = std::max(maxX, s.x);
    minY = std::min(minY, s.y), maxY = std::max(maxY, s.y);
    minZ = std::min(minZ, s.z), maxZ = std::max(maxZ, s.z);
  }
  if (minZ < 0) {
    refusal = Fill(VELMOR_TEXT("a tile lies below the bottom layer (layer %1)"), minZ);
    return false;
  }
  if (maxZ + 1 > LayoutShape::Layers) {
    refusal = Fill(VELMOR_TEXT("it has %1 layers; the board holds %2"), maxZ + 1, LayoutShape::Layers);
    return false;
  }
  // A tile covers two half tiles each way from where it stands.
  const int64_t width = maxX - minX + 2, height = maxY - minY + 2;
  if (width > LayoutShape::Columns) {
    refusal = Fill(VELMOR_TEXT("it is %1 half tiles wide; the board holds %2"), width, LayoutShape::Columns);
    return false;
  }
  if (height > LayoutShape::Rows) {
    refusal = Fill(VELMOR_TEXT("it is %1 half tiles high; the board holds %2"), height, LayoutShape::Rows);
    return false;
  }
  const int64_t left = (LayoutShape::Columns - width) / 2, top = (LayoutShape::Rows - height) / 2;
  LayoutShape result;
  std::array<std::array<std::array<bool, LayoutShape::Columns>, LayoutShape::Rows>, LayoutShape::Layers> covered{};
  for (const Slot& s : list.slots) {
    const int column = static_cast<int>(s.x - minX + left), row = static_cast<int>(s.y - minY + top);
    const int layer = static_cast<int>(s.z);
    for (int dr = 0; dr < 2; ++dr)
      for (int dc = 0; dc < 2; ++dc) {
        bool& cell =
            covered[static_cast<size_t>(layer)][static_cast<size_t>(row + dr)][static_cast<size_t>(column + dc)];
        if (cell) {
          refusal = Fill(VELMOR_TEXT("two tiles overlap on layer %1"), layer + 1);
          return false;
        }
        cell = true;
      }
    result.at(layer + 1, row, column) = 1;
  }
  shape = result;
  return true;
}

ImportedHeap MakeHeap(std::string name, const SlotList& list) {
  ImportedHeap heap;
  heap.name = std::move(name);
  heap.imported = ToShape(list, heap.shape, heap.refusal);
  return heap;
}

ImportedHeap RefusedHeap(std::string name, std::string refusal) {
  ImportedHeap heap;
  heap.name = std::move(name);
  heap.refusal = std::move(refusal);
  return heap;
}

// A heap's name goes into a ".lay" file's second line, which must stay one line.
std::string CleanName(std::string_view name) {
  std::string out;
  for (char ch : name) out.push_back(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F ? ' ' : ch);
  const size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view SkipByteOrderMark(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}

// Lines end at LF, CR LF or a lone CR.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// ---- KMahjongg layouts ----

constexpr std::string_view KMahjonggMagic = "kmahjongg-layout-v";

// A size line's number, 1 to a million; anything else is no size.
bool ReadSize(std::string_view digits, int64_t& out) {
  digits = Trim(digits);
  if (digits.empty() || digits.size() > 7) return false;
  int64_t v = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return false;
    v = v * 10 + (ch - '0');
  }
  out = v;
  return v > 0;
}

}  // namespace

bool ReadKMahjonggLayout(std::string_view text, std::string_view name, std::vector<ImportedHeap>& heaps,
                         std::string& error) {
  const std::vector<std::string_view> lines = SplitLines(SkipByteOrderMark(text));
  const std::string_view magic = lines.empty() ? std::string_view() : Trim(lines[0]);
  const bool v10 = magic == "kmahjongg-layout-v1.0", v11 = magic == "kmahjongg-layout-v1.1";
  if (!v10 && !v11) {
    error =
        magic.substr(0, KMahjonggMagic.size()) == KMahjonggMagic
            ? VELMOR_TEXT("it is a KMahjongg layout of a version other than 1.0 and 1.1")
            : VELMOR_TEXT("it is not a KMahjongg layout: its first line is not \"kmahjongg-layout-v1.0\" or \"-v1.1\"");
    return false;
  }
  // Version 1.0 has the one board size; 1.1 gives its own in "w", "h" and "d" lines.
  int64_t width = v10 ? 32 : 0, height = v10 ? 16 : 0, depth = v10 ? 5 : 0;
  std::string cells;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    if (v11 && (line[0] == 'w' || line[0] == 'h' || line[0] == 'd')) {
      int64_t& size = line[0] == 'w' ? width : line[0] == 'h' ? height : depth;
      if (!ReadSize(line.substr(1), size)) {
        error =
            Fill(VELMOR_TEXT("its size line \"%1\" holds no size from 1 to 9999999"), CleanName(line.substr(0, 20)));
        return false;
      }
      continue;
    }
    cells.append(line);
  }
  if (width == 0 || height == 0 || depth == 0) {
    error = VELMOR_TEXT("it does not give its width, height and depth");
    return false;
  }
  // Each size is below ten million and the text below MaxImportFileSize, so no product overflows.
  const int64_t have = static_cast<int64_t>(cells.size()), layerCells = width * height;
  if (layerCells > have || layerCells * depth != have) {
    error = Fill(VELMOR_TEXT("its tile map has %1 cells instead of %2 x %3 x %4"), have, width, height, depth);
    return false;
  }
  const int64_t expected = have;
  // Only the upper-left quarter of a tile ("1") says where it stands; the other quarters follow.
  SlotList list;
  for (int64_t i = 0; i < expected; ++i)
    if (cells[static_cast<size_t>(i)] == '1') list.Add(Slot{i % width, (i / width) % height, i / (width * height)});
  heaps.push_back(MakeHeap(CleanName(name), list));
  return true;
}

namespace {

// ---- GNOME Mahjongg maps: a small XML reader that takes what those files use and skips the rest ----

struct Attribute {
  std::string name, value;
};

struct Tag {
  std::string name;  // lower case
  bool closing = false, empty = false;
  std::vector<Attribute> attributes;
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return out;
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Attribute values with the five named entities and character references replaced; anything
// else that starts with '&' stays as written.
std::string DecodeEntities(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const size_t semi = s[i] == '&' ? s.find(';', i) : std::string_view::npos;
    if (semi == std::string_view::npos || semi - i > 10) {
      out.push_back(s[i]);
      continue;
    }
    const std::string_view entity = s.substr(i + 1, semi - i - 1);
    static constexpr std::pair<std::string_view, char> Named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    bool done = false;
    for (const auto& [entityName, ch] : Named)
      if (entity == entityName) out.push_back(ch), done = true;
    if (!done && entity.size() > 1 && entity[0] == '#') {
      const bool hex = entity[1] == 'x' || entity[1] == 'X';
      uint32_t c = 0;
      bool ok = entity.size() > (hex ? 2u : 1u);
      for (char ch : entity.substr(hex ? 2 : 1)) {
        int d = -1;
        if (ch >= '0' && ch <= '9') d = ch - '0';
        if (hex && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        if (hex && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        if (d < 0) ok = false;
        if (ok) c = c * (hex ? 16 : 10) + static_cast<uint32_t>(d);
      }
      if (ok && c > 0 && c <= 0x10FFFF) AppendUtf8(out, c), done = true;
    }
    if (!done) {
      out.push_back(s[i]);
      continue;
    }
    i = semi;
  }
  return out;
}

// Walks the markup tag by tag. Comments, processing instructions, declarations, CDATA and text
// are passed over; nothing here recurses, so no nesting is too deep.
class MarkupReader {
 public:
  VELMOR_SPEAKS(velmor)
  explicit MarkupReader(std::string_view text) : text_(text) {}

  // The next tag; false at the end of the text or, with `error` set, when the text breaks off.
  bool Next(Tag& tag, std::string& error) {
    while (true) {
      const size_t lt = text_.find('<', pos_);
      if (lt == std::string_view::npos) return false;
      pos_ = lt;
      const std::string_view rest = text_.substr(pos_);
      if (rest.substr(0, 4) == "<!--") {
        if (!SkipPast("-->", 4, VELMOR_TEXT("the file ends inside a comment"), error)) return false;
      } else if (rest.substr(0, 9) == "<![CDATA[") {
        if (!SkipPast("]]>", 9, VELMOR_TEXT("the file ends inside a CDATA section"), error)) return false;
      } else if (rest.substr(0, 2) == "<?") {
        if (!SkipPast("?>", 2, VELMOR_TEXT("the file ends inside an XML declaration"), error)) return false;
      } else if (rest.substr(0, 2) == "<!") {
        if (!SkipDeclaration(error)) return false;
      } else {
        return ReadTag(tag, error);
      }
    }
  }

 private:
  // `unclosed` is what the player is told when `end` never comes.
  bool SkipPast(std::string_view end, size_t from, const char* unclosed, std::string& error) {
    const size_t at = text_.find(end, pos_ + from);
    if (at == std::string_view::npos) return Broken(unclosed, error);
    pos_ = at + end.size();
    return true;
  }
  // A <!DOCTYPE ...>, whose internal part in brackets may hold '>' of its own.
  bool SkipDeclaration(std::string& error) {
    size_t i = pos_ + 2;
    bool inBrackets = false;
    for (; i < text_.size(); ++i) {
      if (text_[i] == '[') inBrackets = true;
      if (text_[i] == ']') inBrackets = false;
      if (text_[i] == '>' && !inBrackets) break;
    }
    if (i >= text_.size()) return Broken(VELMOR_TEXT("the file ends inside a declaration"), error);
    pos_ = i + 1;
    return true;
  }
  bool Broken(std::string message, std::string& error) {
    error = std::move(message);
    pos_ = text_.size();
    return false;
  }
  static bool NameChar(char ch) { return !IsSpace(ch) && ch != '=' && ch != '/' && ch != '>' && ch != '<'; }
  void SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }
  std::string_view ReadName() {
    const size_t start = pos_;
    while (pos_ < text_.size() && NameChar(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  bool ReadTag(Tag& tag, std::string& error) {
    tag = Tag{};
    ++pos_;  // '<'
    if (pos_ < text_.size() && text_[pos_] == '/') {
      tag.closing = true;
      ++pos_;
    }
    tag.name = Lower(ReadName());
    while (true) {
      SkipSpace();
      if (pos_ >= text_.size())
        return Broken(Fill(VELMOR_TEXT("the file ends inside the tag <%1>"), CleanName(tag.name)), error);
      const char ch = text_[pos_];
      if (ch == '>') {
        ++pos_;
        return true;
      }
      if (ch == '/') {
        tag.empty = true;
        ++pos_;
        continue;
      }
      if (ch == '<') return Broken(Fill(VELMOR_TEXT("the tag <%1> is never closed"), CleanName(tag.name)), error);
      Attribute attribute;
      attribute.name = Lower(ReadName());
      if (attribute.name.empty()) {  // a stray '=' or the like: step over it
        ++pos_;
        continue;
      }
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == '=') {
        ++pos_;
        SkipSpace();
        if (pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\'')) {
          const size_t close = text_.find(text_[pos_], pos_ + 1);
          if (close == std::string_view::npos)
            return Broken(Fill(VELMOR_TEXT("the file ends inside the value of \"%1\""), CleanName(attribute.name)),
                          error);
          attribute.value = DecodeEntities(text_.substr(pos_ + 1, close - pos_ - 1));
          pos_ = close + 1;
        } else {
          attribute.value = DecodeEntities(ReadName());
        }
      }
      tag.attributes.push_back(std::move(attribute));
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

const std::string* FindAttribute(const Tag& tag, std::string_view name) {
  for (const Attribute& a : tag.attributes)
    if (a.name == name) return &a.value;
  return nullptr;
}

// A coordinate as written, in tiles: an optional sign, digits and a decimal fraction. Values
// beyond a million are refused long before they could overflow anything.
bool ParseCoordinate(std::string_view s, double& out) {
  s = Trim(s);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  double value = 0, scale = 1;
  bool digits = false, point = false;
  for (; i < s.size(); ++i) {
    const char ch = s[i];
    if (ch == '.' && !point) {
      point = true;
      continue;
    }
    if (ch < '0' || ch > '9') return false;
    digits = true;
    if (point) {
      scale /= 10;
      value += (ch - '0') * scale;
    } else {
      value = value * 10 + (ch - '0');
      if (value > 1e6) return false;
    }
  }
  if (!digits) return false;
  out = negative ? -value : value;
  return true;
}

// Reads one element's coordinates: across and down in half tiles, the layer as a whole number.
class Coordinates {
 public:
  VELMOR_SPEAKS(velmor)
  Coordinates(const Tag& tag, int64_t layerZ) : tag_(tag), layerZ_(layerZ) {}
  // Missing coordinates count as 0, and a missing z as the enclosing <layer>'s, as in the maps
  // GNOME Mahjongg reads.
  bool Half(std::string_view name, int64_t& out) {
    double v = 0;
    if (!Read(name, v)) return false;
    out = static_cast<int64_t>(std::trunc(v * 2));
    return true;
  }
  bool Layer(int64_t& out) {
    double v = static_cast<double>(layerZ_);
    if (!Read("z", v)) return false;
    out = static_cast<int64_t>(std::trunc(v));
    return true;
  }
  const std::string& problem() const { return problem_; }

 private:
  bool Read(std::string_view name, double& v) {
    const std::string* value = FindAttribute(tag_, name);
    if (!value) return true;
    if (ParseCoordinate(*value, v)) return true;
    problem_ = Fill(VELMOR_TEXT("a <%1> has %2=\"%3\", which is not a coordinate"), tag_.name, name,
                    CleanName(value->substr(0, 20)));
    return false;
  }
  const Tag& tag_;
  int64_t layerZ_;
  std::string problem_;
};

// Adds the tiles of a <tile>, <row>, <column> or <block>: rows and columns step a whole tile
// from the first coordinate up to and including the last.
bool AddElement(const Tag& tag, int64_t layerZ, SlotList& list, std::string& problem) {
  Coordinates c(tag, layerZ);
  int64_t x1 = 0, x2 = 0, y1 = 0, y2 = 0, z = 0;
  bool ok = c.Layer(z);
  if (tag.name == "tile") {
    ok = ok && c.Half("x", x1) && c.Half("y", y1);
    x2 = x1, y2 = y1;
  } else if (tag.name == "row") {
    ok = ok && c.Half("left", x1) && c.Half("right", x2) && c.Half("y", y1);
    y2 = y1;
  } else if (tag.name == "column") {
    ok = ok && c.Half("x", x1) && c.Half("top", y1) && c.Half("bottom", y2);
    x2 = x1;
  } else {
    ok = ok && c.Half("left", x1) && c.Half("right", x2) && c.Half("top", y1) && c.Half("bottom", y2);
  }
  if (!ok) {
    problem = c.problem();
    return false;
  }
  const int64_t across = x2 >= x1 ? (x2 - x1) / 2 + 1 : 0, down = y2 >= y1 ? (y2 - y1) / 2 + 1 : 0;
  if (list.count + across * down > HeapTiles) {
    list.Skip(across * down);
    return true;
  }
  for (int64_t x = x1; x <= x2; x += 2)
    for (int64_t y = y1; y <= y2; y += 2) list.Add(Slot{x, y, z});
  return true;
}

int64_t LayerOf(const Tag& tag) {
  double v = 0;
  const std::string* z = FindAttribute(tag, "z");
  return z && ParseCoordinate(*z, v) ? static_cast<int64_t>(std::trunc(v)) : 0;
}

}  // namespace

bool ReadGnomeMahjonggMaps(std::string_view text, std::vector<ImportedHeap>& heaps, std::string& error) {
  MarkupReader reader(SkipByteOrderMark(text));
  bool inMap = false, sawMap = false;
  std::string name, problem;
  SlotList list;
  int64_t layerZ = 0;
  int mapNumber = 0;
  auto finish = [&] {
    if (!inMap) return;
    heaps.push_back(problem.empty() ? MakeHeap(name, list) : RefusedHeap(name, problem));
    inMap = false;
  };
  Tag tag;
  std::string broken;
  while (reader.Next(tag, broken)) {
    if (tag.name == "map") {
      // A map that opens inside another ends the first: each is read on its own.
      finish();
      if (tag.closing) continue;
      sawMap = true;
      ++mapNumber;
      const std::string* named = FindAttribute(tag, "name");
      const std::string* scoreName = FindAttribute(tag, "scorename");
      name = CleanName(named ? *named : "");
      if (name.empty() && scoreName) name = CleanName(*scoreName);
      if (name.empty()) name = "Map " + std::to_string(mapNumber);
      list = SlotList{};
      problem.clear();
      layerZ = 0;
      inMap = !tag.empty;
      if (tag.empty) heaps.push_back(MakeHeap(name, list));
    } else if (tag.name == "layer") {
      layerZ = tag.closing || tag.empty ? 0 : LayerOf(tag);
    } else if (inMap && !tag.closing && problem.empty() &&
               (tag.name == "tile" || tag.name == "row" || tag.name == "column" || tag.name == "block")) {
      AddElement(tag, layerZ, list, problem);
    }
  }
  if (inMap) {
    heaps.push_back(RefusedHeap(name, broken.empty() ? VELMOR_TEXT("the file ends inside this map") : broken));
  }
  if (!sawMap) {
    error = broken.empty() ? VELMOR_TEXT("it is not a GNOME Mahjongg map file: it holds no <map>") : broken;
    return false;
  }
  return true;
}

bool ImportLayoutText(std::string_view text, const std::string& path, std::vector<ImportedHeap>& heaps,
                      std::string& error) {
  std::string_view start = SkipByteOrderMark(text);
  while (!start.empty() && IsSpace(start.front())) start.remove_prefix(1);
  if (start.substr(0, KMahjonggMagic.size()) == KMahjonggMagic)
    return ReadKMahjonggLayout(start, std::filesystem::path(path).stem().string(), heaps, error);
  if (start.substr(0, 1) == "<") return ReadGnomeMahjonggMaps(text, heaps, error);
  error = VELMOR_TEXT("it is neither a KMahjongg layout nor a GNOME Mahjongg map");
  return false;
}

bool ImportLayoutFile(const std::string& path, std::vector<ImportedHeap>& heaps, std::string& error) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > MaxImportFileSize) {
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a layout (%2 bytes)"), path, size);
    return false;
  }
  std::string text;
  if (!ReadWholeFile(path, text, error)) return false;
  if (text.size() > MaxImportFileSize) {  // a file that grew, or one whose size nobody could tell
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a layout"), path);
    return false;
  }
  if (!ImportLayoutText(text, path, heaps, error)) {
    error = Fill(VELMOR_TEXT("\"%1\" cannot be imported: %2"), path, error);
    return false;
  }
  return true;
}

std::string ImportedLayFileName(std::string_view heapName) {
  std::string name;
  for (char ch : heapName) {
    const auto c = static_cast<unsigned char>(ch);
    name.push_back(ch == '/' || ch == '\\' || c < 0x20 || c == 0x7F ? '_' : ch);
  }
  const size_t first = name.find_first_not_of(". ");
  name = first == std::string::npos ? std::string() : name.substr(first);
  // Room for ".lay" and a copy number within the usual 255 bytes, never cutting a UTF-8 character.
  constexpr size_t Longest = 200;
  if (name.size() > Longest) {
    size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (name.empty()) name = "Imported";
  return name + ".lay";
}

bool SaveImportedHeap(const std::string& path, const ImportedHeap& heap, std::string& error) {
  if (!heap.imported) {
    error = Fill(VELMOR_TEXT("\"%1\" was not imported: %2"), heap.name, heap.refusal);
    return false;
  }
  return WriteFileAtomically(path, FormatLayFile(heap.name, heap.shape), error);
}

}  // namespace velmor
