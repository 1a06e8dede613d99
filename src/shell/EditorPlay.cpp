// The layout editor: building a heap tile by tile on the board itself.
#include "shell/EditorPlay.h"

#include "base/Files.h"
#include "base/Text.h"
#include "layouts/LayoutEditor.h"
#include "layouts/LayoutFile.h"

namespace velmor {

void EditorPlay::Enter(bool create) {
  game_.Play.Start(GameKind::Editor);
  hooks_.updateCommands();
  pictures_.GhostBox = pictures_.NoBox;
  layout_.EditorStartedEmpty = create;
  LayoutEditor(layout_.Shape, game_.Board, layout_.TilesToPlace).Start(create);
  menus_.VO.SetVisible(false);
  menus_.EditorMenu.SetVisible(true);
  menus_.Tools.SetVisible(false);
  // The default name is only the name box's first text: the player meets it, and saves it if
  // kept, in the language spoken.
  if (create) layout_.LayoutName = platform_.Translate(VELMOR_TEXT("New Layout"));
  menus_.Edit1.SetCaption(layout_.LayoutName);
  menus_.Label40.SetCaption(std::to_string(layout_.TilesToPlace));
  menus_.EditorPanel.SetVisible(true);
  hooks_.status("      ");
  hooks_.deal();
}

void EditorPlay::Click(bool add, int x, int y, int column, int row) {
  if (column > AnchorColumns || row > AnchorRows) return;
  LayoutEditor editor(layout_.Shape, game_.Board, layout_.TilesToPlace);
  const bool changed = add ? editor.Add(x, y).has_value() : editor.Remove(x, y).has_value();
  if (!changed) return;
  hooks_.fullRedraw();
  menus_.Label40.SetCaption(std::to_string(layout_.TilesToPlace));
}

void EditorPlay::Move(int dc, int dr) {
  if (!LayoutEditor(layout_.Shape, game_.Board, layout_.TilesToPlace).Move(dc, dr)) return;
  hooks_.fullRedraw();
  platform_.Pace(0);
}

void EditorPlay::SaveAndExit(MenuItem& sender) {
  LayoutEditor(layout_.Shape, game_.Board, layout_.TilesToPlace).Recount();
  menus_.Label40.SetCaption(std::to_string(layout_.TilesToPlace));
  if (layout_.TilesToPlace != 0) {
    platform_.ShowMessage(VELMOR_TEXT("You haven't finished building the layout yet !"));
    return;
  }
  layout_.LayoutName = menus_.Edit1.Caption();
  // A new layout never overwrites the layout that was current before it: its first "Save"
  // asks for a name, as "Save as..." does.
  if (&sender == &menus_.SaveAs1 || (&sender == &menus_.Save1 && layout_.EditorStartedEmpty))
    layout_.LayoutPath.clear();
  if (&sender == &menus_.Save1 || &sender == &menus_.SaveAs1) {
    const bool saved = Save();
    if (!saved && layout_.SaveFailed) return;  // the player was told; the layout stays in the editor
    if (saved) layout_.EditorStartedEmpty = false;
  }
  menus_.VO.SetVisible(true);
  menus_.EditorMenu.SetVisible(false);
  game_.Play.Clear();
  hooks_.updateCommands();
  pictures_.EditorGhost = Place{-1, -1, -1};
  menus_.EditorPanel.SetVisible(false);
  menus_.Tools.SetVisible(true);
  hooks_.beginGame();
}

void EditorPlay::Cancel() {
  pictures_.EditorGhost = Place{-1, -1, -1};
  menus_.EditorPanel.SetVisible(false);
  menus_.Tools.SetVisible(true);
  menus_.VO.SetVisible(true);
  menus_.EditorMenu.SetVisible(false);
  if (layout_.BoardNumber > listed_.Layouts.Count()) layout_.BoardNumber = listed_.Layouts.Count();
  listed_.ResolvePath();
  game_.Play.Start(GameKind::OnePlayer);
  hooks_.updateCommands();
  hooks_.loadLayout();
}

bool EditorPlay::Save() {
  layout_.SaveFailed = false;
  const std::string oldPath = layout_.LayoutPath;
  if (layout_.LayoutPath.empty()) {
    const auto chosen =
        platform_.SaveFileDialog({VELMOR_TEXT("Please choose a name for your layout file"),
                                  VELMOR_TEXT("LAY Layout files (*.lay)|*.lay"), folders_.SaveLayoutsFolder()});
    if (!chosen) return false;
    layout_.LayoutPath = *chosen;
  }
  const std::string confirmed = layout_.LayoutPath;  // the name the player saw (a dialog asked about it)
  layout_.LayoutPath = LayFilePathFor(layout_.LayoutPath);
  // The shipped layouts are shared and may be read-only: a changed one becomes the player's own.
  if (!folders_.UserLayoutsFolder.empty() && SamePath(FolderOf(layout_.LayoutPath), FolderOf(folders_.LayoutsFolder())))
    layout_.LayoutPath = folders_.UserLayoutsFolder + FileNamePart(layout_.LayoutPath);
  if (layout_.LayoutPath != confirmed && Exists(layout_.LayoutPath) &&
      !platform_.Confirm(VELMOR_TEXT("Save layout"),
                         Fill(VELMOR_TEXT("The layout file \"%1\" already exists. Do you want to replace it?"),
                              FileNamePart(layout_.LayoutPath)))) {
    // Declined: nothing is written and the layout stays in the editor.
    layout_.LayoutPath = oldPath;
    layout_.SaveFailed = true;
    return false;
  }

  // The player's own folder does not exist until the first layout is kept there.
  const bool playersFolder = !folders_.UserLayoutsFolder.empty() &&
                             SamePath(FolderOf(layout_.LayoutPath), FolderOf(folders_.UserLayoutsFolder));
  std::string error;
  if ((playersFolder && !MakeFolder(folders_.UserLayoutsFolder, error)) ||
      !WriteFileAtomically(layout_.LayoutPath, FormatLayFile(layout_.LayoutName, layout_.Shape), error)) {
    platform_.ShowError(Fill(VELMOR_TEXT("The layout was not saved: %1."), error));
    layout_.LayoutPath = oldPath;
    layout_.SaveFailed = true;
    return false;
  }
  game_.Play.Clear();
  hooks_.updateCommands();

  const std::string file = FileNamePart(layout_.LayoutPath);
  const std::string entryName = file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
  const int oldNumber = layout_.BoardNumber;
  const std::string savedFolder = FolderOf(layout_.LayoutPath) + "/";
  layout_.BoardNumber = listed_.Layouts.FindFile(file);
  if (layout_.BoardNumber != 0) listed_.Layouts[layout_.BoardNumber].folder = savedFolder;

  if (layout_.BoardNumber == 0) {
    if (listed_.Layouts.Count() >= LayoutLibrary::MaxEntries) {
      layout_.BoardNumber = oldNumber;
      platform_.ShowMessage(
          VELMOR_TEXT("The layout was saved, but the Layout menu holds 99 layouts at most, so it is not listed."));
      return true;
    }
    layout_.BoardNumber = listed_.Layouts.Add({entryName, file, savedFolder, false});
    listed_.AddEntries(layout_.BoardNumber);
    hall_.LoadList(layout_.BoardNumber, false);
  }
  // The check mark always names the current layout, also when an existing file was overwritten.
  listed_.Entries.CheckOnly(layout_.BoardNumber);
  return true;
}

}  // namespace velmor
