#include "shell/RtfReader.h"

#include <algorithm>

#include "base/Say.h"
#include "base/Text.h"

namespace velmor {

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t BulletChar = 0x2022;
constexpr std::string_view BulletUtf8 = "\xE2\x80\xA2";

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

enum class Destination : uint8_t {
  Text,  // shown
  Skip,  // font tables, pictures, starred groups and anything else never shown
  ColourTable,
  BulletText,  // the bullet word processors write before a list item, kept apart from its text
};

// What a group saves and its closing brace restores.
struct GroupState {
  bool bold = false, italic = false, underline = false;
  int halfPoints = 24;
  int colourIndex = 0;
  int alignment = 0;
  int leftIndent = 0;
  int spaceAfter = 0;
  int unicodeSkip = 1;  // \uc
  Destination dest = Destination::Text;
};

class Parser {
 public:
  VELMOR_SPEAKS(velmor)
  explicit Parser(std::string_view text) : in_(text) {}

  bool Run(RtfDocument& doc, std::string& error);

 private:
  void OpenGroup();
  void CloseGroup();
  void ControlWord(std::string_view word, bool hasParam, long param);
  void ControlSymbol(char c);
  void Character(char32_t c);
  void PlainByte(unsigned char b);
  void Unicode(long value);
  void EndParagraph();
  void FinishParagraph();
  void StartNewParagraph();
  void FlushSurrogate();
  void ResetCharacter();
  void ResetParagraph();
  void EnterDestination(Destination d);
  bool Shown() const { return stack_.back().dest == Destination::Text; }
  uint32_t ColourOf(int index) const;

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  bool groupFresh_ = false;  // nothing but control words since the last '{'
  bool groupHasText_ = false;
  int fallbackLeft_ = 0;      // characters after \u that stand in for it, still to skip
  char16_t pendingHigh_ = 0;  // first half of a surrogate pair written as two \u

  std::vector<uint32_t> colours_;  // the colour table; an entry without components is "auto" (0)
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colourGiven_ = false;

  RtfParagraph para_;
  bool bulletWord_ = false;  // \bullet opened this paragraph
  std::vector<RtfParagraph> done_;
};

bool Parser::Run(RtfDocument& doc, std::string& error) {
  size_t start = 0;
  while (start < in_.size() && (in_[start] == ' ' || in_[start] == '\t' || in_[start] == '\r' || in_[start] == '\n'))
    ++start;
  if (in_.substr(start, 5) != "{\\rtf") {
    error = VELMOR_TEXT("The text does not begin with {\\rtf, so it is not RTF.");
    return false;
  }
  pos_ = start;
  while (pos_ < in_.size()) {
    const char c = in_[pos_];
    if (c == '{') {
      ++pos_;
      if (static_cast<int>(stack_.size()) >= RtfMaxDepth) {
        error = Fill(VELMOR_TEXT("The groups are nested deeper than %1 levels."), RtfMaxDepth);
        return false;
      }
      OpenGroup();
    } else if (c == '}') {
      ++pos_;
      CloseGroup();
      if (stack_.empty()) break;
    } else if (c == '\\') {
      ++pos_;
      if (pos_ == in_.size()) break;
      const char n = in_[pos_];
      if (IsLetter(n)) {
        const size_t wordStart = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
        const std::string_view word = in_.substr(wordStart, pos_ - wordStart);
        bool negative = false, hasParam = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
          negative = true;
          ++pos_;
        }
        long param = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
          hasParam = true;
          // Absurd parameters saturate instead of overflowing; every use clamps them anyway.
          if (param < 100000000) param = param * 10 + (in_[pos_] - '0');
          ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        ControlWord(word, hasParam, negative ? -param : param);
      } else if (n == '\'') {
        ++pos_;
        const int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        const int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (hi < 0 || lo < 0) continue;  // a broken escape shows nothing; what follows is read as usual
        pos_ += 2;
        PlainByte(static_cast<unsigned char>(hi * 16 + lo));
      } else {
        ++pos_;
        ControlSymbol(n);
      }
    } else {
      ++pos_;
      // Line ends only lay out the source; the paragraph breaks are \par.
      if (c == '\r' || c == '\n' || c == '\0') continue;
      if (c == '\t') {
        ControlWord("tab", false, 0);
        continue;
      }
      PlainByte(static_cast<unsigned char>(c));
    }
  }
  if (!stack_.empty()) {
    error = VELMOR_TEXT("The text ends inside an open group, so it is cut short or a '}' is missing.");
    return false;
  }
  while (pos_ < in_.size() && (in_[pos_] == ' ' || in_[pos_] == '\r' || in_[pos_] == '\n' || in_[pos_] == '\0')) ++pos_;
  if (pos_ < in_.size() && in_[pos_] == '}') {
    error = VELMOR_TEXT("A '}' closes a group that was never opened.");
    return false;
  }
  // Text after the last \par still belongs to the document, with the look it was written in.
  if (!para_.runs.empty()) FinishParagraph();
  doc.paragraphs = std::move(done_);
  return true;
}

