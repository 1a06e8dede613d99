#include "shell/GameFolders.h"

#include <pwd.h>
#include <unistd.h>

#include "base/Say.h"
#include "base/Text.h"

namespace velmor {

namespace {

bool HasLayouts(const std::string& folder) { return IsFolder(FolderWithSlash(folder) + "Layouts"); }

// XDG wants relative values ignored.
std::string XdgFolder(const EnvironmentLookup& env, const char* variable, const char* fallbackUnderHome) {
  if (const char* value = env(variable); value && value[0] == '/') return FolderWithSlash(value);
  std::string home;
  if (const char* value = env("HOME"); value && value[0] == '/') {
    home = value;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') {
    home = pw->pw_dir;
  }
  if (home.empty()) return {};
  return FolderWithSlash(home) + fallbackUnderHome;
}

}  // namespace

std::string SavedGamesDialogFolder(const std::string& last, const std::string& documents) {
  return last.empty() ? documents : last;
}

std::string ImportDialogFolder(const std::string& last, const std::string& documents,
                               const std::function<bool(const std::string&)>& isFolder) {
  if (!last.empty()) return last;
  for (const char* installed : {"/usr/share/kmahjongg/layouts/", "/usr/share/games/kmahjongg/layouts/",
                                "/usr/share/gnome-mahjongg/", "/usr/share/games/gnome-mahjongg/"})
    if (isFolder(installed)) return installed;
  return documents;
}

void CarryOverPlayerFiles(const GameFolders& folders) {
  if (folders.config == folders.app) return;
  for (const char* name : {"Velmor.ini", "Hallfame.ini"}) {
    const std::string from = folders.app + name, to = folders.config + name;
    std::string error;
    // On failure the old file stays where it was and the next start tries again.
    if (!Exists(to) && IsFile(from) && MakeFolder(folders.config, error)) CopyNewFile(from, to);
  }
}

GameFolders FindGameFolders(const std::string& programFolder, const EnvironmentLookup& env,
                            const std::function<bool(const std::string&)>& writable) {
  GameFolders folders;
  const std::string program = NormalPath(programFolder);
  const std::string shared = NormalPath(FolderWithSlash(program) + "../share/velmor");
  bool installed = false;
  if (HasLayouts(program)) {
    folders.app = FolderWithSlash(program);
  } else if (HasLayouts(shared)) {
    folders.app = FolderWithSlash(shared);
    installed = true;
  } else {
    // Nothing anywhere: start-up names this folder when it finds no layout.
    folders.app = FolderWithSlash(program);
  }
  folders.config = folders.app;

  if (installed || !writable(folders.app)) {
    const std::string config = XdgFolder(env, "XDG_CONFIG_HOME", ".config/");
    const std::string data = XdgFolder(env, "XDG_DATA_HOME", ".local/share/");
    // Without any home folder there is nowhere better than the program's own.
    if (!config.empty() && !data.empty()) {
      folders.config = config + "velmor/";
      folders.userLayouts = data + "velmor/Layouts/";
    }
  }
  return folders;
}

void FolderPaths::UsePlayerFolders(const std::string& config, const std::string& layouts) {
  ConfigFolder = config.empty() ? AppFolder : FolderWithSlash(config);
  UserLayoutsFolder = FolderWithSlash(layouts);
}

}  // namespace velmor
