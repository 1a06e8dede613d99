#include "shell/StatisticsFile.h"

#include "base/Say.h"
#include "base/Text.h"
#include "layouts/LayoutFile.h"
#include "shell/IniFile.h"

namespace velmor {

namespace {

constexpr const char* TooLargeWarning =
    VELMOR_TEXT("The statistics file is too large to be read; the statistics start afresh.");
constexpr const char* UnreadableWarning = VELMOR_TEXT("Some statistics could not be read and count as zero: %1.");

std::string Section(int k) { return "Game " + std::to_string(k); }

struct Field {
  const char* key;
  int64_t StatisticsEntry::*wide;
  int32_t StatisticsEntry::*count;
};

constexpr Field Fields[] = {
    {"Started", nullptr, &StatisticsEntry::Started},
    {"Won", nullptr, &StatisticsEntry::Won},
    {"BestSeconds", nullptr, &StatisticsEntry::BestSeconds},
    {"WinSecondsSum", &StatisticsEntry::WinSecondsSum, nullptr},
    {"CurrentStreak", nullptr, &StatisticsEntry::CurrentStreak},
    {"LongestStreak", nullptr, &StatisticsEntry::LongestStreak},
};

}  // namespace

std::string ReadStatisticsText(const std::string& text, Statistics& out) {
  IniFile ini;
  out.Reset();
  if (!ini.LoadText(text)) return TooLargeWarning;
  std::string unreadable;
  // The sections run on from 1 without a gap; a section taken out by hand ends the list there.
  for (int k = 1; ini.SectionExists(Section(k)); ++k) {
    const std::string section = Section(k);
    const std::string name = ini.ReadString(section, "Name", "");
    if (name.empty() || out.Entries().count(name)) continue;
    StatisticsEntry entry;
    for (const Field& f : Fields) {
      long long v = 0;
      const std::string value = ini.ReadString(section, f.key, "0");
      const long long high = f.wide ? 1LL << 50 : 2147483647LL;
      if (!ParseInt(value, v) || v < 0 || v > high) {
        unreadable += (unreadable.empty() ? "" : ", ") + name + " (" + f.key + ")";
        v = 0;
      }
      if (f.wide)
        entry.*f.wide = v;
      else
        entry.*f.count = static_cast<int32_t>(v);
    }
    entry.Unfinished = ini.ReadBool(section, "Unfinished", false);
    out.Set(name, entry);
  }
  if (unreadable.empty()) return {};
  return Fill(UnreadableWarning, unreadable);
}

bool LoadStatistics(const std::string& path, Statistics& out, std::string& warning, std::string& error) {
  IniFile ini;
  warning.clear();
  out.Reset();
  if (!ini.Load(path, error)) return false;
  warning = ReadStatisticsText(ini.Text(), out);
  return true;
}

std::string FormatStatistics(const Statistics& stats) {
  IniFile ini;
  int k = 0;
  for (const auto& [name, entry] : stats.Entries()) {
    const std::string section = Section(++k);
    ini.WriteString(section, "Name", name);
    for (const Field& f : Fields)
      ini.WriteString(section, f.key, std::to_string(f.wide ? entry.*f.wide : entry.*f.count));
    ini.WriteBool(section, "Unfinished", entry.Unfinished);
  }
  return ini.Text();
}

bool SaveStatistics(const std::string& path, const Statistics& stats, std::string& error) {
  return WriteFileAtomically(path, FormatStatistics(stats), error);
}

}  // namespace velmor
