#include "shell/TVelmor.h"

#include "base/Text.h"

namespace velmor {

TVelmor::TVelmor(Platform& p, std::string appFolder) : platform(p), AppFolder(std::move(appFolder)) {
  AppFolder = FolderWithSlash(AppFolder);
  ConfigFolder = AppFolder;

  BuildMenus();
}

void TVelmor::UsePlayerFolders(const std::string& config, const std::string& layouts) {
  ConfigFolder = config.empty() ? AppFolder : FolderWithSlash(config);
  UserLayoutsFolder = FolderWithSlash(layouts);
}

namespace {
MenuItem* Find(MenuItem& root, const std::string& name) {
  if (root.Name() == name) return &root;
  for (MenuItem* child : root.Items())
    if (MenuItem* found = Find(*child, name)) return found;
  return nullptr;
}
}  // namespace

MenuItem* TVelmor::FindItem(const std::string& name) {
  for (MenuItem* root : {&VO, &Tools, &NewPopup, &LigneStatus, &HofBox, &EditorMenu, &EditorPanel})
    if (MenuItem* found = Find(*root, name)) return found;
  return nullptr;
}


}  // namespace velmor
