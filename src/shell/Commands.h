// Every item of the menus, the toolbar, the status line and the editor's panel, one row each, in
// the order they show: what it says and its keys, where it sits, what it does, when it can, and
// the toolbar picture its menu entry shows. GameMenus makes its items from these rows, the game
// wires and greys them out by them, and the window builds its widgets from those items. A new
// command is one row in Commands.cpp; it needs a member of GameMenus only if other code reaches
// for it by name.
#pragma once

#include <span>

#include "modes/PlayCommands.h"
#include "shell/GameMenus.h"

namespace velmor {

class TVelmor;

struct Command {
  using Item = MenuItem GameMenus::*;
  using Run = void (*)(TVelmor& game, MenuItem& item);

  // The member of GameMenus the row declares; null: an item the menus keep for this row alone,
  // named `name`.
  Item item = nullptr;
  const char* name = "";
  const char* caption = "";
  const char* keys = "";  // '|' between keys that do the same
  // The menu, bar or panel it sits in, a named one; null: it is one of those itself.
  Item in = nullptr;
  bool afterSeparator = false;
  bool checkable = false;
  int radioGroup = 0;  // one choice among the items of the group; 0: none
  bool hidden = false;
  // A separator ends what the rows put in this menu: entries listed at run time follow it.
  bool listBelow = false;
  const char* hint = "";
  Run run = nullptr;  // null: a menu, a bar or a caption, which does nothing itself
  // The play command whose availability greys the item out; null: always available.
  bool PlayCommands::*enabled = nullptr;
  // The toolbar button whose picture the menu entry shows; null: none.
  Item picture = nullptr;

  constexpr Command In(Item menu) const {
    Command row = *this;
    row.in = menu;
    return row;
  }
  constexpr Command AfterSeparator() const {
    Command row = *this;
    row.afterSeparator = true;
    return row;
  }
  constexpr Command Checkable() const {
    Command row = *this;
    row.checkable = true;
    return row;
  }
  constexpr Command Radio(int group) const {
    Command row = *this;
    row.radioGroup = group;
    return row;
  }
  constexpr Command Hidden() const {
    Command row = *this;
    row.hidden = true;
    return row;
  }
  constexpr Command ListBelow() const {
    Command row = *this;
    row.listBelow = true;
    return row;
  }
  constexpr Command Hint(const char* text) const {
    Command row = *this;
    row.hint = text;
    return row;
  }
  constexpr Command Does(Run handler) const {
    Command row = *this;
    row.run = handler;
    return row;
  }
  constexpr Command When(bool PlayCommands::*rule) const {
    Command row = *this;
    row.enabled = rule;
    return row;
  }
  constexpr Command Shows(Item button) const {
    Command row = *this;
    row.picture = button;
    return row;
  }
};

// A row for a member of GameMenus, or for an item of its own named `name`.
constexpr Command Row(Command::Item item, const char* caption, const char* keys = "") {
  Command row;
  row.item = item;
  row.caption = caption;
  row.keys = keys;
  return row;
}
constexpr Command Row(const char* name, const char* caption, const char* keys = "") {
  Command row;
  row.name = name;
  row.caption = caption;
  row.keys = keys;
  return row;
}

std::span<const Command> Commands();

}  // namespace velmor
