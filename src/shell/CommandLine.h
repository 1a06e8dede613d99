// What `velmor` was asked on its command line: help, the version, or a first game other than the
// remembered one. Read before the window toolkit starts, so that the answers need no display;
// the toolkit's own options are left where they are for it to read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Version.h"
#include "layouts/LayoutLibrary.h"
#include "shell/GameFolders.h"

namespace velmor {

// The application's name, which is also what --version prints.
inline constexpr const char* ProgramNameAndVersion = VELMOR_NAME_AND_VERSION;

// The first game the player asked for; nothing asked leaves start-up as it always was.
struct StartRequest {
  enum class Rivers { No, Easy, Hard };
  int32_t game = 0;    // a Random Seed game number; 0: a random deal
  std::string layout;  // as the Layout menu names it, in any case; empty: the remembered layout
  Rivers rivers = Rivers::No;

  bool Any() const { return game != 0 || !layout.empty() || rivers != Rivers::No; }
  // The entry of `layouts` the request names; 0 when it names none.
  int LayoutNumber(const LayoutLibrary& layouts) const;
};

struct CommandLine {
  enum class Outcome { Play, Help, Version, Wrong };
  Outcome outcome = Outcome::Play;
  StartRequest start;
  // The answer for the terminal: standard output for help and the version, standard error else.
  std::string text;

  bool Ends() const { return outcome != Outcome::Play; }
  int ExitStatus() const { return outcome == Outcome::Wrong ? 2 : 0; }
};

// `args` are the words after the program's name. `layouts` is asked only when a layout is named,
// since listing them reads folders.
CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::function<LayoutLibrary()>& layouts);

// The layouts of a copy of the game, as its Layout menu will list them.
LayoutLibrary ListedLayouts(const GameFolders& folders);

}  // namespace velmor
