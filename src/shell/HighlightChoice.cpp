#include "shell/HighlightChoice.h"

namespace velmor {

void HighlightChoice::Apply() {
  if (menus_.Highlight2.Checked()) {
    pictures_.HighlightMode = HighlightRedFrame;
    pictures_.PenColor = RedPen;
  }
  if (menus_.Highlight4.Checked()) {
    pictures_.HighlightMode = HighlightGreenFrame;
    pictures_.PenColor = GreenPen;
  }
  if (menus_.Highlight5.Checked()) {
    pictures_.HighlightMode = HighlightBlueFrame;
    pictures_.PenColor = BluePen;
  }
}

void HighlightChoice::ClearHover() {
  const int hovered = game_.HoverTile;
  game_.HoverTile = 0;
  if (hovered) redrawTile_(hovered);
}

void HighlightChoice::None() {
  ClearHover();
  pictures_.HighlightMode = HighlightNone;
  for (MenuItem* item :
       {&menus_.Highlight1, &menus_.Highlight2, &menus_.Highlight3, &menus_.Highlight4, &menus_.Highlight5})
    item->SetChecked(item == &menus_.Highlight1);
}

void HighlightChoice::Frame(MenuItem& sender) {
  ClearHover();
  menus_.Highlight1.SetChecked(false);
  menus_.Highlight3.SetChecked(false);
  for (MenuItem* item : {&menus_.Highlight2, &menus_.Highlight4, &menus_.Highlight5})
    item->SetChecked(item->Caption() == sender.Caption());
  Apply();
}

void HighlightChoice::ColouredTile() {
  ClearHover();
  pictures_.HighlightMode = HighlightColoredTile;
  for (MenuItem* item :
       {&menus_.Highlight1, &menus_.Highlight2, &menus_.Highlight3, &menus_.Highlight4, &menus_.Highlight5})
    item->SetChecked(item == &menus_.Highlight3);
}

}  // namespace velmor
