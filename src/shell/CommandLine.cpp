#include "shell/CommandLine.h"

#include <string_view>

#include "base/Text.h"

namespace velmor {

namespace {

// The window toolkit reads these itself, with one dash or two. The first take the next word as
// their value unless written "-option=value"; the others take none, or only after '='.
constexpr std::string_view ToolkitOptionsWithValue =
    " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle session smkey display"
    " geometry style stylesheet name title icon ";
constexpr std::string_view ToolkitFlags =
    " reverse widgetcount sync nograb dograb testability qmljsdebugger dialogs fontengine ";

bool Among(const std::string& name, std::string_view list) {
  return !name.empty() && list.find(" " + name + " ") != std::string_view::npos;
}

const char* const HelpText =
    "Usage: velmor [OPTION]...\n"
    "Mah-Jongg solitaire. Without options the unfinished game goes on, or a new one starts on the\n"
    "layout played last.\n"
    "\n"
    "  --game N            play game number N (1 to 2147483647), as New Specific Game does\n"
    "  --layout NAME       play on the layout NAME, as the Layout menu shows it, in any case\n"
    "  --rivers easy|hard  play Voverizo Dadazu, the flat game, in that variant\n"
    "  -h, --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "\n"
    "--game and --layout go together; --rivers goes alone. A game asked for here is played\n"
    "instead of the unfinished one, which counts as lost, as with New Game.\n"
    "The toolkit's own options (-platform, -style, -geometry, -display, -reverse, ...) work too.\n";

}  // namespace

int StartRequest::LayoutNumber(const LayoutLibrary& layouts) const {
  for (int k = 1; k <= layouts.Count(); ++k)
    if (SameText(layouts[k].name, layout)) return k;
  // A ".shp" layout was listed by its file name once; scripts that give it so still find it.
  for (int k = 1; k <= layouts.Count(); ++k)
    if (layouts[k].shp && SameText(layouts[k].file, layout)) return k;
  return 0;
}

CommandLine ReadCommandLine(const std::vector<std::string>& args, const std::function<LayoutLibrary()>& layouts) {
  CommandLine line;
  auto answer = [&line](CommandLine::Outcome outcome, std::string text) {
    line.outcome = outcome;
    line.text = std::move(text);
    return line;
  };
  auto wrong = [&answer](const std::string& message, const std::string& more = "") {
    return answer(CommandLine::Outcome::Wrong,
                  "velmor: " + message + "; try 'velmor --help' for more information.\n" + more);
  };
  StartRequest& start = line.start;
  bool gameGiven = false, layoutGiven = false, riversGiven = false;

  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') return wrong("unexpected argument '" + arg + "'");
    const bool twoDashes = arg[1] == '-';
    const size_t equals = arg.find('=');
    const size_t from = twoDashes ? 2 : 1;
    const std::string name = arg.substr(from, equals == std::string::npos ? std::string::npos : equals - from);
    const std::string option = arg.substr(0, equals);

    if (Among(name, ToolkitOptionsWithValue)) {
      if (equals == std::string::npos) ++i;
      continue;
    }
    if (Among(name, ToolkitFlags)) continue;
    if (option == "-h" || option == "--help" || option == "--version") {
      if (equals != std::string::npos) return wrong("option '" + option + "' takes no value");
      if (option == "--version")
        return answer(CommandLine::Outcome::Version, std::string(ProgramNameAndVersion) + "\n");
      return answer(CommandLine::Outcome::Help, HelpText);
    }
    bool* given = !twoDashes         ? nullptr
                  : name == "game"   ? &gameGiven
                  : name == "layout" ? &layoutGiven
                  : name == "rivers" ? &riversGiven
                                     : nullptr;
    if (!given) return wrong("unknown option '" + option + "'");
    if (*given) return wrong("option '" + option + "' is given twice");
    *given = true;

    std::string value;
    if (equals != std::string::npos)
      value = arg.substr(equals + 1);
    else if (i + 1 < args.size())
      value = args[++i];
    if (value.empty()) return wrong("option '" + option + "' needs a value");

    if (name == "game") {
      long long number = 0;
      if (!ParseInt(value, number) || number < 1 || number > 2147483647)
        return wrong("option '--game' wants a number from 1 to 2147483647, not '" + value + "'");
      start.game = static_cast<int32_t>(number);
    } else if (name == "layout") {
      start.layout = value;
    } else {
      const std::string variant = LowerCase(value);
      if (variant != "easy" && variant != "hard")
        return wrong("option '--rivers' wants 'easy' or 'hard', not '" + value + "'");
      start.rivers = variant == "hard" ? StartRequest::Rivers::Hard : StartRequest::Rivers::Easy;
    }
  }

  // The flat game has neither layouts nor numbered deals.
  if (riversGiven && (gameGiven || layoutGiven))
    return wrong(std::string("option '--rivers' cannot go with '") + (gameGiven ? "--game" : "--layout") + "'");
  if (layoutGiven) {
    const LayoutLibrary listed = layouts();
    if (!start.LayoutNumber(listed)) {
      std::string names;
      for (int k = 1; k <= listed.Count(); ++k) names += (k > 1 ? ", " : "") + listed[k].name;
      return wrong("option '--layout': no layout is named '" + start.layout + "'",
                   listed.Count() ? "The layouts are: " + names + ".\n" : "There is no layout at all.\n");
    }
  }
  return line;
}

LayoutLibrary ListedLayouts(const GameFolders& folders) {
  LayoutLibrary listed;
  std::vector<std::string> leftOut;
  listed.Scan(folders.app + "Layouts/", folders.userLayouts, leftOut);
  return listed;
}

}  // namespace velmor
