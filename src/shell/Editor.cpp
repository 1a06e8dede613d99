// The layout editor: building a heap tile by tile on the board itself.
#include "base/Say.h"
#include "layouts/LayoutEditor.h"
#include "shell/TVelmor.h"

namespace velmor {

void TVelmor::EnterEditor(bool create) {
  Play.Start(GameKind::Editor);
  UpdateCommands();
  GhostBox = NoBox;
  EditorStartedEmpty = create;
  LayoutEditor(Shape, Board, TilesToPlace).Start(create);
  VO.SetVisible(false);
  EditorMenu.SetVisible(true);
  Tools.SetVisible(false);
  // The default name is only the name box's first text: the player meets it, and saves it if
  // kept, in the language spoken.
  if (create) LayoutName = platform.Translate(VELMOR_TEXT("New Layout"));
  Edit1.SetCaption(LayoutName);
  Label40.SetCaption(std::to_string(TilesToPlace));
  EditorPanel.SetVisible(true);
  ShowStatus("      ");
  RandomSolitaireGame1Click();
}

void TVelmor::EditorClick(Button button, int x, int y, int column, int row) {
  if (column > AnchorColumns || row > AnchorRows) return;
  LayoutEditor editor(Shape, Board, TilesToPlace);
  const bool changed = button == Button::Primary     ? editor.Add(x, y).has_value()
                       : button == Button::Secondary ? editor.Remove(x, y).has_value()
                                                     : false;
  if (!changed) return;
  FullRedraw();
  Label40.SetCaption(std::to_string(TilesToPlace));
}

void TVelmor::MoveBoard(int dc, int dr) {
  if (!LayoutEditor(Shape, Board, TilesToPlace).Move(dc, dr)) return;
  FullRedraw();
  AnimationStep(0);
}

void TVelmor::SaveandexitClick(MenuItem& sender) {
  LayoutEditor(Shape, Board, TilesToPlace).Recount();
  Label40.SetCaption(std::to_string(TilesToPlace));
  if (TilesToPlace != 0) {
    platform.ShowMessage(VELMOR_TEXT("You haven't finished building the layout yet !"));
    return;
  }
  LayoutName = Edit1.Caption();
  // A new layout never overwrites the layout that was current before it: its first "Save"
  // asks for a name, as "Save as..." does.
  if (&sender == &SaveAs1 || (&sender == &Save1 && EditorStartedEmpty)) LayoutPath.clear();
  if (&sender == &Save1 || &sender == &SaveAs1) {
    const bool saved = SaveLayout();
    if (!saved && SaveFailed) return;  // the player was told; the layout stays in the editor
    if (saved) EditorStartedEmpty = false;
  }
  VO.SetVisible(true);
  EditorMenu.SetVisible(false);
  Play.Clear();
  UpdateCommands();
  EditorGhost = Place{-1, -1, -1};
  EditorPanel.SetVisible(false);
  Tools.SetVisible(true);
  BeginGame();
}

void TVelmor::Cancel2Click() {
  EditorGhost = Place{-1, -1, -1};
  EditorPanel.SetVisible(false);
  Tools.SetVisible(true);
  VO.SetVisible(true);
  EditorMenu.SetVisible(false);
  if (BoardNumber > Layouts.Count()) BoardNumber = Layouts.Count();
  ResolveLayoutPath();
  Play.Start(GameKind::OnePlayer);
  UpdateCommands();
  LoadCurrentLayout();
}

}  // namespace velmor
