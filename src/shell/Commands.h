// Every command the player can give, one row each: the menu entry or toolbar button, what it
// does, when it can do something, and the toolbar picture its menu entry shows. The game wires
// its items from these rows, greys them out by them after every change, and the window gives
// menu entries their pictures from them; a new command is one row here.
#pragma once

#include <span>

#include "modes/PlayCommands.h"
#include "shell/GameMenus.h"

namespace velmor {

class TVelmor;

struct Command {
  MenuItem GameMenus::*item;
  void (*run)(TVelmor& game, MenuItem& item);
  // The play command whose availability greys the item out; null: always available.
  bool PlayCommands::*enabled = nullptr;
  // The toolbar button whose picture the menu entry shows; null: none.
  MenuItem GameMenus::*picture = nullptr;
};

std::span<const Command> Commands();

}  // namespace velmor
