// GNOME Mahjongg's ".map" files: a small XML reader that takes what those files use and skips the rest.
#include <cmath>
#include <cstdint>

#include "base/Say.h"
#include "layouts/ImportHeap.h"

namespace velmor {

namespace {

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
  s = TrimBlanks(s);
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
  const size_t first = heaps.size();
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
  for (size_t i = first; i < heaps.size(); ++i) heaps[i].origin = ImportOrigin::GnomeMahjongg;
  return true;
}

}  // namespace velmor
