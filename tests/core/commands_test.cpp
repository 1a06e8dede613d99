// The command table: every entry of the menus and every toolbar button does something, once.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "shell/Commands.h"

using namespace velmor;

TEST(Commands, EveryEntryAndButtonHasExactlyOneRow) {
  GameMenus menus;
  std::set<const MenuItem*> rowed;
  for (const Command& command : Commands()) {
    const MenuItem& item = menus.*command.item;
    // A second row would silently replace the first one's handler.
    EXPECT_TRUE(rowed.insert(&item).second) << item.Name();
    EXPECT_NE(command.run, nullptr) << item.Name();
    if (command.picture) EXPECT_GE(menus.Tools.IndexOf(menus.*command.picture), 0) << item.Name();
  }
  // Menus whose entries are made later, each wired as it is made: the languages and the volume steps.
  const std::set<const MenuItem*> filledLater = {&menus.Language1, &menus.MusicVolume, &menus.EffectsVolume};
  std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
    for (const MenuItem* item : menu.Items()) {
      if (item->IsSeparator() || filledLater.count(item)) continue;
      if (item->Items().empty())
        EXPECT_TRUE(rowed.count(item)) << item->Name() << " does nothing";
      else
        walk(*item);
    }
  };
  for (const MenuItem* root : {&menus.VO, &menus.Tools, &menus.NewPopup, &menus.EditorMenu}) walk(*root);
}