void Parser::OpenGroup() {
  FlushSurrogate();
  fallbackLeft_ = 0;
  stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
  groupFresh_ = true;
  groupHasText_ = false;
}

void Parser::CloseGroup() {
  FlushSurrogate();
  fallbackLeft_ = 0;
  if (stack_.back().dest == Destination::ColourTable && colourGiven_) {
    // A last entry without its ';'.
    colours_.push_back(static_cast<uint32_t>(red_ << 16 | green_ << 8 | blue_));
    colourGiven_ = false;
  }
  stack_.pop_back();
  groupFresh_ = false;
  groupHasText_ = true;  // the enclosing group has seen something besides its own control words
}

void Parser::EnterDestination(Destination d) {
  // A destination word only means something at the head of a group that is not the document.
  if (stack_.size() < 2 || groupHasText_) return;
  if (stack_.back().dest == Destination::Skip) return;
  stack_.back().dest = d;
  if (d == Destination::BulletText) para_.bullet = true;
  if (d == Destination::ColourTable) {
    colours_.clear();
    red_ = green_ = blue_ = 0;
    colourGiven_ = false;
  }
}

void Parser::ResetCharacter() {
  GroupState& s = stack_.back();
  s.bold = s.italic = s.underline = false;
  s.halfPoints = 24;
  s.colourIndex = 0;
}

void Parser::ResetParagraph() {
  GroupState& s = stack_.back();
  s.alignment = 0;
  s.leftIndent = 0;
  s.spaceAfter = 0;
}

