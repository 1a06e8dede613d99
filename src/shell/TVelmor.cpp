#include "shell/TVelmor.h"

#include "base/Text.h"

namespace velmor {

TVelmor::TVelmor(Platform& p, std::string appFolder) : platform(p) {
  Folders.AppFolder = FolderWithSlash(appFolder);
  Folders.ConfigFolder = Folders.AppFolder;

  BuildMenus();
}

}  // namespace velmor
