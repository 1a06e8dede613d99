// The help texts: the RTF reader, its HTML, and the two texts we ship.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <regex>
#include <set>

#include "TestSupport.h"
#include "shell/LanguageChoice.h"
#include "shell/RtfReader.h"

using namespace velmor;
using namespace velmor::test;

namespace {

RtfDocument Read(std::string_view rtf) {
  RtfDocument doc;
  std::string error;
  EXPECT_TRUE(ReadRtf(rtf, doc, error)) << error << "\nin: " << rtf;
  return doc;
}

// The text of each paragraph.
std::vector<std::string> Texts(const RtfDocument& doc) {
  std::vector<std::string> texts;
  for (const RtfParagraph& p : doc.paragraphs) texts.push_back(p.Text());
  return texts;
}

// Describes the runs of the first paragraph as "text:flags/size/colour" for compact expectations.
std::string Looks(std::string_view rtf) {
  const RtfDocument doc = Read(rtf);
  if (doc.paragraphs.empty()) return "(none)";
  std::string s;
  for (const RtfRun& r : doc.paragraphs[0].runs) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "%06x", static_cast<unsigned>(r.colour));
    s += "[" + r.text + ":" + (r.bold ? "b" : "") + (r.italic ? "i" : "") + (r.underline ? "u" : "") + "/" +
         std::to_string(r.halfPoints) + "/" + colour + "]";
  }
  return s;
}

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

bool Fails(std::string_view rtf, std::string* why = nullptr) {
  RtfDocument doc;
  doc.paragraphs.resize(3);  // a failed read must not leave old content behind
  std::string error;
  const bool ok = ReadRtf(rtf, doc, error);
  if (why) *why = error;
  return !ok && !error.empty() && doc.paragraphs.empty();
}

std::string Shipped(const std::string& name) {
  std::string text, error;
  EXPECT_TRUE(ReadWholeFile(DataDir() + "/" + name, text, error)) << error;
  return text;
}

}  // namespace

TEST(RtfRuns, CharacterFormattingSwitchesOnAndOff) {
  EXPECT_EQ(Looks(R"({\rtf1 a\b b\b0 c\i d\i0 e\ul f\ulnone g\ul h\ul0 i\b1 j})"),
            "[a:/24/000000][b:b/24/000000][c:/24/000000][d:i/24/000000][e:/24/000000][f:u/24/000000]"
            "[g:/24/000000][h:u/24/000000][i:/24/000000][j:b/24/000000]");
  // Runs of the same look are one run, however often the look was restated.
  EXPECT_EQ(Looks(R"({\rtf1\b a\b0\b b\i\i0 c})"), "[abc:b/24/000000]");
}

TEST(RtfRuns, GroupsRestoreAndPlainResets) {
  EXPECT_EQ(Looks(R"({\rtf1 x{\b y{\i\fs40 z}w}v})"),
            "[x:/24/000000][y:b/24/000000][z:bi/40/000000][w:b/24/000000][v:/24/000000]");
  EXPECT_EQ(Looks(R"({\rtf1{\colortbl;\red1\green2\blue3;}\b\i\ul\fs16\cf1 a\plain b})"),
            "[a:biu/16/010203][b:/24/000000]");
}

TEST(RtfRuns, ColoursComeFromTheTableAndSizesAreClamped) {
  const std::string table = R"({\colortbl;\red255\green0\blue0;\red0\green128\blue255;;\red9\green9\blue9})";
  EXPECT_EQ(Looks("{\\rtf1" + table + R"(\cf1 r\cf2 b\cf0 d\cf3 a\cf4 l\cf99 o})"),
            "[r:/24/ff0000][b:/24/0080ff][da:/24/000000][l:/24/090909][o:/24/000000]");
  // Colours are looked up when text is written, so a table after \cf still counts.
  EXPECT_EQ(Looks(R"({\rtf1\cf1{\colortbl;\red0\green0\blue7;}x})"), "[x:/24/000007]");
  EXPECT_EQ(Looks(R"({\rtf1\fs21 a\fs0 b\fs99999999999 c\fs d})"),
            "[a:/21/000000][b:/2/000000][c:/2000/000000][d:/24/000000]");
}

