// The settings table, and the one table of "Velmor.ini".
#include "shell/Settings.h"

#include <vector>

#include "shell/IniFile.h"
#include "shell/MenuItem.h"
#include "shell/TVelmor.h"

namespace velmor {

SettingsTable& SettingsTable::Flag(std::string key, MenuItem& item, bool fallback) {
  entries_.push_back({std::move(key), fallback, [&item] { return Value(item.Checked()); },
                      [&item](const Value& v) { item.SetChecked(std::get<bool>(v)); }});
  return *this;
}

SettingsTable& SettingsTable::Number(std::string key, int& member, int fallback) {
  return Number(
      std::move(key), [&member] { return member; }, [&member](int v) { member = v; }, fallback);
}

SettingsTable& SettingsTable::Text(std::string key, std::string& member, std::string fallback) {
  return Text(
      std::move(key), [&member] { return member; }, [&member](const std::string& v) { member = v; },
      std::move(fallback));
}

SettingsTable& SettingsTable::Number(std::string key, std::function<int()> get, std::function<void(int)> set,
                                     int fallback) {
  Entry entry{std::move(key), fallback, [get = std::move(get)] { return Value(get()); }, nullptr};
  if (set) entry.set = [set = std::move(set)](const Value& v) { set(std::get<int>(v)); };
  entries_.push_back(std::move(entry));
  return *this;
}

SettingsTable& SettingsTable::Text(std::string key, std::function<std::string()> get,
                                   std::function<void(const std::string&)> set, std::string fallback) {
  Entry entry{std::move(key), std::move(fallback), [get = std::move(get)] { return Value(get()); }, nullptr};
  if (set) entry.set = [set = std::move(set)](const Value& v) { set(std::get<std::string>(v)); };
  entries_.push_back(std::move(entry));
  return *this;
}

void SettingsTable::ApplyDefaults() const {
  for (const Entry& e : entries_)
    if (e.IsRead()) e.set(e.fallback);
}

void SettingsTable::Read(const IniFile& ini) const {
  for (const Entry& e : entries_) {
    if (!e.IsRead()) continue;
    switch (e.type()) {
      case Type::Bool:
        e.set(ini.ReadBool(section_, e.key, std::get<bool>(e.fallback)));
        break;
      case Type::Int:
        e.set(ini.ReadInteger(section_, e.key, std::get<int>(e.fallback)));
        break;
      case Type::String:
        e.set(ini.ReadString(section_, e.key, std::get<std::string>(e.fallback)));
        break;
    }
  }
}

void SettingsTable::Write(IniFile& ini) const {
  for (const Entry& e : entries_) {
    const Value v = e.get();
    switch (e.type()) {
      case Type::Bool:
        ini.WriteBool(section_, e.key, std::get<bool>(v));
        break;
      case Type::Int:
        ini.WriteInteger(section_, e.key, std::get<int>(v));
        break;
      case Type::String:
        ini.WriteString(section_, e.key, std::get<std::string>(v));
        break;
    }
  }
}

namespace {

using Choices = std::vector<MenuItem*>;

// The position of the checked choice. The choice at `unmarked` also stands for no mark at all, so
// it is the last one looked at.
int CheckedChoice(const Choices& choices, int unmarked) {
  int k = 0;
  for (MenuItem* item : choices) {
    if (k != unmarked && item->Checked()) return k;
    ++k;
  }
  return unmarked;
}

// A value with no choice of its own leaves every mark off.
void CheckChoice(const Choices& choices, int value) {
  int k = 0;
  for (MenuItem* item : choices) item->SetChecked(k++ == value);
}

}  // namespace

SettingsTable VelmorSettings(TVelmor& g) {
  const Choices highlights{&g.Menus.Highlight1, &g.Menus.Highlight2, &g.Menus.Highlight3, &g.Menus.Highlight4,
                           &g.Menus.Highlight5};
  const Choices backgrounds{&g.Menus.Kanji1,         &g.Menus.Dragons1,  &g.Menus.None1,
                            &g.Menus.LoadBackground, &g.Menus.Andromeda, &g.Menus.Catpats};
  const Choices tilesets{&g.Menus.Load1, &g.Menus.MahJongg1, &g.Menus.MahJongg2, &g.Menus.MahJongg3,
                         &g.Menus.Lowcolor1};
  // A flat game has no layout of its own: the layout played before it is the one remembered.
  auto layout = [&g] { return g.Layout.BoardNumber >= 100 ? g.Layout.SavedLayoutNumber : g.Layout.BoardNumber; };
  auto placement = [&g](int part) {
    return [&g, part] {
      int box[4];
      g.platform.WindowPlacement(box[0], box[1], box[2], box[3]);
      return box[part];
    };
  };

  SettingsTable t("Velmor");
  // A highlight number without a menu entry is kept as it is, with no entry checked.
  t.Number(
      "Highlight", [&g] { return g.Pictures.HighlightMode; },
      [&g, highlights](int v) {
        g.Pictures.HighlightMode = v;
        CheckChoice(highlights, v);
      },
      3);
  t.Flag("Invert", g.Menus.Invert, false);
  t.Flag("ShowMoves", g.Menus.Moves, true);
  t.Flag("PlayMusic", g.Menus.PlayMusic, true);
  t.Flag("PlaySounds", g.Menus.PlaySounds, true);
  t.Text("CurrentPlayer1", g.CurrentPlayer, "Player1");
  t.Number(
      "Background", [backgrounds] { return CheckedChoice(backgrounds, 3); },
      [backgrounds](int v) { CheckChoice(backgrounds, v); }, 4);
  t.Number(
      "BoardNumber", layout, [&g](int v) { g.Layout.BoardNumber = v; }, -1);
  // The file name finds the layout again when other layouts have shifted the numbers.
  t.Text(
      "LayoutFile",
      [&g, layout] {
        const int n = layout();
        return g.Listed.Layouts.Has(n) ? g.Listed.Layouts[n].file : std::string();
      },
      [&g](const std::string& v) { g.Layout.RememberedLayoutFile = v; }, "");
  t.Number("MidiNumber", g.Tunes.Number, -1);
  t.Number(
      "Tileset", [tilesets] { return CheckedChoice(tilesets, 4); }, [tilesets](int v) { CheckChoice(tilesets, v); }, 3);
  // A key of its own, read after "Tileset", so that settings files from before the high contrast
  // tiles read as they always did and, when set, it is the one taken at start-up.
  t.Number(
      "HighContrastTiles", [&g] { return g.Menus.HighContrast1.Checked() ? 1 : 0; },
      [&g, tilesets](int v) {
        if (v != 0) CheckChoice(tilesets, -1);
        g.Menus.HighContrast1.SetChecked(v != 0);
      },
      0);
  t.Flag("SetRes800", g.Menus.Res800, false);
  t.Text("LastLoadedTileset", g.Looks.LastLoadedTileset, "");
  t.Text("LastLoadedBackground", g.Looks.LastLoadedBackground, "");
  t.Flag("StartDirectly", g.Menus.StartDirectly, true);
  t.Flag("StartMusic", g.Menus.StartMusic, true);
  t.Flag("ShowHallOfFame", g.Menus.ShowHallFame, true);
  t.Flag("ShowToolbar", g.Menus.Toolbar1, true);
  t.Flag("ShowStatus", g.Menus.ShowTitle, true);
  t.Flag("CoolMenu", g.Menus.CoolMenu1, true);
  t.Flag("CoolMouse", g.Menus.CoolMouse, true);
  t.Flag("CoolStatus", g.Menus.CoolStatus, true);
  t.Flag("CoolToolbar", g.Menus.CoolToolbar, true);
  t.Flag("TileRivers", g.Menus.AnimateTileRivers, true);
  t.Flag("ShowTime", g.Menus.ShowTime, true);
  t.Flag("FlatButtons", g.Menus.FlatButtons, true);
  t.Flag("EnableHall", g.Menus.EnableHall, true);
  t.Flag("Shadows", g.Menus.Shadows, true);
  t.Flag("Vertical", g.Menus.Vertical, false);
  t.Flag("Winnable", g.Menus.Winnable, false);
  t.Flag("Shuffable", g.Menus.Shuffable, true);
  t.Flag("Animate", g.Menus.Animate, false);
  t.Flag("ShowTile", g.Menus.ShowCurrentTile, false);
  t.Flag("OnlyPossible", g.Menus.OnlyPossibleMoves, false);
  t.Flag("RandomMusic", g.Menus.RandomMusic, false);
  t.Number("RandomSeed", g.Current.GameNumber, 0);
  // The window's place is used again only on a screen of the same width; its size is never read.
  t.Number(
      "XPos", placement(0), [&g](int v) { g.Window.SavedLeft = v; }, 0);
  t.Number(
      "YPos", placement(1), [&g](int v) { g.Window.SavedTop = v; }, 0);
  t.Number("WPos", placement(2), nullptr, 0);
  t.Number("HPos", placement(3), nullptr, 0);
  t.Number(
      "PreviousRes", [&g] { return g.platform.ScreenWidth(); }, [&g](int v) { g.Window.PreviousRes = v; },
      g.platform.ScreenWidth());
  t.Number(
      "WindowWidth", [&g] { return g.platform.CurrentWindowShape().width; }, [&g](int v) { g.Window.SavedWidth = v; },
      0);
  t.Number(
      "WindowHeight", [&g] { return g.platform.CurrentWindowShape().height; },
      [&g](int v) { g.Window.SavedHeight = v; }, 0);
  t.Number(
      "WindowMaximized", [&g] { return g.platform.CurrentWindowShape().maximized ? 1 : 0; },
      [&g](int v) { g.Window.SavedMaximized = v != 0; }, 0);
  t.Flag("FullScreen", g.Menus.FullScreen, false);
  t.Flag("ResumeLastGame", g.Menus.ResumeLastGame, true);
  t.Flag("WatchWinnability", g.Menus.WatchWinnability, false);
  t.Number(
      "MusicVolume", [&g] { return g.Volumes.Music(); }, [&g](int v) { g.Volumes.SetMusic(v); }, SoundLevels::Full);
  t.Number(
      "EffectsVolume", [&g] { return g.Volumes.Effects(); }, [&g](int v) { g.Volumes.SetEffects(v); },
      SoundLevels::Full);
  t.Text("Language", g.Languages.choice, "System");
  t.Number("HelpWidth", g.Help.Width, 0);
  t.Number("HelpHeight", g.Help.Height, 0);
  return t;
}

}  // namespace velmor
