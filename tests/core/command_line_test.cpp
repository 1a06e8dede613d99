// The words `velmor` is started with: what they ask for, what is refused, what is left to the toolkit.
#include <gtest/gtest.h>

#include "shell/CommandLine.h"

using namespace velmor;

namespace {

LayoutLibrary TwoLayouts() {
  LayoutLibrary layouts;
  layouts.Add({"Cat", "Cat.lay", "/data/Layouts/", false});
  layouts.Add({"Spiral", "Spiral.shp", "/data/Layouts/", true});
  return layouts;
}

CommandLine Read(const std::vector<std::string>& args) { return ReadCommandLine(args, TwoLayouts); }

}  // namespace

TEST(CommandLine, GoodOptionsInEitherSpellingAmongTheToolkitsOwn) {
  using Rivers = StartRequest::Rivers;
  struct Case {
    std::vector<std::string> args;
    int32_t game;
    std::string layout;
    Rivers rivers;
  };
  const Case cases[] = {
      {{}, 0, "", Rivers::No},
      {{"--game", "12"}, 12, "", Rivers::No},
      {{"--game=2147483647"}, 2147483647, "", Rivers::No},
      {{"--layout", "cAT", "--game=1"}, 1, "cAT", Rivers::No},
      {{"--layout=spiral.SHP"}, 0, "spiral.SHP", Rivers::No},
      {{"--rivers", "Hard"}, 0, "", Rivers::Hard},
      {{"--rivers=easy"}, 0, "", Rivers::Easy},
      // The toolkit's options, with their values, whichever way they are written.
      {{"-platform", "offscreen", "--game", "5", "--style=fusion", "-reverse", "--geometry", "800x600+0+0",
        "-qwindowgeometry", "1x1", "-display", ":0", "-stylesheet", "a.qss", "--widgetcount", "-name", "x"},
       5,
       "",
       Rivers::No},
  };
  for (const Case& c : cases) {
    const CommandLine line = Read(c.args);
    const std::string where = ::testing::PrintToString(c.args);
    ASSERT_EQ(line.outcome, CommandLine::Outcome::Play) << where << line.text;
    EXPECT_FALSE(line.Ends()) << where;
    EXPECT_EQ(line.start.game, c.game) << where;
    EXPECT_EQ(line.start.layout, c.layout) << where;
    EXPECT_EQ(line.start.rivers, c.rivers) << where;
  }
  EXPECT_EQ(Read({"--layout", "SPIRAL"}).start.LayoutNumber(TwoLayouts()), 2);
  EXPECT_EQ(Read({"--layout", "SPIRAL.shp"}).start.LayoutNumber(TwoLayouts()), 2);  // as it was once listed
  EXPECT_EQ(Read({"--layout", "Cat.lay"}).start.LayoutNumber(TwoLayouts()), 0);
  EXPECT_EQ(StartRequest{}.LayoutNumber(TwoLayouts()), 0);
}

TEST(CommandLine, HelpAndVersionAnswerOnTheirOwnWhateverFollows) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"-h", "--bogus"}, {"--game", "3", "--help"}}) {
    const CommandLine line = Read(args);
    EXPECT_EQ(line.outcome, CommandLine::Outcome::Help);
    EXPECT_EQ(line.ExitStatus(), 0);
    for (const char* option : {"--game N", "--layout NAME", "--rivers easy|hard", "--help", "--version"})
      EXPECT_NE(line.text.find(option), std::string::npos) << option;
  }
  const CommandLine version = Read({"-platform", "xcb", "--version"});
  EXPECT_EQ(version.outcome, CommandLine::Outcome::Version);
  EXPECT_EQ(version.ExitStatus(), 0);
  EXPECT_EQ(version.text, "Velmor 5.21\n");
}

// Each kind of mistake: one line naming the option, a pointer to --help, status 2.
TEST(CommandLine, MistakesAreNamedOnOneLineWithAHintAndStatusTwo) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bogus"}, "'--bogus'"},
      {{"--bogus=3"}, "'--bogus'"},
      {{"-game", "3"}, "'-game'"},
      {{"stray"}, "'stray'"},
      {{"--game"}, "'--game'"},
      {{"--layout="}, "'--layout'"},
      {{"--game", "0"}, "'--game'"},
      {{"--game", "2147483648"}, "'--game'"},
      {{"--game", "12x"}, "'--game'"},
      {{"--game=-4"}, "'--game'"},
      {{"--rivers", "medium"}, "'--rivers'"},
      {{"--game", "1", "--game", "2"}, "'--game'"},
      {{"--rivers", "easy", "--game", "2"}, "'--game'"},
      {{"--layout", "Cat", "--rivers", "hard"}, "'--layout'"},
      {{"--version=2"}, "'--version'"},
  };
  for (const auto& [args, named] : cases) {
    const CommandLine line = Read(args);
    const std::string where = ::testing::PrintToString(args);
    ASSERT_EQ(line.outcome, CommandLine::Outcome::Wrong) << where;
    EXPECT_EQ(line.ExitStatus(), 2) << where;
    const std::string first = line.text.substr(0, line.text.find('\n'));
    EXPECT_EQ(first.find("velmor: "), 0u) << where;
    EXPECT_NE(first.find(named), std::string::npos) << where << ": " << first;
    EXPECT_NE(first.find("velmor --help"), std::string::npos) << where;
    EXPECT_EQ(line.text.find('\n'), line.text.size() - 1) << where;
  }
}

TEST(CommandLine, AnUnknownLayoutListsTheLayoutsAndOnlyThenAreTheyRead) {
  int listed = 0;
  auto count = [&listed] {
    ++listed;
    return TwoLayouts();
  };
  ReadCommandLine({"--game", "4", "-style", "fusion"}, count);
  EXPECT_EQ(listed, 0);
  const CommandLine line = ReadCommandLine({"--layout", "Dog"}, count);
  EXPECT_EQ(listed, 1);
  ASSERT_EQ(line.outcome, CommandLine::Outcome::Wrong);
  EXPECT_EQ(line.ExitStatus(), 2);
  EXPECT_NE(line.text.find("'Dog'"), std::string::npos);
  EXPECT_NE(line.text.find("velmor --help"), std::string::npos);
  EXPECT_NE(line.text.find("Cat, Spiral."), std::string::npos) << line.text;
}