TEST(RtfParagraphs, PropertiesLastUntilPardOrTheGroupsEnd) {
  const auto shapes = [](std::string_view rtf) {
    std::string s;
    for (const RtfParagraph& p : Read(rtf).paragraphs)
      s += p.Text() + ":" + std::to_string(p.alignment) + "/" + std::to_string(p.leftIndentTwips) + "/" +
           std::to_string(p.spaceAfterTwips) + " ";
    return s;
  };
  EXPECT_EQ(shapes(R"({\rtf1\qc\li720\sa120 A\par B\par\pard C\par\qr\li-5\sa99999 D\par\ql E\par})"),
            "A:1/720/120 B:1/720/120 C:0/0/0 D:2/0/31680 E:0/0/31680 ");
  EXPECT_EQ(shapes(R"({\rtf1{\qc a\par}b\par})"), "a:1/0/0 b:0/0/0 ");
}

TEST(RtfParagraphs, BreaksEmptyParagraphsAndTheLastLine) {
  // Source line ends are not text; a backslash before one is a paragraph break.
  const RtfDocument doc = Read("{\\rtf1 one\r\ntwo\\tab three\\line four\\par\\par five\\\r\nsix}");
  EXPECT_EQ(Texts(doc), (std::vector<std::string>{"onetwo\tthree\nfour", "", "five", "six"}));
  EXPECT_TRUE(doc.paragraphs[1].runs.empty());
  EXPECT_EQ(Read(R"({\rtf1 a\par})").paragraphs.size(), 1u);
}

