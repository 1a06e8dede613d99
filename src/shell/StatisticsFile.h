// The statistics file: one section per layout or flat-game variant, "[Game 1]", "[Game 2]" and so
// on, each naming its key in "Name=". Section names would lose the case and the blanks of a file
// name, so the name is a value.
#pragma once

#include <string>

#include "modes/Statistics.h"

namespace velmor {

inline constexpr const char* StatisticsFileName = "Statistics.ini";

// A missing file is no games played. False, with the reason in `error` and `out` empty, for a
// file that exists but cannot be read. Values that are not counts read as zero; `warning` then
// holds the player's message, else it is empty.
bool LoadStatistics(const std::string& path, Statistics& out, std::string& warning, std::string& error);
// The statistics as the file holds them, and the reverse for text already read.
std::string FormatStatistics(const Statistics& stats);
std::string ReadStatisticsText(const std::string& text, Statistics& out);
// Through a temporary file, so a failed write leaves the old file whole.
bool SaveStatistics(const std::string& path, const Statistics& stats, std::string& error);

}  // namespace velmor
