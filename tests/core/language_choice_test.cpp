#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "shell/LanguageChoice.h"

namespace velmor {
namespace {

TEST(LanguageChoice, TheSystemLocaleOrTheChoiceNamesTheLanguageSpoken) {
  const struct {
    const char *choice, *locale, *spoken;
  } cases[] = {
      {"System", "de_DE.UTF-8", "de"},
      {"System", "fr_CA.UTF-8@euro", "fr"},
      {"System", "pt_BR", "pt_BR"},
      {"System", "pt_PT.UTF-8", "pt_BR"},
      {"System", "nl", "nl"},
      {"System", "C", "en"},
      {"System", "", "en"},
      {"System", "ja_JP.UTF-8", "en"},
      {"it", "de_DE.UTF-8", "it"},
      {"en", "fr_FR.UTF-8", "en"},
      {"Klingon", "es_ES.UTF-8", "es"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LanguageChoice::Resolve(c.choice, c.locale), c.spoken) << c.choice << " / " << c.locale;
}

TEST(LanguageChoice, AHelpFileInTheLanguageIsReadWhenThereIsOne) {
  auto exists = [](const std::string& f) { return f == "velmor.de.rtf" || f == "velmor.pt_BR.rtf"; };
  EXPECT_EQ(LanguageChoice::LocalFile("velmor.rtf", "de", exists), "velmor.de.rtf");
  EXPECT_EQ(LanguageChoice::LocalFile("velmor.rtf", "pt_BR", exists), "velmor.pt_BR.rtf");
  EXPECT_EQ(LanguageChoice::LocalFile("velmor.rtf", "fr", exists), "velmor.rtf");
  EXPECT_EQ(LanguageChoice::LocalFile("whatsnew.rtf", "de", exists), "whatsnew.rtf");
  EXPECT_EQ(LanguageChoice::LocalFile("velmor.rtf", "en", exists), "velmor.rtf");
}

// The menu checks the choice; a chosen language without its catalogue says why and English is
// spoken, while a system language without one stays English quietly.
TEST(LanguageChoice, TheMenuChoosesAndAMissingCatalogueFallsBackToEnglish) {
  FakePlatform platform;
  platform.systemLanguage = "fr_FR.UTF-8";
  const std::string folder = "/data/";
  MenuItem menu("Language1", "Language");
  LanguageChoice languages(platform, folder, menu, 7);
  int changes = 0;
  languages.onChange = [&] { ++changes; };

  languages.Apply();
  EXPECT_EQ(languages.Spoken(), "fr");
  ASSERT_EQ(menu.Items().size(), 2 + LanguageChoice::Languages().size());
  EXPECT_TRUE(menu.Items()[0]->Checked());

  MenuItem* german = nullptr;
  for (MenuItem* item : menu.Items())
    if (!item->IsSeparator() && item->Caption() == "Deutsch") german = item;
  ASSERT_NE(german, nullptr);
  german->Click();
  EXPECT_EQ(languages.choice, "de");
  EXPECT_EQ(languages.Spoken(), "de");
  EXPECT_TRUE(german->Checked());
  EXPECT_FALSE(menu.Items()[0]->Checked());
  EXPECT_EQ(changes, 1);

  platform.missingCatalogues = {"de", "fr"};
  languages.Apply();
  EXPECT_EQ(languages.Spoken(), "en");
  EXPECT_EQ(platform.languages.back(), "en");
  EXPECT_EQ(platform.errors.size(), 1u);
  menu.Items()[0]->Click();
  EXPECT_EQ(languages.choice, "System");
  EXPECT_EQ(languages.Spoken(), "en");
  EXPECT_EQ(platform.errors.size(), 1u);
}

}  // namespace
}  // namespace velmor
