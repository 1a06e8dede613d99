// Where the game finds its data and where it keeps the player's own files.
#pragma once

#include <functional>
#include <string>

#include "base/Files.h"

namespace velmor {

struct GameFolders {
  std::string app;          // the shipped data (layouts, pictures, tunes, help); ends with '/'
  std::string config;       // "Velmor.ini" and "Hallfame.ini"; ends with '/'
  std::string userLayouts;  // layouts the player saves; empty: they go with the shipped ones
  bool PerUser() const { return !userLayouts.empty(); }
};

// The folders of the running game, and the files it keeps in them.
struct FolderPaths {
  std::string AppFolder;  // ends with '/'
  // The player's settings and records; AppFolder unless the program is installed for everyone.
  std::string ConfigFolder;
  // Where the player's own layouts are saved and listed from; empty when that is AppFolder's.
  std::string UserLayoutsFolder;
  void UsePlayerFolders(const std::string& config, const std::string& layouts);

  std::string LayoutsFolder() const { return AppFolder + "Layouts/"; }
  // Where new and changed layouts are written.
  std::string SaveLayoutsFolder() const { return UserLayoutsFolder.empty() ? LayoutsFolder() : UserLayoutsFolder; }
  std::string IniPath() const { return ConfigFolder + "Velmor.ini"; }
  std::string HallPath() const { return ConfigFolder + "Hallfame.ini"; }
  std::string ResumePath() const { return ConfigFolder + "Resume.vsave"; }  // the game in progress
};

// Where the Save Game and Load Game dialogs open: the folder the player last used, else their
// documents folder; never the program's own, where the game keeps its files.
std::string SavedGamesDialogFolder(const std::string& last, const std::string& documents);
// Where Import Layout opens: the folder last used, else the first of the other tile games'
// installed layout folders that exists, else the documents folder.
std::string ImportDialogFolder(const std::string& last, const std::string& documents,
                               const std::function<bool(const std::string&)>& isFolder);

using EnvironmentLookup = std::function<const char*(const char*)>;

// The data lies beside the program in a build folder or a portable copy; an installed program
// finds it in <prefix>/share/velmor/. An installed copy is shared by every account on the machine
// and a read-only folder cannot keep anything, so in both cases the player's settings, records
// and layouts live in the player's own folders (XDG base directories). Otherwise everything stays
// beside the program, as it always did.
GameFolders FindGameFolders(const std::string& programFolder, const EnvironmentLookup& env,
                            const std::function<bool(const std::string&)>& writable = FolderIsWritable);

// A copy that was played beside the program and is now read-only (or was installed over) keeps its
// settings and records: the first start with player folders copies them there. Existing player
// files are never replaced.
void CarryOverPlayerFiles(const GameFolders& folders);

}  // namespace velmor