TEST(RtfBullets, EveryUsualSpellingMakesAListItem) {
  const char* items[] = {
      R"(\pard{\pntext\f0\'b7\tab}Item\par)",  // what word processors write
      R"(\pard{\*\pn\pnlvlblt}{\listtext\'95\tab}Item\par)",
      R"(\pard\bullet\tab Item\par)",
      R"(\pard\bullet Item\par)",
      R"(\pard\'95\tab Item\par)",
      R"(\pard\u8226?\tab Item\par)",
      R"(\pard{\b\'95}\tab\tab  Item\par)",
  };
  for (const char* item : items) {
    const RtfDocument doc = Read(std::string("{\\rtf1 ") + item + " After\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 2u) << item;
    EXPECT_TRUE(doc.paragraphs[0].bullet) << item;
    EXPECT_EQ(doc.paragraphs[0].Text(), "Item") << item;
    EXPECT_FALSE(doc.paragraphs[1].bullet) << item;
  }
  // A bullet character inside a sentence, or not followed by a blank, is just text.
  const RtfDocument text = Read(R"({\rtf1 a \bullet  b\par\'95x\par})");
  EXPECT_EQ(Texts(text), (std::vector<std::string>{"a \xE2\x80\xA2 b", "\xE2\x80\xA2x"}));
  EXPECT_FALSE(text.paragraphs[0].bullet);
  EXPECT_FALSE(text.paragraphs[1].bullet);
}

TEST(RtfEscapes, CodePageUnicodeAndSymbols) {
  const auto text = [](std::string_view rtf) {
    const RtfDocument doc = Read(rtf);
    return doc.paragraphs.empty() ? std::string("(none)") : doc.paragraphs[0].Text();
  };
  EXPECT_EQ(text(R"({\rtf1 caf\'e9 \'80\'93\'94\'96})"),
            "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93");
  EXPECT_EQ(text(R"({\rtf1 \u8364?5 \u233\'e9!})"),
            "\xE2\x82\xAC"
            "5 \xC3\xA9!");  // the stand-in is dropped
  EXPECT_EQ(text(R"({\rtf1\uc2\u8364 xxy\uc0\u233 z})"), "\xE2\x82\xACy\xC3\xA9z");
  EXPECT_EQ(text(R"({\rtf1\u233{x}})"), "\xC3\xA9x");                  // a group ends the stand-in
  EXPECT_EQ(text(R"({\rtf1\u-10179?\u-8704?})"), "\xF0\x9F\x98\x80");  // a surrogate pair
  EXPECT_EQ(text(R"({\rtf1\u-10179?x})"), "\xEF\xBF\xBDx");            // half a pair
  EXPECT_EQ(text(R"({\rtf1 \{a\}\\b\~c hy\-phen})"),
            "{a}\\b\xC2\xA0"
            "c hyphen");
  EXPECT_EQ(text("{\\rtf1 \xE9\x80}"), "\xC3\xA9\xE2\x82\xAC");  // raw bytes are code page 1252
  EXPECT_EQ(text(R"({\rtf1 a\'zz\'4})"), "azz4");                // broken escapes show what follows
}

TEST(RtfIgnored, UnknownWordsAndDestinationsShowNothing) {
  const RtfDocument doc =
      Read(R"({\rtf1\ansi\ansicpg1252\deff0\viewkind4\foo-12\barbaz99999999999999 )"
           R"({\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1 Courier New;}})"
           R"({\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}})"
           R"({\*\generator Writer 1.0;}{\*\unknown {nested {deeper}} text}A{\*\bkmkstart x}B\par})");
  EXPECT_EQ(Texts(doc), std::vector<std::string>{"AB"});
  // A destination word in running text does not swallow the rest of the document, nor does a star.
  EXPECT_EQ(Texts(Read(R"({\rtf1 a\fonttbl b{\b c\* d}\par})")), std::vector<std::string>{"abc d"});
}

TEST(RtfHostile, RefusesWhatIsNotAWholeRtfText) {
  std::string why;
  for (std::string_view bad : {"", "hello", "{\\rt", "{rtf1 x}", "\\rtf1 x}", "x{\\rtf1 x}"}) {
    EXPECT_TRUE(Fails(bad, &why)) << bad;
    EXPECT_NE(why.find("RTF"), std::string::npos) << why;
  }
  EXPECT_TRUE(Fails("{\\rtf1 abc"));
  EXPECT_TRUE(Fails("{\\rtf1 {\\b abc}"));
  EXPECT_TRUE(Fails("{\\rtf1 abc\\"));
  EXPECT_TRUE(Fails("{\\rtf1 abc}}", &why));
  EXPECT_NE(why.find("'}'"), std::string::npos) << why;
  EXPECT_EQ(Texts(Read("  \r\n{\\rtf1 ok}\r\n\0")), std::vector<std::string>{"ok"});
}

TEST(RtfHostile, NestingAndSizeLimits) {
  const auto nested = [](int depth) { return "{\\rtf1" + std::string(depth - 1, '{') + "x" + std::string(depth, '}'); };
  EXPECT_EQ(Texts(Read(nested(RtfMaxDepth))), std::vector<std::string>{"x"});
  std::string why;
  EXPECT_TRUE(Fails(nested(RtfMaxDepth + 1), &why));
  EXPECT_NE(why.find("256"), std::string::npos) << why;
  EXPECT_TRUE(Fails(nested(100000)));

  std::string big = "{\\rtf1 " + std::string(RtfMaxBytes, 'a');
  big.resize(RtfMaxBytes - 1);
  big += "}";
  RtfDocument doc;
  ASSERT_TRUE(ReadRtf(big, doc, why)) << why;
  EXPECT_EQ(doc.paragraphs.at(0).Text().size(), RtfMaxBytes - 8);
  big.insert(7, "a");
  EXPECT_TRUE(Fails(big, &why));
  EXPECT_NE(why.find("8 MB"), std::string::npos) << why;
}

TEST(RtfHostile, RandomBytesAndTruncatedFiles) {
  std::mt19937 random(20240521);
  const std::string alphabet = "{}\\\\\\'\"*;?-~ 0123456789abuclfipqrstdx\r\n\t\x95\xE9\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::string text = round % 2 ? "{\\rtf1 " : "";
    const int length = static_cast<int>(random() % 300);
    for (int k = 0; k < length; ++k)
      text += round % 3 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() & 0xFF);
    if (round % 4 == 1) text += std::string(300, '}');
    RtfDocument doc;
    std::string error;
    if (!ReadRtf(text, doc, error)) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    for (const RtfParagraph& p : doc.paragraphs)
      for (const RtfRun& r : p.runs) {
        EXPECT_FALSE(r.text.empty());
        EXPECT_TRUE(ValidUtf8(r.text)) << text;
      }
    EXPECT_TRUE(ValidUtf8(RtfToHtml(doc))) << text;
  }

  // Every cut of a real file before its last brace leaves a group open.
  const std::string file = Shipped("whatsnew.rtf");
  const size_t end = file.rfind('}');
  for (size_t cut = 0; cut < end; cut += 37) EXPECT_TRUE(Fails(file.substr(0, cut))) << cut;
}