void Parser::ControlWord(std::string_view word, bool hasParam, long param) {
  groupFresh_ = false;
  if (fallbackLeft_ > 0) {
    // The stand-in for a \u character may itself be an escape; it is dropped like a letter.
    --fallbackLeft_;
    return;
  }
  GroupState& s = stack_.back();
  const bool on = !hasParam || param != 0;
  auto clamp = [](long v, long lo, long hi) { return static_cast<int>(std::clamp(v, lo, hi)); };

  // Destinations.
  if (word == "fonttbl" || word == "stylesheet" || word == "info" || word == "pict" || word == "object" ||
      word == "header" || word == "headerl" || word == "headerr" || word == "headerf" || word == "footer" ||
      word == "footerl" || word == "footerr" || word == "footerf" || word == "footnote" || word == "filetbl" ||
      word == "listtable" || word == "listoverridetable" || word == "revtbl" || word == "rsidtbl" || word == "xe" ||
      word == "tc" || word == "annotation" || word == "atnid" || word == "atnauthor" || word == "themedata" ||
      word == "colorschememapping" || word == "datastore" || word == "latentstyles" || word == "generator" ||
      word == "bkmkstart" || word == "bkmkend" || word == "nonshppict" || word == "fldinst") {
    EnterDestination(Destination::Skip);
    return;
  }
  if (word == "colortbl") {
    EnterDestination(Destination::ColourTable);
    return;
  }
  if (word == "pntext" || word == "listtext") {
    EnterDestination(Destination::BulletText);
    return;
  }

  if (s.dest == Destination::ColourTable) {
    int* component = word == "red" ? &red_ : word == "green" ? &green_ : word == "blue" ? &blue_ : nullptr;
    if (component != nullptr) {
      *component = clamp(param, 0, 255);
      colourGiven_ = true;
    }
    return;
  }
  if (s.dest == Destination::Skip || s.dest == Destination::BulletText) return;

  // Character formatting.
  if (word == "b")
    s.bold = on;
  else if (word == "i")
    s.italic = on;
  else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" || word == "uldash" ||
           word == "ulwave")
    s.underline = on;
  else if (word == "ulnone")
    s.underline = false;
  else if (word == "fs")
    s.halfPoints = hasParam ? clamp(param, 2, 2000) : 24;
  else if (word == "cf")
    s.colourIndex = clamp(param, 0, 1 << 20);
  else if (word == "plain")
    ResetCharacter();
  // Paragraph formatting.
  else if (word == "pard")
    ResetParagraph();
  else if (word == "ql" || word == "qj")
    s.alignment = 0;
  else if (word == "qc")
    s.alignment = 1;
  else if (word == "qr")
    s.alignment = 2;
  else if (word == "li")
    s.leftIndent = clamp(param, 0, 31680);  // up to 22 inches
  else if (word == "sa")
    s.spaceAfter = clamp(param, 0, 31680);
  else if (word == "uc")
    s.unicodeSkip = clamp(param, 0, 16);
  // Breaks and special characters.
  else if (word == "par" || word == "page")
    EndParagraph();
  else if (word == "line")
    Character(U'\n');
  else if (word == "tab")
    Character(U'\t');
  else if (word == "u")
    Unicode(param);
  else if (word == "bullet") {
    if (para_.runs.empty()) bulletWord_ = true;
    Character(BulletChar);
  } else if (word == "emdash")
    Character(0x2014);
  else if (word == "endash")
    Character(0x2013);
  else if (word == "lquote")
    Character(0x2018);
  else if (word == "rquote")
    Character(0x2019);
  else if (word == "ldblquote")
    Character(0x201C);
  else if (word == "rdblquote")
    Character(0x201D);
  // Everything else (fonts, languages, document settings, unknown words) changes nothing we show.
}

void Parser::ControlSymbol(char c) {
  const bool fresh = groupFresh_;
  groupFresh_ = false;
  if (c == '*') {
    // We know no starred destination, and the star says we may pass over one we do not know.
    if (fresh && stack_.size() >= 2) stack_.back().dest = Destination::Skip;
    return;
  }
  if (c == '\r' || c == '\n') {  // a backslash at the end of a source line is a \par
    ControlWord("par", false, 0);
    return;
  }
  if (fallbackLeft_ > 0) {
    --fallbackLeft_;
    return;
  }
  switch (c) {
    case '\\':
    case '{':
    case '}':
      Character(static_cast<unsigned char>(c));
      break;
    case '~':
      Character(0x00A0);
      break;
    case '_':
      Character(0x2011);
      break;
    default:
      // \- is an optional hyphen: the view breaks lines at spaces anyway. Others are index marks.
      break;
  }
}

void Parser::PlainByte(unsigned char b) {
  groupFresh_ = false;
  if (fallbackLeft_ > 0) {
    --fallbackLeft_;
    return;
  }
  GroupState& s = stack_.back();
  if (s.dest == Destination::ColourTable) {
    if (b == ';') {
      colours_.push_back(colourGiven_ ? static_cast<uint32_t>(red_ << 16 | green_ << 8 | blue_) : 0u);
      red_ = green_ = blue_ = 0;
      colourGiven_ = false;
    }
    return;
  }
  if (b < 0x20) return;  // stray control characters show nothing
  Character(FromCp1252(b));
}

void Parser::Unicode(long value) {
  fallbackLeft_ = stack_.back().unicodeSkip;
  if (value < 0) value += 65536;  // written as a signed 16-bit number
  if (value <= 0 || value > 0xFFFF) return;
  const auto unit = static_cast<char16_t>(value);
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    FlushSurrogate();
    pendingHigh_ = unit;
    return;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    if (pendingHigh_ != 0) {
      const char32_t c = 0x10000 + ((static_cast<char32_t>(pendingHigh_) - 0xD800) << 10) + (unit - 0xDC00);
      pendingHigh_ = 0;
      Character(c);
    } else {
      Character(Replacement);
    }
    return;
  }
  Character(unit);
}

