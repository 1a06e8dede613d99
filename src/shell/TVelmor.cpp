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

}  // namespace velmor