TEST(RtfHostile, LongRepetitiveInputsAreRead) {
  // Each of these is quadratic for a reader that rescans or re-copies per byte; its speed is
  // measured in bench/, here only the result counts.
  const std::vector<std::string> inputs = {
      "{\\rtf1\\bullet" + std::string(4 << 20, '\t') + "x\\par}",
      "{\\rtf1 " +
          [] {
            std::string s;
            for (int i = 0; i < 400000; ++i) s += "\\b a\\b0 b";
            return s;
          }() +
          "}",
      "{\\rtf1" +
          [] {
            std::string s;
            for (int i = 0; i < 500000; ++i) s += "{\\u8364?}";
            return s;
          }() +
          "}",
      "{\\rtf1\\" + std::string(4 << 20, 'x') + "1}",
  };
  for (const std::string& input : inputs) {
    RtfDocument doc;
    std::string error;
    EXPECT_TRUE(ReadRtf(input, doc, error)) << error;
    EXPECT_FALSE(RtfToHtml(doc).empty());
  }
}

TEST(RtfHtml, MarkupAndEscaping) {
  const std::string html = RtfToHtml(
      Read(R"({\rtf1{\colortbl;\red255\green0\blue16;}\qc\sa240{\b\cf1\fs21 Title}\par\pard )"
           R"(a < b & c > "d"\line e\par{\pntext\tab}one\par{\pntext\tab}{\i\ul two}\par\pard\par last\par})"));
  EXPECT_NE(html.find("text-align:center"), std::string::npos);
  EXPECT_NE(html.find("margin-bottom:16px"), std::string::npos);
  EXPECT_NE(html.find(R"(<span style="font-size:10.5pt;color:#ff0010"><b>Title</b></span>)"), std::string::npos);
  EXPECT_NE(html.find("a &lt; b &amp; c &gt; &quot;d&quot;<br />e"), std::string::npos);
  EXPECT_EQ(html.find("a < b"), std::string::npos);
  EXPECT_NE(html.find("<i><u>two</u></i>"), std::string::npos);
  // The two list items share one list, closed before the next paragraph.
  const size_t ul = html.find("<ul");
  ASSERT_NE(ul, std::string::npos);
  EXPECT_EQ(html.find("<ul", ul + 1), std::string::npos);
  const size_t one = html.find("<li"), two = html.find("<li", one + 1), close = html.find("</ul>");
  EXPECT_TRUE(ul < one && one < two && two < close && close < html.find("last")) << html;
  EXPECT_NE(html.find("&#160;"), std::string::npos);  // the empty paragraph keeps its line
}

// The English texts and every translation of them, which must keep the English structure.
TEST(RtfShippedTexts, EveryFileIsCleanAsciiRtf) {
  // Only words this reader understands, so a typo cannot silently drop formatting.
  const std::set<std::string> known = {"rtf",     "ansi",     "ansicpg",  "deff", "fonttbl", "f",    "fswiss",
                                       "fmodern", "fcharset", "colortbl", "red",  "green",   "blue", "uc",
                                       "fs",      "pard",     "qc",       "sa",   "li",      "b",    "i",
                                       "cf",      "par",      "pntext",   "tab"};
  std::vector<std::string> names = {"velmor.rtf", "whatsnew.rtf"};
  for (const LanguageChoice::Language& l : LanguageChoice::Languages())
    if (l.code != "en")
      for (const char* file : {"velmor.rtf", "whatsnew.rtf"})
        names.push_back(LanguageChoice::LocalFile(file, l.code, [](const std::string&) { return true; }));
  std::map<std::string, size_t> englishParagraphs;
  for (const std::string& name : names) {
    const std::string text = Shipped(name);
    for (size_t i = 0; i < text.size(); ++i) {
      ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80) << name << " byte " << i;
      if (text[i] == '\n') {
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << name << " byte " << i;
      }
    }
    const std::regex word(R"(\\([a-z]+)-?[0-9]*)");
    std::string stripped = std::regex_replace(text, std::regex(R"(\\\\)"), "");
    for (auto it = std::sregex_iterator(stripped.begin(), stripped.end(), word); it != std::sregex_iterator(); ++it)
      EXPECT_TRUE(known.count((*it)[1].str())) << name << ": \\" << (*it)[1].str();

    RtfDocument doc;
    std::string error;
    ASSERT_TRUE(ReadRtf(text, doc, error)) << name << ": " << error;
    for (const RtfParagraph& p : doc.paragraphs) {
      const std::string t = p.Text();
      EXPECT_FALSE(std::regex_search(t, std::regex(R"(\\[a-z]|[{}])"))) << name << ": " << t;
      EXPECT_EQ(t.find("  "), std::string::npos) << name << ": " << t;
    }
    const std::string english = name.substr(0, name.find('.')) + ".rtf";
    if (name == english)
      englishParagraphs[english] = doc.paragraphs.size();
    else
      EXPECT_EQ(doc.paragraphs.size(), englishParagraphs[english]) << name;
    // The title comes first, larger than the text and bold.
    ASSERT_FALSE(doc.paragraphs.empty());
    EXPECT_TRUE(doc.paragraphs[0].runs.at(0).bold);
    EXPECT_GT(doc.paragraphs[0].runs.at(0).halfPoints, 24);
  }
}

TEST(RtfShippedTexts, TheManualCoversEveryMenuAndBothGames) {
  RtfDocument doc;
  std::string error;
  ASSERT_TRUE(ReadRtf(Shipped("velmor.rtf"), doc, error)) << error;
  EXPECT_GE(doc.paragraphs.size(), 40u);
  EXPECT_NE(doc.paragraphs[0].Text().find("5.21"), std::string::npos);
  std::string bold, all;
  int bullets = 0;
  for (const RtfParagraph& p : doc.paragraphs) {
    bullets += p.bullet;
    for (const RtfRun& r : p.runs) {
      all += r.text + " ";
      if (r.bold) bold += r.text + "|";
    }
  }
  EXPECT_GE(bullets, 20);
  // Each top menu has a bold heading of its own.
  for (const char* menu :
       {"File", "Play", "Layout", "View", "Configuration", "Highlight", "Tileset", "Background", "Music", "Help"})
    EXPECT_NE(bold.find(std::string("The ") + menu + " menu"), std::string::npos) << menu;
  for (const char* phrase : {"Voverizo Dadazu", "Velmor.ini", "Hallfame.ini", "Layouts/", "Tilesets/", "Backgrounds/",
                             "Musics/", ".lay", "Velmor 3.0", "40 seconds", "10 seconds", "100 minutes", "144 tiles",
                             "Malus", "New Specific Game", "Try it", "Save as..."})
    EXPECT_NE(all.find(phrase), std::string::npos) << phrase;
}

TEST(RtfShippedTexts, WhatsNewListsVersionsNewestFirst) {
  RtfDocument doc;
  std::string error;
  ASSERT_TRUE(ReadRtf(Shipped("whatsnew.rtf"), doc, error)) << error;
  std::vector<double> versions;
  for (const RtfParagraph& p : doc.paragraphs) {
    const std::string t = p.Text();
    if (t.rfind("Version ", 0) == 0) versions.push_back(std::stod(t.substr(8)));
  }
  ASSERT_GE(versions.size(), 3u);
  EXPECT_DOUBLE_EQ(versions.front(), 5.21);
  EXPECT_DOUBLE_EQ(versions.back(), 1.0);
  EXPECT_TRUE(std::is_sorted(versions.rbegin(), versions.rend()));
  EXPECT_EQ(std::set<double>(versions.begin(), versions.end()).size(), versions.size());
}
