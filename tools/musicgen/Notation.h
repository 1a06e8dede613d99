#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace musicgen {

// 480 ticks to the quarter note: halves evenly into eighths and sixteenths, thirds into triplets.
constexpr int TicksPerQuarter = 480;

struct Note {
  int start = 0;   // ticks from the start of the part
  int length = 0;  // as written; how long it actually sounds is decided when the file is written
  int key = 60;
  int velocity = 64;
};

struct Part {
  std::vector<Note> notes;
  int length = 0;  // ticks, trailing rests included
};

// Reads a part written in the note text described in README.md. Throws std::runtime_error naming
// the bar and the token when the text is malformed or a bar line falls inside a bar.
Part parsePart(std::string_view text, int ticksPerBar);

// Chord name -> its notes, lowest first: {"Dm", "D2 A2 D3 F3"}.
using Voicings = std::map<std::string, std::string, std::less<>>;

// Writes a chord chart out as notes: every chord name in `chart` becomes a copy of `figure` in
// which each number is replaced by that note of the chord's voicing (1 = the lowest). A "|" in the
// chart is kept, so it still checks the bar lines. Throws on an unknown chord or a note the
// voicing does not have.
std::string figureChart(const Voicings& voicings, std::string_view chart, std::string_view figure);

}  // namespace musicgen
