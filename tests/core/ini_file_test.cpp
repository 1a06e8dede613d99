// The settings and Hall of Fame files: hand-edited text that has to survive every rewrite.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <functional>
#include <random>

#include <unistd.h>

#include "TestSupport.h"
#include "shell/IniFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {

IniFile FromText(std::string_view text) {
  IniFile ini;
  EXPECT_TRUE(ini.LoadText(text));
  return ini;
}

std::string FileText(const std::string& path) {
  std::string text, error;
  EXPECT_TRUE(ReadWholeFile(path, text, error)) << error;
  return text;
}

std::string ValueKey(size_t i) { return std::to_string(i).insert(0, 1, 'V'); }

double SecondsFor(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(IniFileOnDisk, MissingFileIsAnEmptyDocumentAndSaveCreatesIt) {
  ScratchFolder dir;
  const std::string path = dir.path() + "Velmor.ini";
  IniFile ini;
  std::string error;
  ASSERT_TRUE(ini.Load(path, error)) << error;
  EXPECT_EQ(ini.Text(), "");
  EXPECT_FALSE(ini.SectionExists("Options"));
  EXPECT_EQ(ini.ReadString("Options", "Tileset", "Classic"), "Classic");

  EXPECT_TRUE(ini.WriteString("Options", "Tileset", "Jade"));
  ASSERT_TRUE(ini.Save(error)) << error;
  EXPECT_EQ(FileText(path), "[Options]\r\nTileset=Jade\r\n");

  IniFile again;
  ASSERT_TRUE(again.Load(path, error)) << error;
  EXPECT_EQ(again.ReadString("options", "tileset", ""), "Jade");
}

TEST(IniFileOnDisk, FileThatCannotBeReadIsReportedAndNeverOverwritten) {
  ScratchFolder dir;
  const std::string path = dir.path() + "Velmor.ini";
  std::filesystem::create_directory(path);
  IniFile ini;
  std::string error;
  EXPECT_FALSE(ini.Load(path, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  ini.WriteString("Options", "Sound", "1");
  error.clear();
  EXPECT_FALSE(ini.Save(error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(IniFileOnDisk, FailedSaveReportsItAndLeavesTheOldFileWhole) {
  ScratchFolder dir;
  const std::string original = "; mine\r\n[Options]\r\nSound=1\r\n";
  const std::string path = dir.Write("Velmor.ini", original);
  IniFile ini;
  std::string error;
  ASSERT_TRUE(ini.Load(path, error)) << error;
  ini.WriteString("Options", "Sound", "0");
  // Root may write anywhere, so block the temporary file the save goes through with a folder.
  std::filesystem::create_directory(path + ".tmp-" + std::to_string(::getpid()));
  EXPECT_FALSE(ini.Save(error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(FileText(path), original);

  IniFile elsewhere;
  const std::string nowhere = dir.path() + "no such folder/Velmor.ini";
  ASSERT_TRUE(elsewhere.Load(nowhere, error)) << error;
  elsewhere.WriteString("Options", "Sound", "0");
  error.clear();
  EXPECT_FALSE(elsewhere.Save(error));
  EXPECT_NE(error.find(nowhere), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "no such folder"));
}

TEST(IniFileOnDisk, EveryKindOfValueComesBackFromTheFile) {
  const std::vector<std::string> values = {
      "",
      "plain",
      "inner  blanks\tand tab",
      "a=b=c",
      "; not a comment",
      "[NotASection]",
      "\"quoted\"",
      "\xC3\xA9t\xC3\xA9 \xE6\xBC\xA2",
      std::string("nul\0inside", 10),
      "\x01\x7F\xFF",
      std::string(5000, 'x'),
      "-2147483648",
  };
  ScratchFolder dir;
  const std::string path = dir.path() + "Hallfame.ini";
  IniFile ini;
  std::string error;
  ASSERT_TRUE(ini.Load(path, error));
  for (size_t i = 0; i < values.size(); ++i) ASSERT_TRUE(ini.WriteString("Values", ValueKey(i), values[i])) << i;
  ASSERT_TRUE(ini.WriteString(std::string("Odd\0\xFFName", 9), std::string("k\0y", 3), "named"));
  ASSERT_TRUE(ini.Save(error)) << error;

  IniFile back;
  ASSERT_TRUE(back.Load(path, error)) << error;
  for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(back.ReadString("Values", ValueKey(i), "?"), values[i]) << i;
  EXPECT_EQ(back.ReadString(std::string("ODD\0\xFFname", 9), std::string("K\0Y", 3), "?"), "named");
  EXPECT_EQ(back.Text(), ini.Text());
}

TEST(IniFileOnDisk, ByteOrderMarkIsSkippedAndNotWrittenBack) {
  IniFile ini = FromText("\xEF\xBB\xBF[Options]\r\nSound=0\r\n");
  EXPECT_TRUE(ini.SectionExists("Options"));
  EXPECT_FALSE(ini.ReadBool("Options", "Sound", true));
  EXPECT_EQ(ini.Text(), "[Options]\r\nSound=0\r\n");
}

TEST(IniLineEnds, CrLfLfAndLoneCrAllEndLinesAndCrLfIsWritten) {
  for (const std::string eol : {"\r\n", "\n", "\r"}) {
    IniFile ini = FromText("top" + eol + "[A]" + eol + "x=1" + eol + eol + "[B]" + eol + "y=2");
    EXPECT_EQ(ini.ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "y", 0), 2);  // last line without an end
    EXPECT_EQ(ini.Text(), "top\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  }
  // Mixed in one file; LF CR is two line ends, not one.
  IniFile mixed = FromText("[A]\nx=1\r\ny=2\rz=3\n\rw=4");
  EXPECT_EQ(mixed.Text(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n\r\nw=4\r\n");
  EXPECT_EQ(mixed.ReadInteger("A", "w", 0), 4);
}

TEST(IniRead, NamesMatchWithoutCaseAndValuesLoseSurroundingBlanks) {
  const IniFile ini = FromText(
      "[Options]\n"
      "  TileSet  =  Ivory  Dragon \t\n"
      "Empty=\n"
      "Blank=   \n"
      "Eq=a=b\n"
      "\t[  Hall Of Fame  ]  ; trailing note\n"
      "Best=42\n");
  EXPECT_EQ(ini.ReadString("OPTIONS", "tileset", "?"), "Ivory  Dragon");
  EXPECT_EQ(ini.ReadString(" options ", "\tTILESET ", "?"), "Ivory  Dragon");
  EXPECT_EQ(ini.ReadString("Options", "Empty", "?"), "");
  EXPECT_EQ(ini.ReadString("Options", "Blank", "?"), "");
  EXPECT_EQ(ini.ReadString("Options", "Eq", "?"), "a=b");
  EXPECT_EQ(ini.ReadInteger("hall of fame", "best", 0), 42);
  EXPECT_TRUE(ini.SectionExists("HALL OF FAME"));
  EXPECT_FALSE(ini.SectionExists("Hall"));
  EXPECT_EQ(ini.ReadString("Options", "Tile", "?"), "?");  // no prefix matches
  EXPECT_EQ(ini.ReadString("Option", "TileSet", "?"), "?");
}

TEST(IniRead, OnlyRealKeyLinesCount) {
  const IniFile ini = FromText(
      "Early=1\n"  // before any section: kept, not a key
      "[Options]\n"
      ";Commented=1\n"
      "   ; Indented=1\n"
      "=nameless\n"
      "no equals sign\n"
      "[broken header\n"  // not a header, so the section goes on
      "After=7\n");
  EXPECT_EQ(ini.ReadString("", "Early", "?"), "?");
  EXPECT_EQ(ini.ReadString("Options", "Early", "?"), "?");
  EXPECT_EQ(ini.ReadString("Options", ";Commented", "?"), "?");
  EXPECT_EQ(ini.ReadString("Options", "Commented", "?"), "?");
  EXPECT_EQ(ini.ReadString("Options", "Indented", "?"), "?");
  EXPECT_EQ(ini.ReadString("Options", "", "?"), "?");
  EXPECT_EQ(ini.ReadInteger("Options", "After", 0), 7);
  EXPECT_FALSE(ini.SectionExists("broken header"));
}

TEST(IniRead, NumbersAndSwitchesFallBackOnAnythingElse) {
  const IniFile ini = FromText(
      "[N]\n"
      "Plain= 17 \nPlus=+5\nNeg=-3\nMax=2147483647\nMin=-2147483648\n"
      "Over=2147483648\nUnder=-2147483649\nHuge=123456789012345678901234\n"
      "Word=seven\nTrail=12abc\nHex=0x10\nSpace=1 2\nEmpty=\n"
      "[B]\nOn=1\nOff=0\nTwo=2\nMinus=-1\nYes=yes\nTrue=true\nNone=\n");
  EXPECT_EQ(ini.ReadInteger("N", "Plain", 0), 17);
  EXPECT_EQ(ini.ReadInteger("N", "Plus", 0), 5);
  EXPECT_EQ(ini.ReadInteger("N", "Neg", 0), -3);
  EXPECT_EQ(ini.ReadInteger("N", "Max", 0), INT_MAX);
  EXPECT_EQ(ini.ReadInteger("N", "Min", 0), INT_MIN);
  for (const char* key : {"Over", "Under", "Huge", "Word", "Trail", "Hex", "Space", "Empty", "Missing"})
    EXPECT_EQ(ini.ReadInteger("N", key, -99), -99) << key;
  EXPECT_EQ(ini.ReadInteger("Nowhere", "Plain", -99), -99);

  EXPECT_TRUE(ini.ReadBool("B", "On", false));
  EXPECT_FALSE(ini.ReadBool("B", "Off", true));
  EXPECT_TRUE(ini.ReadBool("B", "Two", false));
  EXPECT_TRUE(ini.ReadBool("B", "Minus", false));
  for (const char* key : {"Yes", "True", "None", "Missing"}) {
    EXPECT_TRUE(ini.ReadBool("B", key, true)) << key;
    EXPECT_FALSE(ini.ReadBool("B", key, false)) << key;
  }
}

TEST(IniDuplicates, FirstSectionWinsAndLaterOnesFillInWhatItLacks) {
  IniFile ini = FromText(
      "[Options]\nSound=1\nSound=0\n"
      "[Other]\nSound=5\n"
      "[OPTIONS]\nSound=9\nMusic=1\n");
  EXPECT_EQ(ini.ReadInteger("Options", "Sound", -1), 1);  // first key of the first section
  EXPECT_EQ(ini.ReadInteger("Options", "Music", -1), 1);  // only in the later copy
  EXPECT_EQ(ini.ReadInteger("Options", "Speed", -1), -1);

  ini.WriteString("Options", "Sound", "7");
  ini.WriteString("Options", "Music", "0");  // goes to the first copy, which now wins
  EXPECT_EQ(ini.Text(),
            "[Options]\r\nSound=7\r\nSound=0\r\nMusic=0\r\n"
            "[Other]\r\nSound=5\r\n"
            "[OPTIONS]\r\nSound=9\r\nMusic=1\r\n");
  EXPECT_EQ(ini.ReadInteger("Options", "Music", -1), 0);
}

TEST(IniWrite, EverythingElseSurvivesInPlaceAndInOrder) {
  const std::string handMade =
      "; Velmor settings, edited by hand\r\n"
      "Stray line before sections\r\n"
      "\r\n"
      "[Options]\r\n"
      "  Sound =  1   \r\n"
      "; keep the old tiles\r\n"
      "Tileset=Classic\r\n"
      "Unknown key=whatever it was\r\n"
      "just some text\r\n"
      "\r\n"
      "[Window]\r\n"
      "Left=10\r\n";
  IniFile ini = FromText(handMade);
  EXPECT_TRUE(ini.WriteString("OPTIONS", "SOUND", "0"));
  EXPECT_TRUE(ini.WriteString("options", "tileset", "Jade"));
  EXPECT_TRUE(ini.WriteInteger("window", "LEFT", -250));
  EXPECT_EQ(ini.Text(),
            "; Velmor settings, edited by hand\r\n"
            "Stray line before sections\r\n"
            "\r\n"
            "[Options]\r\n"
            "  Sound =  0\r\n"
            "; keep the old tiles\r\n"
            "Tileset=Jade\r\n"
            "Unknown key=whatever it was\r\n"
            "just some text\r\n"
            "\r\n"
            "[Window]\r\n"
            "Left=-250\r\n");
  // Blanks around a new value are dropped on reading, straight away as after a reload.
  EXPECT_TRUE(ini.WriteString("Options", "Sound", "\t 1 "));
  EXPECT_EQ(ini.ReadString("Options", "Sound", "?"), "1");
  // Writing what is already there changes nothing.
  IniFile same = FromText(handMade);
  same.WriteString("Options", "Tileset", "Classic");
  EXPECT_EQ(same.Text(), handMade);
}

TEST(IniWrite, NewKeysEndTheirSectionAndNewSectionsEndTheFile) {
  IniFile ini = FromText("[A]\r\nx=1\r\n; note\r\n\r\n  \t\r\n[B]\r\ny=2\r\n[C]\r\n");
  EXPECT_TRUE(ini.WriteString("a", "Added", "new"));
  EXPECT_TRUE(ini.WriteBool("B", "Flag", true));
  EXPECT_TRUE(ini.WriteBool("C", "Flag", false));
  EXPECT_TRUE(ini.WriteString("D", "First", "1"));
  EXPECT_TRUE(ini.WriteString("D", "Second", "2"));
  EXPECT_EQ(ini.Text(),
            "[A]\r\nx=1\r\n; note\r\nAdded=new\r\n\r\n  \t\r\n"
            "[B]\r\ny=2\r\nFlag=1\r\n"
            "[C]\r\nFlag=0\r\n"
            "\r\n[D]\r\nFirst=1\r\nSecond=2\r\n");
  EXPECT_EQ(ini.ReadString("A", "added", "?"), "new");
  EXPECT_TRUE(ini.ReadBool("B", "Flag", false));
  EXPECT_FALSE(ini.ReadBool("C", "Flag", true));

  // A file that ends in a blank line, or no file at all, gets no extra blank line.
  IniFile blankEnd = FromText("[A]\nx=1\n\n");
  blankEnd.WriteString("B", "y", "2");
  EXPECT_EQ(blankEnd.Text(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  IniFile onlyBlank = FromText("\n");
  onlyBlank.WriteString("B", "y", "2");
  EXPECT_EQ(onlyBlank.Text(), "\r\n[B]\r\ny=2\r\n");
}

TEST(IniWrite, ValuesCannotBreakTheFile) {
  IniFile ini;
  EXPECT_TRUE(ini.WriteString("Hall", "Name", "Eve\r\n[Options]\nCheat=1\rX"));
  EXPECT_TRUE(ini.WriteString("Hall", "Time", "  12  "));
  EXPECT_EQ(ini.Text(), "[Hall]\r\nName=Eve  [Options] Cheat=1 X\r\nTime=  12  \r\n");
  const IniFile back = FromText(ini.Text());
  EXPECT_EQ(back.ReadString("Hall", "Name", "?"), "Eve  [Options] Cheat=1 X");
  EXPECT_EQ(back.ReadInteger("Hall", "Time", 0), 12);
  EXPECT_FALSE(back.SectionExists("Options"));
}

TEST(IniWrite, NamesThatCouldNotBeReadBackAreRefused) {
  IniFile ini = FromText("[Options]\r\nSound=1\r\n");
  const std::string before = ini.Text();
  EXPECT_FALSE(ini.WriteString("Options", "a=b", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "[x]", "v"));
  EXPECT_FALSE(ini.WriteString("Options", " [x", "v"));
  EXPECT_FALSE(ini.WriteString("Options", ";x", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "", "v"));
  EXPECT_FALSE(ini.WriteString("Options", " \t", "v"));
  EXPECT_FALSE(ini.WriteString("Options", "a\nb", "v"));
  EXPECT_FALSE(ini.WriteInteger("Op]tions", "k", 1));
  EXPECT_FALSE(ini.WriteBool("Op\rtions", "k", true));
  EXPECT_FALSE(ini.WriteString("", "k", "v"));
  EXPECT_EQ(ini.Text(), before);
  // Blanks around names are not part of them.
  EXPECT_TRUE(ini.WriteString("  Options ", " Sound\t", "0"));
  EXPECT_TRUE(ini.WriteString(" New ", " Key ", "v"));
  EXPECT_EQ(ini.Text(), "[Options]\r\nSound=0\r\n\r\n[New]\r\nKey=v\r\n");
}

TEST(IniErase, EveryCopyGoesWithAllItsLinesAndNothingElse) {
  IniFile ini = FromText(
      "; top\n"
      "[Hall]\nA=1\n; hall note\n\n"
      "[Options]\nSound=1\n\n"
      "[hall]\nB=2\n"
      "[Window]\nLeft=3\n"
      "[HALL]\n");
  ini.EraseSection(" Hall ");
  EXPECT_FALSE(ini.SectionExists("Hall"));
  EXPECT_EQ(ini.ReadString("Hall", "B", "?"), "?");
  EXPECT_EQ(ini.Text(), "; top\r\n[Options]\r\nSound=1\r\n\r\n[Window]\r\nLeft=3\r\n");
  EXPECT_EQ(ini.ReadInteger("Window", "Left", 0), 3);

  // The document is still consistent: writes land where they should.
  EXPECT_TRUE(ini.WriteString("Options", "Music", "0"));
  EXPECT_TRUE(ini.WriteString("Window", "Left", "4"));
  EXPECT_TRUE(ini.WriteString("Hall", "A", "9"));
  EXPECT_EQ(ini.Text(),
            "; top\r\n[Options]\r\nSound=1\r\nMusic=0\r\n\r\n[Window]\r\nLeft=4\r\n"
            "\r\n[Hall]\r\nA=9\r\n");

  const std::string unchanged = ini.Text();
  ini.EraseSection("Nothing");
  ini.EraseSection("");
  EXPECT_EQ(ini.Text(), unchanged);
}

TEST(IniHostile, MegabyteLinesAreQuick) {
  const std::string big(1 << 20, 'v');
  IniFile ini;
  std::string value;
  const double seconds = SecondsFor([&] {
    ini.LoadText("[A]\n" + std::string(1 << 20, ' ') + "Key=" + big + "\n[" + big + "\n" + big + "\nNext=1\n");
    value = ini.ReadString("A", "Key", "");
    ini.WriteString("A", "Key", "short");
    ini.WriteString("A", "New", big);
  });
  EXPECT_EQ(value, big);
  EXPECT_EQ(ini.ReadString("A", "Key", ""), "short");
  EXPECT_EQ(ini.ReadString("A", "New", ""), big);
  EXPECT_EQ(ini.ReadInteger("A", "Next", 0), 1);  // the long "[" line did not end the section
  EXPECT_LT(seconds, 0.5);
}

TEST(IniHostile, BinaryGarbageGivesAStableDocument) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 20; ++round) {
    std::string garbage(20000, '\0');
    // Lean on the characters the reader cares about so every path is taken.
    const std::string special("[]=;\r\n \t\0\xEF\xBB\xBF", 12);
    for (char& c : garbage) c = random() % 4 == 0 ? special[random() % 12] : static_cast<char>(random() % 256);
    IniFile ini = FromText(garbage);
    const std::string text = ini.Text();
    // Reading what was written gives the same document, and new keys can be found again.
    EXPECT_EQ(FromText(text).Text(), text) << round;
    ASSERT_TRUE(ini.WriteString("Velmor", "Probe", "ok"));
    ASSERT_TRUE(ini.WriteString("Velmor", "Probe", " \t still ok "));
    EXPECT_EQ(ini.ReadString("Velmor", "Probe", "?"), "still ok") << round;
    const IniFile back = FromText(ini.Text());
    EXPECT_EQ(back.ReadString("Velmor", "Probe", "?"), "still ok") << round;
    EXPECT_EQ(back.Text(), ini.Text()) << round;
  }
}

TEST(IniHostile, HugeFilesStayLinear) {
  ScratchFolder dir;
  std::string content;
  content.reserve(21 << 20);
  while (content.size() < (20 << 20)) content += "[Dup]\nk=v\n[\n=\n;;\n\n";
  const std::string path = dir.Write("Velmor.ini", content + "[Options]\nSound=1\n");
  IniFile ini;
  std::string error;
  const double seconds = SecondsFor([&] {
    ASSERT_TRUE(ini.Load(path, error)) << error;
    EXPECT_EQ(ini.ReadInteger("Options", "Sound", 0), 1);
    EXPECT_TRUE(ini.WriteString("Options", "Sound", "0"));
    ini.EraseSection("Dup");
  });
  EXPECT_EQ(ini.ReadInteger("Options", "Sound", 1), 0);
  EXPECT_FALSE(ini.SectionExists("Dup"));
  EXPECT_LT(seconds, 10.0);
}
