#include "shell/TVelmor.h"

#include "base/Text.h"

namespace velmor {

TVelmor::TVelmor(Platform& p, std::string appFolder) : platform(p) {
  AppFolder = FolderWithSlash(appFolder);
  ConfigFolder = AppFolder;

  BuildMenus();
}

}  // namespace velmor
