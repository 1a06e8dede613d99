#include "shell/GameFolders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "base/Say.h"
#include "base/Text.h"

namespace velmor {

namespace fs = std::filesystem;

namespace {

bool HasLayouts(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder / "Layouts", ec);
}

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

bool FolderIsWritable(const std::string& folder) {
  // access() answers yes for root on any folder of a writable file system, and no on some
  // network file systems that would accept the file, so try it.
  std::string probe = FolderWithSlash(folder) + ".velmor-write-test-XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool MakeFolder(const std::string& folder, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) {
    error = Fill(VELMOR_TEXT("cannot create the folder \"%1\": %2"), folder,
                 ec ? ec.message() : std::string(VELMOR_TEXT("not a folder")));
    return false;
  }
  return true;
}

void CarryOverPlayerFiles(const GameFolders& folders) {
  if (folders.config == folders.app) return;
  for (const char* name : {"Velmor.ini", "Hallfame.ini"}) {
    std::error_code ec;
    const fs::path from = folders.app + name, to = folders.config + name;
    if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) continue;
    fs::create_directories(folders.config, ec);
    // On failure the old file stays where it was and the next start tries again.
    fs::copy_file(from, to, ec);
  }
}

GameFolders FindGameFolders(const std::string& programFolder, const EnvironmentLookup& env,
                            const std::function<bool(const std::string&)>& writable) {
  GameFolders folders;
  const fs::path program = fs::path(programFolder).lexically_normal();
  const fs::path shared = (program / ".." / "share" / "velmor").lexically_normal();
  bool installed = false;
  if (HasLayouts(program)) {
    folders.app = FolderWithSlash(program.string());
  } else if (HasLayouts(shared)) {
    folders.app = FolderWithSlash(shared.string());
    installed = true;
  } else {
    // Nothing anywhere: start-up names this folder when it finds no layout.
    folders.app = FolderWithSlash(program.string());
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
