// Music and sound effects with a music player the test drives by hand.
#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"

using namespace velmor;
using namespace velmor::test;

namespace {
class Music : public ::testing::Test {
 protected:
  ScratchFolder dir;
  FakePlatform platform;
  TVelmor game{platform, dir.path()};

  void SetUp() override {
    for (const char* tune : {"Bamboo", "Night", "Rain"}) dir.Write(std::string("Musics/") + tune + ".mid", "MThd");
    ASSERT_TRUE(game.Tunes.BuildTuneList(dir.path() + "Musics/"));
    game.Tunes.Entry(game.Tunes.Number)->Click();
    platform.media.log.clear();
  }
  FakeMediaPlayer& media() { return platform.media; }
};
}  // namespace

TEST_F(Music, TheCurrentTuneLoopsWhenItEnds) {
  EXPECT_EQ(media().opened, dir.path() + "Musics/Night.mid");
  EXPECT_TRUE(media().playing);
  media().position = 999;
  game.Tunes.MusicSupervision();
  EXPECT_TRUE(media().log.empty());  // not at the end yet
  media().position = 1000;
  game.Temps();  // the heartbeat notices the end
  EXPECT_EQ(media().log, (std::vector<std::string>{"rewind", "play"}));
  EXPECT_EQ(media().position, 0);
}

TEST_F(Music, RandomMusicPicksAnotherTuneAtTheEndAndAtOnce) {
  game.Menus.RandomMusic.Click();  // switching it on changes the tune at once
  ASSERT_FALSE(media().log.empty());
  EXPECT_EQ(media().log[0], "close");
  EXPECT_EQ(media().log[1].substr(0, 5), "open ");
  const int first = game.Tunes.Number;
  EXPECT_TRUE(game.Tunes.Entry(first)->Checked());
  std::set<int> heard{first};
  for (int i = 0; i < 30; ++i) {
    media().position = media().length;
    game.Tunes.MusicSupervision();
    heard.insert(game.Tunes.Number);
  }
  EXPECT_EQ(heard.size(), 3u);  // every tune comes up sooner or later
}

TEST_F(Music, PlayMusicStopsAndStartsTheCurrentTuneFromItsBeginning) {
  media().position = 500;
  game.Menus.PlayMusic.Click();
  EXPECT_FALSE(game.Menus.PlayMusic.Checked());
  EXPECT_FALSE(media().playing);
  EXPECT_FALSE(game.Menus.SetMusic.Enabled());
  game.Menus.PlayMusic.Click();
  EXPECT_TRUE(media().playing);
  EXPECT_EQ(media().position, 0);
  EXPECT_TRUE(game.Menus.SetMusic.Enabled());
  game.Menus.SetMusic.Click();
  EXPECT_FALSE(media().playing);
  game.Menus.SetMusic.Click();
  EXPECT_TRUE(media().playing);
}

TEST_F(Music, ATuneThatCannotPlayIsReportedOnce) {
  media().failOpen = true;
  game.Tunes.Entry(1)->Click();
  EXPECT_EQ(game.Current.Status.Message, "No music: no tune device.");
  game.ShowStatus("x");
  game.Tunes.Entry(2)->Click();
  EXPECT_EQ(game.Current.Status.Message, "x");
  EXPECT_EQ(game.Tunes.Number, 2);  // the choice moves all the same
  media().position = 5000;
  game.Tunes.MusicSupervision();  // nothing open: nothing to restart
  EXPECT_EQ(media().log.back().substr(0, 4), "open");
}

// A player that starts tunes in the background may refuse one after Open said yes.
TEST_F(Music, ATuneRefusedAfterOpeningIsReportedAtTheNextHeartbeat) {
  media().opened.clear();
  media().failOpen = true;
  game.Tunes.MusicSupervision();
  EXPECT_EQ(game.Current.Status.Message, "No music: no tune device.");
  const size_t calls = media().log.size();
  game.Tunes.MusicSupervision();
  EXPECT_EQ(media().log.size(), calls) << "asked once, not at every heartbeat";
}

TEST_F(Music, AMachineWithoutSoundStaysQuietAboutIt) {
  media().failOpen = true;
  media().noDevice = true;
  game.ShowStatus("before");
  game.Tunes.Entry(1)->Click();
  EXPECT_EQ(game.Current.Status.Message, "before");
  EXPECT_TRUE(platform.errors.empty());
}

TEST_F(Music, WithoutNightTheFirstTuneIsCurrent) {
  ScratchFolder other;
  other.Write("Musics/b.mid", "x");
  other.Write("Musics/A.mid", "x");
  TVelmor second(platform, other.path());
  ASSERT_TRUE(second.Tunes.BuildTuneList(other.path() + "Musics/"));
  EXPECT_EQ(second.Tunes.Number, 1);
  EXPECT_EQ(second.Tunes.Entry(1)->Caption(), "A");
}

TEST_F(Music, NoEffectIsPlayedWhileSoundsAreOff) {
  SetMode(game, ModeSolitaire);
  game.Current.Board.PutTile(1, {4, 4, 1});
  game.Current.Board.TilesLeft = 1;
  game.Menus.PlaySounds.Click();
  ASSERT_FALSE(game.Menus.PlaySounds.Checked());
  game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + TileLeft(4, 1) + 26,
                  game.Pictures.BoardOriginY + TileTop(4, 1) + 25);
  EXPECT_EQ(game.Current.FirstTile, 1);
  EXPECT_TRUE(platform.sounds.empty());
  game.Menus.PlaySounds.Click();
  game.ButtonDown(TVelmor::Button::Primary, game.Pictures.BoardOriginX + TileLeft(4, 1) + 26,
                  game.Pictures.BoardOriginY + TileTop(4, 1) + 25);
  EXPECT_EQ(platform.sounds, std::vector<std::string>{"select.wav"});
}
