#include "shell/IniFile.h"

#include <climits>

#include "base/Files.h"
#include "base/Say.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"

namespace velmor {

namespace {

// Offsets into the document are 32-bit to keep the index small for huge hand-made files; these
// bounds keep every offset well inside that range (a file of bare LFs doubles when read).
constexpr uintmax_t MaxFileBytes = uintmax_t{256} << 20;
constexpr size_t MaxTextBytes = size_t{1} << 30;

bool Blank(char c) { return c == ' ' || c == '\t'; }

// Only spaces and tabs: Text's Trim would also take CR and LF, which must make a name invalid.
std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) { return a.size() == b.size() && SameText(a, b); }

bool ValidSectionName(std::string_view name) {
  return !name.empty() && name.find_first_of("]\r\n") == std::string_view::npos;
}

bool ValidKey(std::string_view key) {
  return !key.empty() && key.find_first_of("=\r\n") == std::string_view::npos && key.front() != '[' &&
         key.front() != ';';
}

}  // namespace

// Finds the section header or key on one line, offsets relative to the line. Keys count only
// inside a section. A '[' line without ']' is not a header; it stays a plain line.
bool IniFile::Classify(std::string_view line, bool inSection, Mark& m) {
  size_t p = 0;
  while (p < line.size() && Blank(line[p])) ++p;
  if (p == line.size() || line[p] == ';') return false;
  m.lineBegin = 0;
  m.lineEnd = static_cast<uint32_t>(line.size());
  if (line[p] == '[') {
    const size_t close = line.find(']', p + 1);
    if (close == std::string_view::npos) return false;
    size_t b = p + 1, e = close;
    while (b < e && Blank(line[b])) ++b;
    while (e > b && Blank(line[e - 1])) --e;
    m.nameBegin = static_cast<uint32_t>(b);
    m.nameEnd = static_cast<uint32_t>(e);
    m.valueBegin = m.lineEnd;
    m.section = true;
    return true;
  }
  if (!inSection) return false;
  const size_t eq = line.find('=', p);
  if (eq == std::string_view::npos) return false;
  size_t e = eq;
  while (e > p && Blank(line[e - 1])) --e;
  if (e == p) return false;
  size_t v = eq + 1;
  while (v < line.size() && Blank(line[v])) ++v;
  m.nameBegin = static_cast<uint32_t>(p);
  m.nameEnd = static_cast<uint32_t>(e);
  m.valueBegin = static_cast<uint32_t>(v);
  m.section = false;
  return true;
}

void IniFile::Shift(Mark& m, long long delta) {
  m.lineBegin = static_cast<uint32_t>(m.lineBegin + delta);
  m.nameBegin = static_cast<uint32_t>(m.nameBegin + delta);
  m.nameEnd = static_cast<uint32_t>(m.nameEnd + delta);
  m.valueBegin = static_cast<uint32_t>(m.valueBegin + delta);
  m.lineEnd = static_cast<uint32_t>(m.lineEnd + delta);
}

size_t IniFile::BlankLineStart(size_t lineEnd, size_t floor) const {
  size_t r = lineEnd;
  while (r > floor && Blank(text_[r - 1])) --r;
  return r == floor || text_[r - 1] == '\n' ? r : std::string::npos;
}

bool IniFile::Load(const std::string& path, std::string& error) {
  path_.clear();
  LoadText({});
  std::string why;
  const PathKind kind = KindOf(path, &why);
  if (kind == PathKind::Missing) {
    path_ = path;
    return true;
  }
  if (kind == PathKind::Unknown) {
    error = Fill(VELMOR_TEXT("cannot read \"%1\": %2"), path, why);
    return false;
  }
  // A pipe or device would block or never end; the settings are always a plain file.
  if (kind != PathKind::File) {
    error = Fill(VELMOR_TEXT("\"%1\" is not a plain file"), path);
    return false;
  }
  if (const auto size = FileSize(path); size && *size > MaxFileBytes) {
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a settings file"), path);
    return false;
  }
  std::string data;
  if (!ReadWholeFile(path, data, error)) return false;
  if (!LoadText(data)) {
    error = Fill(VELMOR_TEXT("\"%1\" is too large to be a settings file"), path);
    return false;
  }
  path_ = path;
  return true;
}

bool IniFile::LoadText(std::string_view text) {
  text_.clear();
  marks_.clear();
  if (text.size() > MaxFileBytes) return false;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  text_.reserve(text.size() + text.size() / 16 + 2);
  size_t i = 0;
  while (i < text.size()) {
    size_t j = i;
    while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
    AddLine(text.substr(i, j - i));
    if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
    i = j + 1;
  }
  return true;
}

void IniFile::AddLine(std::string_view line) {
  const auto begin = static_cast<uint32_t>(text_.size());
  text_.append(line);
  text_ += "\r\n";
  Mark m;
  if (Classify(line, !marks_.empty(), m)) {
    Shift(m, begin);
    marks_.push_back(m);
  }
}

std::string_view IniFile::NameOf(const Mark& m) const {
  return std::string_view(text_).substr(m.nameBegin, m.nameEnd - m.nameBegin);
}

