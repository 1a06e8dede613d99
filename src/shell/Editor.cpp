// The layout editor: building a heap tile by tile on the board itself.
#include "base/Say.h"
#include "layouts/LayoutEditor.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::EnterEditor(bool create) {
  Current.Play.Start(GameKind::Editor);
  UpdateCommands();
  Pictures.GhostBox = Pictures.NoBox;
  Layout.EditorStartedEmpty = create;
  LayoutEditor(Layout.Shape, Current.Board, Layout.TilesToPlace).Start(create);
  Menus.VO.SetVisible(false);
  Menus.EditorMenu.SetVisible(true);
  Menus.Tools.SetVisible(false);
  // The default name is only the name box's first text: the player meets it, and saves it if
  // kept, in the language spoken.
  if (create) Layout.LayoutName = platform.Translate(VELMOR_TEXT("New Layout"));
  Menus.Edit1.SetCaption(Layout.LayoutName);
  Menus.Label40.SetCaption(std::to_string(Layout.TilesToPlace));
  Menus.EditorPanel.SetVisible(true);
  ShowStatus("      ");
  RandomSolitaireGame1Click();
}

void TVelmor::EditorClick(Button button, int x, int y, int column, int row) {
  if (column > AnchorColumns || row > AnchorRows) return;
  LayoutEditor editor(Layout.Shape, Current.Board, Layout.TilesToPlace);
  const bool changed = button == Button::Primary     ? editor.Add(x, y).has_value()
                       : button == Button::Secondary ? editor.Remove(x, y).has_value()
                                                     : false;
  if (!changed) return;
  FullRedraw();
  Menus.Label40.SetCaption(std::to_string(Layout.TilesToPlace));
}

void TVelmor::MoveBoard(int dc, int dr) {
  if (!LayoutEditor(Layout.Shape, Current.Board, Layout.TilesToPlace).Move(dc, dr)) return;
  FullRedraw();
  AnimationStep(0);
}

void TVelmor::SaveandexitClick(MenuItem& sender) {
  LayoutEditor(Layout.Shape, Current.Board, Layout.TilesToPlace).Recount();
  Menus.Label40.SetCaption(std::to_string(Layout.TilesToPlace));
  if (Layout.TilesToPlace != 0) {
    platform.ShowMessage(VELMOR_TEXT("You haven't finished building the layout yet !"));
    return;
  }
  Layout.LayoutName = Menus.Edit1.Caption();
  // A new layout never overwrites the layout that was current before it: its first "Save"
  // asks for a name, as "Save as..." does.
  if (&sender == &Menus.SaveAs1 || (&sender == &Menus.Save1 && Layout.EditorStartedEmpty)) Layout.LayoutPath.clear();
  if (&sender == &Menus.Save1 || &sender == &Menus.SaveAs1) {
    const bool saved = SaveLayout();
    if (!saved && Layout.SaveFailed) return;  // the player was told; the layout stays in the editor
    if (saved) Layout.EditorStartedEmpty = false;
  }
  Menus.VO.SetVisible(true);
  Menus.EditorMenu.SetVisible(false);
  Current.Play.Clear();
  UpdateCommands();
  Pictures.EditorGhost = Place{-1, -1, -1};
  Menus.EditorPanel.SetVisible(false);
  Menus.Tools.SetVisible(true);
  BeginGame();
}

void TVelmor::Cancel2Click() {
  Pictures.EditorGhost = Place{-1, -1, -1};
  Menus.EditorPanel.SetVisible(false);
  Menus.Tools.SetVisible(true);
  Menus.VO.SetVisible(true);
  Menus.EditorMenu.SetVisible(false);
  if (Layout.BoardNumber > Listed.Layouts.Count()) Layout.BoardNumber = Listed.Layouts.Count();
  Listed.ResolvePath();
  Current.Play.Start(GameKind::OnePlayer);
  UpdateCommands();
  LoadCurrentLayout();
}

}  // namespace velmor
