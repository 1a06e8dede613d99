// The command table: every item of the menus and the toolbar shows once, every entry and button
// does something, and no key does two things.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "shell/Commands.h"

using namespace velmor;

TEST(Commands, EveryItemShowsOnceAndEveryEntryAndButtonDoesSomething) {
  GameMenus menus;
  std::map<const MenuItem*, int> shown;
  std::function<void(const MenuItem&)> count = [&](const MenuItem& item) {
    ++shown[&item];
    for (const MenuItem* child : item.Items()) count(*child);
  };
  for (const Command& row : Commands())
    if (!row.in) count(menus.Of(row));
  std::set<const MenuItem*> wired;
  for (const Command& row : Commands()) {
    const MenuItem& item = menus.Of(row);
    // A second row for one item would show it twice, and its handler would silently replace the first.
    EXPECT_EQ(shown[&item], 1) << item.Name();
    if (row.run) wired.insert(&item);
    if (row.picture) {
      EXPECT_GE(menus.Tools.IndexOf(menus.*row.picture), 0) << item.Name();
    }
  }
  // Menus whose entries are made later, each wired as it is made: the languages and the volume steps.
  const std::set<const MenuItem*> filledLater = {&menus.Language1, &menus.MusicVolume, &menus.EffectsVolume};
  std::function<void(const MenuItem&)> walk = [&](const MenuItem& menu) {
    for (const MenuItem* item : menu.Items()) {
      if (item->IsSeparator() || filledLater.count(item)) continue;
      if (item->Items().empty())
        EXPECT_TRUE(wired.count(item)) << item->Name() << " does nothing";
      else
        walk(*item);
    }
  };
  for (const MenuItem* root : {&menus.VO, &menus.Tools, &menus.NewPopup, &menus.EditorMenu}) walk(*root);
}

// A key given to two actions of one window runs neither. The window carries Show Toolbar's key
// itself, so that it works beside the editor's menu bar too.
TEST(Commands, NoKeyDoesTwoThingsInOneMenuBar) {
  GameMenus menus;
  for (const MenuItem* bar : {&menus.VO, &menus.EditorMenu}) {
    std::map<std::string, std::string> given;  // key -> the item it runs
    std::function<void(const MenuItem&)> walk = [&](const MenuItem& item) {
      std::istringstream keys(item.ShortCut());
      for (std::string key; std::getline(keys, key, '|');) {
        const auto [at, added] = given.emplace(key, item.Name());
        EXPECT_TRUE(added) << key << " runs both " << at->second << " and " << item.Name();
      }
      for (const MenuItem* child : item.Items()) walk(*child);
    };
    if (bar == &menus.EditorMenu) walk(menus.Toolbar1);
    walk(*bar);
  }
}