size_t IniFile::FindSection(std::string_view name) const {
  for (size_t i = 0; i < marks_.size(); ++i)
    if (marks_[i].section && SameName(NameOf(marks_[i]), name)) return i;
  return marks_.size();
}

size_t IniFile::SectionEnd(size_t sectionMark) const {
  size_t i = sectionMark + 1;
  while (i < marks_.size() && !marks_[i].section) ++i;
  return i;
}

void IniFile::Splice(size_t at, size_t removed, std::string_view inserted, size_t firstShiftedMark) {
  text_.replace(at, removed, inserted);
  const long long delta = static_cast<long long>(inserted.size()) - static_cast<long long>(removed);
  for (size_t i = firstShiftedMark; i < marks_.size(); ++i) Shift(marks_[i], delta);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  bool inside = false;
  for (const Mark& m : marks_) {
    if (m.section) {
      inside = SameName(NameOf(m), section);
    } else if (inside && SameName(NameOf(m), key)) {
      uint32_t end = m.lineEnd;
      while (end > m.valueBegin && Blank(text_[end - 1])) --end;
      return text_.substr(m.valueBegin, end - m.valueBegin);
    }
  }
  return std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  long long v = 0;
  if (!ParseInt(ReadString(section, key, {}), v) || v < INT_MIN || v > INT_MAX) return def;
  return static_cast<int>(v);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  long long v = 0;
  if (!ParseInt(ReadString(section, key, {}), v)) return def;
  return v != 0;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(TrimBlanks(section)) < marks_.size(); }

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!ValidSectionName(section) || !ValidKey(key)) return false;
  if (text_.size() + section.size() + key.size() + value.size() + 16 > MaxTextBytes) return false;
  std::string line(key);
  line += '=';
  const size_t valueAt = line.size();
  line += value;
  for (size_t i = valueAt; i < line.size(); ++i)
    if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';

  const size_t s = FindSection(section);
  if (s == marks_.size()) {
    // A blank line before a new section, as a person would leave one.
    if (!text_.empty() && BlankLineStart(text_.size() - 2, 0) == std::string::npos) AddLine({});
    std::string header(1, '[');
    header.append(section).push_back(']');
    AddLine(header);
    AddLine(line);
    return true;
  }

  const size_t e = SectionEnd(s);
  for (size_t i = s + 1; i < e; ++i) {
    Mark& m = marks_[i];
    if (!SameName(NameOf(m), key)) continue;
    const std::string_view newValue = std::string_view(line).substr(valueAt);
    // Keep the line's own spelling and spacing up to the value.
    const uint32_t valueBegin = m.valueBegin;
    Splice(valueBegin, m.lineEnd - valueBegin, newValue, i + 1);
    m.lineEnd = static_cast<uint32_t>(valueBegin + newValue.size());
    while (m.valueBegin < m.lineEnd && Blank(text_[m.valueBegin])) ++m.valueBegin;
    return true;
  }

  // A new key goes after the section's last line that is not blank.
  size_t at = e < marks_.size() ? marks_[e].lineBegin : text_.size();
  const size_t floor = marks_[s].lineEnd + 2;
  while (at > floor) {
    const size_t r = BlankLineStart(at - 2, floor);
    if (r == std::string::npos) break;
    at = r;
  }
  Mark m;
  Classify(line, true, m);
  Shift(m, static_cast<long long>(at));
  line += "\r\n";
  Splice(at, 0, line, e);
  marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(e), m);
  return true;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
  section = TrimBlanks(section);
  if (FindSection(section) == marks_.size()) return;
  // One pass over the whole document, so a file with thousands of copies stays linear.
  std::string text;
  text.reserve(text_.size());
  std::vector<Mark> marks;
  marks.reserve(marks_.size());
  size_t runStart = 0, removed = 0;
  bool dropping = false;
  auto endRun = [&](size_t at) {
    if (dropping)
      removed += at - runStart;
    else
      text.append(text_, runStart, at - runStart);
    runStart = at;
  };
  for (const Mark& m : marks_) {
    if (m.section) {
      const bool drop = SameName(NameOf(m), section);
      if (drop != dropping) {
        endRun(m.lineBegin);
        dropping = drop;
      }
    }
    if (!dropping) {
      marks.push_back(m);
      Shift(marks.back(), -static_cast<long long>(removed));
    }
  }
  endRun(text_.size());
  text_.swap(text);
  marks_.swap(marks);
}

bool IniFile::Load(const std::string& path, const BackgroundWriter& writer, std::string& error) {
  const auto pending = writer.Pending(path);
  if (!pending) return Load(path, error);
  path_ = path;
  // Only this program puts a settings file, and never one too large to read back.
  LoadText(pending->value_or(""));
  return true;
}

bool IniFile::Save(std::string& error) const {
  if (path_.empty()) {
    error = VELMOR_TEXT("no settings file was read, so none can be written");
    return false;
  }
  return WriteFileAtomically(path_, text_, error);
}

}  // namespace velmor
