// The settings table: defaults, reading and writing of each type, and the table of "Velmor.ini".
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <set>

#include "TestSupport.h"
#include "shell/IniFile.h"
#include "shell/Settings.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// One target of every kind, bound to a table with a default for each.
struct Targets {
  MenuItem flag{"Flag", "Flag"};
  int number = 0;
  std::string text;
  int derived = 0;
  int sizeSeen = 0;  // what a written-only key reports
  SettingsTable table{"Game"};

  Targets() {
    table.Flag("Flag", flag, true)
        .Number("Number", number, -1)
        .Text("Text", text, "Player1")
        .Number(
            "Derived", [this] { return derived * 2; }, [this](int v) { derived = v / 2; }, 8)
        .Number(
            "Size", [this] { return sizeSeen; }, nullptr, 5);
  }
  void Scramble() {
    flag.SetChecked(false);
    number = 77;
    text = "scrambled";
    derived = 99;
  }
  void ExpectDefaults() const {
    EXPECT_TRUE(flag.Checked());
    EXPECT_EQ(number, -1);
    EXPECT_EQ(text, "Player1");
    EXPECT_EQ(derived, 4);
  }
};

}  // namespace

TEST(SettingsTable, DefaultsComeFromTheTableAndFromAMissingOrUnreadableValue) {
  Targets t;
  t.Scramble();
  t.table.ApplyDefaults();
  t.ExpectDefaults();

  t.Scramble();
  IniFile empty;
  t.table.Read(empty);
  t.ExpectDefaults();

  // Each key is read as its own type: text is taken as it is, numbers and switches need numbers.
  t.Scramble();
  IniFile odd;
  ASSERT_TRUE(odd.LoadText("[game]\nFLAG=yes\nNumber=12abc\nText=12abc\nDerived=\nSize=3\n"));
  t.table.Read(odd);
  EXPECT_TRUE(t.flag.Checked());
  EXPECT_EQ(t.number, -1);
  EXPECT_EQ(t.text, "12abc");
  EXPECT_EQ(t.derived, 4);
}

TEST(SettingsTable, EveryTypeRoundTripsThroughTheFileInTableOrder) {
  const std::string texts[] = {"", "Ann Lee", "a=b ; [c]", "/home/ann/My Tiles/pai.bmp"};
  const int numbers[] = {0, -1, 1, 640, INT_MIN, INT_MAX};
  for (int k = 0; k < 12; ++k) {
    Targets from, to;
    from.flag.SetChecked(k % 2 == 1);
    from.number = numbers[k % 6];
    from.text = texts[k % 4];
    from.derived = numbers[(k + 3) % 6] / 2;
    from.sizeSeen = k;
    IniFile written;
    from.table.Write(written);
    IniFile reread;
    ASSERT_TRUE(reread.LoadText(written.Text()));
    to.Scramble();
    to.table.Read(reread);
    EXPECT_EQ(to.flag.Checked(), from.flag.Checked()) << k;
    EXPECT_EQ(to.number, from.number) << k;
    EXPECT_EQ(to.text, from.text) << k;
    EXPECT_EQ(to.derived, from.derived) << k;
    EXPECT_EQ(reread.ReadInteger("Game", "Size", -1), k);
    EXPECT_EQ(written.Text(), "[Game]\r\nFlag=" + std::string(k % 2 ? "1" : "0") +
                                  "\r\nNumber=" + std::to_string(from.number) + "\r\nText=" + from.text +
                                  "\r\nDerived=" + std::to_string(from.derived * 2) + "\r\nSize=" + std::to_string(k) +
                                  "\r\n");
  }
}

TEST(VelmorSettings, KeysAreUniqueAndEveryKeyReadIsWritten) {
  ScratchFolder dir;
  FakePlatform platform;
  TVelmor game(platform, dir.path());
  const SettingsTable table = VelmorSettings(game);
  IniFile written;
  table.Write(written);

  std::set<std::string> keys;
  for (const SettingsTable::Entry& e : table.Entries()) {
    std::string lower = e.key;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_TRUE(keys.insert(lower).second) << e.key;  // the file matches keys without case
    if (e.IsRead()) EXPECT_NE(written.Text().find("\r\n" + e.key + "="), std::string::npos) << e.key;
  }
}