void Parser::FlushSurrogate() {
  if (pendingHigh_ == 0) return;
  pendingHigh_ = 0;
  Character(Replacement);
}

uint32_t Parser::ColourOf(int index) const {
  return index >= 0 && static_cast<size_t>(index) < colours_.size() ? colours_[index] : 0u;
}

void Parser::Character(char32_t c) {
  if (!Shown()) return;
  if (pendingHigh_ != 0) {  // a first half with no second half
    pendingHigh_ = 0;
    Character(Replacement);
  }
  groupHasText_ = true;
  const GroupState& s = stack_.back();
  RtfRun look;
  look.bold = s.bold;
  look.italic = s.italic;
  look.underline = s.underline;
  look.halfPoints = s.halfPoints;
  look.colour = ColourOf(s.colourIndex);
  if (para_.runs.empty() || !para_.runs.back().SameLook(look)) para_.runs.push_back(std::move(look));
  AppendUtf8(para_.runs.back().text, c);
  // The paragraph's look is the one in force when its text is written.
  para_.alignment = s.alignment;
  para_.leftIndentTwips = s.leftIndent;
  para_.spaceAfterTwips = s.spaceAfter;
}

// Drops `n` bytes from the front of the paragraph's text, across runs, in one sweep.
void DropPrefix(RtfParagraph& p, size_t n) {
  size_t whole = 0;
  while (whole < p.runs.size() && p.runs[whole].text.size() <= n) n -= p.runs[whole++].text.size();
  p.runs.erase(p.runs.begin(), p.runs.begin() + static_cast<std::ptrdiff_t>(whole));
  if (!p.runs.empty()) p.runs.front().text.erase(0, n);
}

// Bytes of tabs and spaces at the front of the paragraph.
size_t LeadingBlanks(const RtfParagraph& p) {
  size_t n = 0;
  for (const RtfRun& r : p.runs) {
    const size_t k = r.text.find_first_not_of("\t ");
    if (k != std::string::npos) return n + k;
    n += r.text.size();
  }
  return n;
}

void Parser::EndParagraph() {
  FlushSurrogate();
  // The paragraph takes the look in force at its \par.
  const GroupState& s = stack_.back();
  para_.alignment = s.alignment;
  para_.leftIndentTwips = s.leftIndent;
  para_.spaceAfterTwips = s.spaceAfter;
  FinishParagraph();
}

void Parser::FinishParagraph() {
  // A paragraph that opens with a bullet and a tab is a list item, however the bullet was written.
  // Only the first few bytes are looked at, so this stays cheap for long paragraphs.
  std::string head;
  for (const RtfRun& r : para_.runs) {
    head += r.text.substr(0, 8);
    if (head.size() >= 8) break;
  }
  if (head.compare(0, BulletUtf8.size(), BulletUtf8) == 0 &&
      (bulletWord_ || (head.size() > BulletUtf8.size() && (head[3] == '\t' || head[3] == ' ')))) {
    para_.bullet = true;
    DropPrefix(para_, BulletUtf8.size());
  }
  if (para_.bullet) DropPrefix(para_, LeadingBlanks(para_));
  done_.push_back(std::move(para_));
  StartNewParagraph();
}

void Parser::StartNewParagraph() {
  para_ = RtfParagraph{};
  bulletWord_ = false;
}

}  // namespace

std::string RtfParagraph::Text() const {
  std::string s;
  for (const RtfRun& r : runs) s += r.text;
  return s;
}

bool ReadRtf(std::string_view rtf, RtfDocument& out, std::string& error) {
  out = RtfDocument{};
  if (rtf.size() > RtfMaxBytes) {
    error = Fill(VELMOR_TEXT("The text is larger than %1 MB, too large for a help text."), RtfMaxBytes >> 20);
    return false;
  }
  Parser parser(rtf);
  RtfDocument doc;
  if (!parser.Run(doc, error)) return false;
  out = std::move(doc);
  return true;
}

}  // namespace velmor
