// The pointer's neighbours, and the buttons.
#include "shell/TVelmor.h"

namespace velmor {

PointerHover::Hooks TVelmor::HoverHooks() {
  return {[this] { Keys.PointerMoved(); }, [this](int tile) { RedrawTile(tile); },
          [this](int tile) { Panel.ShowTile(tile); }, [this] { Panel.ClearTile(); }};
}

void TVelmor::ButtonDown(Button button, int X, int Y) { Picks.Press(button, X, Y); }

void TVelmor::ExplorerButton1MouseUp(Button button) {
  if (button == Button::Secondary) platform.PopupMenu(Menus.NewPopup, Menus.ExplorerButton1);
}

void TVelmor::ShowCurrentTileClick() {
  Menus.ShowCurrentTile.Toggle();
  ShowPanelHOF();
}

KeyboardPlay::Hands TVelmor::KeyHands() {
  const auto button = [](bool primary) { return primary ? Button::Primary : Button::Secondary; };
  return {[this](int tile) { return IsPlayable(tile); },
          [this, button](bool primary, int x, int y) {
            ButtonDown(button(primary), Pictures.BoardOriginX + x, Pictures.BoardOriginY + y);
          },
          [this](bool primary, int x, int y) { Editor.Click(primary, x, y, x / CellWidth, y / CellHeight); },
          [this](int x, int y) { FormMouseMove(Pictures.BoardOriginX + x, Pictures.BoardOriginY + y); },
          [this](int tile) { RedrawTile(tile); }};
}

}  // namespace velmor
