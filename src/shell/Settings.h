// The settings file as one table: each key with its type, its default and what it drives, so the
// first start, the reading at start-up and the writing at shutdown cannot drift apart.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace velmor {

class IniFile;
class MenuItem;
class TVelmor;

class SettingsTable {
 public:
  enum class Type { Bool, Int, String };
  using Value = std::variant<bool, int, std::string>;  // in the order of Type

  struct Entry {
    std::string key;
    Value fallback;  // the default: what a missing or unreadable value reads as
    std::function<Value()> get;
    std::function<void(const Value&)> set;  // empty for a key that is written but never read
    Type type() const { return static_cast<Type>(fallback.index()); }
    bool IsRead() const { return static_cast<bool>(set); }
  };

  explicit SettingsTable(std::string section) : section_(std::move(section)) {}

  // A menu item's check mark, written as 1 or 0.
  SettingsTable& Flag(std::string key, MenuItem& item, bool fallback);
  SettingsTable& Number(std::string key, int& member, int fallback);
  SettingsTable& Text(std::string key, std::string& member, std::string fallback);
  // Values computed from the program's state. A null `set` makes a key that is only written.
  SettingsTable& Number(std::string key, std::function<int()> get, std::function<void(int)> set, int fallback);
  SettingsTable& Text(std::string key, std::function<std::string()> get, std::function<void(const std::string&)> set,
                      std::string fallback);

  const std::string& Section() const { return section_; }
  const std::vector<Entry>& Entries() const { return entries_; }

  // Every key that is read takes its default.
  void ApplyDefaults() const;
  // Every key that is read, in table order; missing or unreadable values give the defaults.
  void Read(const IniFile& ini) const;
  // Every key, in table order: a key already in the file keeps its place, a new one is added at
  // the end of the section.
  void Write(IniFile& ini) const;

 private:
  std::string section_;
  std::vector<Entry> entries_;
};

// "Velmor.ini": the keys of section "[Velmor]" in the order the file has always had them, bound to
// `game`. Built afresh for each use: the default of "PreviousRes" is the screen width of the moment.
SettingsTable VelmorSettings(TVelmor& game);

}  // namespace velmor
