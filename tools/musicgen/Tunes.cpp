// The tunes. Melodies are written out in the note text of README.md; accompaniments are chord
// charts played with a figure (see figureChart). Each tune ends on its home chord and rings for
// a bar, so that when the game starts it over the seam sounds like a phrase ending, not a cut.
//
// General MIDI programs, counted from 1 as in the printed tables.

#include "Tunes.h"

#include "Notation.h"

#include <string>
#include <string_view>

namespace musicgen {
namespace {

enum Program {
  Celesta = 9,
  MusicBox = 11,
  PizzicatoStrings = 46,
  Harp = 47,
  Strings = 49,
  SlowStrings = 50,
  Flute = 74,
  PanFlute = 76,
  Shakuhachi = 78,
  NewAgePad = 89,
  WarmPad = 90,
  Koto = 108,
};

// On the drum channel a key is an instrument; this one is the open triangle.
constexpr std::string_view Triangle = "A5";

// `bars` bars of silence, each written as barRest ("rw", "rh." ...).
std::string rests(int bars, std::string_view barRest) {
  std::string out;
  for (int i = 0; i < bars; ++i) out.append(barRest).append(" | ");
  return out;
}

// ---------------------------------------------------------------------------------------------
// Sakura: the old Japanese folk song, in the koto's in-scale on A (A Bb D E F). It is set a
// fourth above the usual printing so the shakuhachi has it in its sweetest octave.
// Koto alone, then the shakuhachi over a koto accompaniment, and the koto echoes the last line.
Tune sakura() {
  Tune tune{"Sakura.mid", "Sakura", 4, 4, {{1, 63}, {35, 58}, {36, 54}}, {}};
  tune.levelDb = -1.0;
  const std::string bar = "rw";

  const std::string melody =
      "D5q D5 E5h | D5q D5 E5h | D5q E5 F5 E5 | D5q E5e D5 Bb4h | "
      "A4q F4 A4 Bb4 | A4q A4e F4 E4h | D5q E5 F5 E5 | D5q E5e D5 Bb4h | "
      "A4q F4 A4 Bb4 | A4q A4e F4 E4h | D5q D5 E5h | D5q D5 E5h | "
      "A4q Bb4 E5e D5 Bb4q | A4w | ";
  const std::string intro = "A3e Bb3 D4 E4 F4q E4q | D4e E4 D4 Bb3 A3h | A3e Bb3 D4 E4 F4 A4 Bb4 A4 | F4q E4 A3h | ";
  const std::string interlude = "A4e Bb4 A4 F4 E4q D4q | E4h A3h | ";
  const std::string echo = "A4q Bb4 E5e D5 Bb4q | A4w | ";

  // Fifths and octaves, as a koto player plucks them; the mode has no third to lean on over D
  // or A, and an F under the melody's long E would grind.
  const Voicings koto{{"D", "D3 A3 D4 A4"}, {"Bb", "Bb2 F3 Bb3 D4"}, {"A", "A2 E3 A3 E4"}};
  // One chord a bar, except the second-last bar of the song, which turns halfway.
  const auto chart = [&](std::string_view wholeBar, std::string_view halfBar) {
    return figureChart(koto, "D D D Bb | D A D Bb | D A D D |", wholeBar) + figureChart(koto, "D Bb", halfBar) +
           figureChart(koto, "A |", wholeBar);
  };

  tune.voices = {
      {"Koto", 1, Koto, 127, 50, 56, 0, 0.9,
       "v72 " + intro + "v84 " + melody + "v72 " + interlude + rests(14, bar) + "v76 " + echo},
      {"Shakuhachi", 2, Shakuhachi, 127, 76, 64, 0, 0.96, rests(20, bar) + "v74 " + melody + rests(2, bar)},
      {"Koto accompaniment", 3, Koto, 127, 40, 56, 0, 0.9,
       rests(4, bar) + "v62 " + chart("1h 2h", "1q 2q") + rests(2, bar) + "v64 " + chart("1q 2e 3e 4q 2q", "1q 2e 3e") +
           "rw | v60 A2w | "},
      {"Strings", 4, SlowStrings, 81, 64, 72, 0, 1.0,
       rests(2, bar) + "v60 [A2 E3 A3]w~ | [A2 E3 A3]w | " + chart("[1 2 3]w~", "[1 2 3]h~") +
           "[A2 E3 A3]w~ | [A2 E3 A3]w | v64 " + chart("[1 2 3]w~", "[1 2 3]h~") +
           "[D3 A3 D4]h [Bb2 F3 Bb3]h | [A2 E3 A3]w | "},
  };
  return tune;
}

// ---------------------------------------------------------------------------------------------
// Jasmine Flower (Mo Li Hua): the eighteenth-century Chinese folk song, in G major pentatonic.
// The harp sings it first, plucked like a zither, then the pan flute over flowing harp chords.
// The song itself comes to rest on D; a short coda carries it home to G.
Tune jasmine() {
  Tune tune{"Jasmine.mid", "Jasmine Flower", 2, 4, {{1, 66}, {66, 60}, {67, 54}}, {}};
  tune.levelDb = -5.3;
  const std::string bar = "rh";

  const std::string melody =
      "B4q B4e D5 | E5e G5 G5 E5 | D5q D5e E5 | D5h | "
      "B4q B4e D5 | E5e G5 G5 E5 | D5q D5e E5 | D5h | "
      "D5q D5 | D5q B4e D5 | E5q E5 | D5h | "
      "B4q A4e B4 | D5q B4e A4 | G4q G4e A4 | G4h | "
      "B4e A4 G4 B4 | A4q. B4e | D5e E5 G5 E5 | D5h | "
      "A4q B4e D5 | A4e B4 G4 E4 | D4h~ | D4q rq | "
      "E4e G4 A4q | B4e G4 A4 G4 | E4q. D4e | D4h | ";
  const std::string chart = "G Em C G | G Em C G | G Em Am G | Em D C G | Em Am C D | Am Em D D | C Em Am D |";
  const std::string turn = "G Em C D |";  // before each verse

  // No F# anywhere: the D chord is an open fifth, so the harmony stays inside the pentatonic.
  const Voicings harp{
      {"G", "G2 D3 G3 B3"}, {"Em", "E2 B2 E3 G3"}, {"C", "C3 G3 C4 E4"}, {"Am", "A2 E3 A3 C4"}, {"D", "D2 A2 D3 A3"}};
  const std::string flowing = "1e 2 3 4";
  const std::string pad = "[2 3 4]h~";

  const std::string strike = std::string(Triangle) + "q rq | ";
  const std::string eightBars = strike + rests(7, bar);

  tune.voices = {
      {"Harp", 1, Harp, 127, 56, 56, 0, 1.0, rests(4, bar) + "v78 " + melody + rests(36, bar)},
      {"Pan flute", 2, PanFlute, 127, 72, 64, 0, 0.95,
       rests(36, bar) + "v80 " + melody + "E5e D5 B4 A4 | G4h~ | G4h | rh | "},
      {"Harp chords", 3, Harp, 127, 44, 56, 0, 1.0,
       "v56 " + figureChart(harp, turn, flowing) + rests(28, bar) + figureChart(harp, turn, flowing) +
           figureChart(harp, chart, flowing) + figureChart(harp, "C G", flowing) +
           figureChart(harp, "G", "[1 2 3 4]h") + "rh | "},
      {"Pizzicato", 4, PizzicatoStrings, 127, 64, 48, 0, 1.0,
       rests(4, bar) + "v60 " + figureChart(harp, chart, "1q 2q") +
           figureChart(harp, turn + chart + " C G G", "1q rq") + "rh | "},
      {"Strings", 5, Strings, 51, 64, 64, 0, 1.0,
       rests(4, bar) + "v54 " + figureChart(harp, chart, pad) + figureChart(harp, turn, pad) +
           figureChart(harp, chart, pad) + figureChart(harp, "C G G", pad) + figureChart(harp, "G", "[2 3 4]h")},
      {"Triangle", 10, 0, 127, 80, 64, 0, 1.0,
       rests(36, bar) + "v76 " + eightBars + eightBars + eightBars + strike + rests(3, bar) + "rh | " + strike +
           rests(2, bar)},
  };
  return tune;
}

// ---------------------------------------------------------------------------------------------
// Greensleeves: the English ballad of the sixteenth century, in A minor. The flute takes the
// first verse and refrain over a harp, the strings the second, and the flute closes.
Tune greensleeves() {
  Tune tune{"Greensleeves.mid", "Greensleeves", 3, 4, {{1, 90}, {69, 82}, {71, 74}}, {}};
  tune.levelDb = -4.9;
  const std::string bar = "rh.";

  // The verse starts on a pick-up note, which the bar before it supplies.
  const std::string verse =
      "C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | "
      "C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h A4q | "
      "C5h D5q | E5q. F5e E5q | D5h B4q | G4q. A4e B4q | "
      "C5q. B4e A4q | G#4q. F#4e G#4q | A4h.~ | A4h rq | ";
  const std::string refrain =
      "G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | "
      "C5h A4q | A4q. G#4e A4q | B4h G#4q | E4h. | "
      "G5h. | G5q. F#5e E5q | D5h B4q | G4q. A4e B4q | "
      "C5q. B4e A4q | G#4q. F#4e G#4q | A4h.~ | ";
  const std::string chart =
      "Am C G Em | F Am E E | Am C G Em | Am E Am Am | "
      "C G G Em | F Am E E | C G G Em | Am E Am Am |";

  const Voicings harp{{"Am", "A2 E3 A3 C4"}, {"C", "C3 G3 C4 E4"}, {"G", "G2 D3 G3 B3"},
                      {"Em", "E2 B2 E3 G3"}, {"F", "F2 C3 F3 A3"}, {"E", "E2 B2 E3 G#3"}};
  const std::string flowing = "1e 2 3 4 3 2";

  tune.voices = {
      {"Flute", 1, Flute, 127, 72, 60, 0, 0.93,
       rests(3, bar) + "rh v78 A4q | " + verse + refrain + "A4h rq | " + rests(32, bar) +
           "v72 C5h D5q | B4h G#4q | A4h.~ | A4h. | "},
      {"Strings", 2, Strings, 76, 60, 64, 0, 0.97,
       rests(35, bar) + "rh v72 A4q | " + verse + refrain + "A4h. | " +
           "v56 [F3 A3 C4]h. | [E3 G#3 B3]h. | [E3 A3 C4]h.~ | [E3 A3 C4]h. | "},
      {"Harp", 3, Harp, 110, 48, 56, 0, 1.0,
       "v56 " + figureChart(harp, "Am Am E E |", flowing) + figureChart(harp, chart, flowing) +
           figureChart(harp, chart, flowing) + figureChart(harp, "F E", flowing) +
           figureChart(harp, "Am", "[1 2 3 4]h.") + "rh. | "},
  };
  return tune;
}

// ---------------------------------------------------------------------------------------------
// Night: our own, a slow waltz in D minor. Celesta over a warm pad and a harp; the middle eight
// goes to the shakuhachi, and the celesta comes back to close on D.
Tune night() {
  Tune tune{"Night.mid", "Night", 3, 4, {{1, 58}, {38, 54}, {39, 50}}, {}};
  const std::string bar = "rh.";

  const std::string phraseA = "A4q D5 E5 | F5h D5q | C5h A4q | G4h. | A4q D5 E5 | F5h G5q | F5q D5 F5 | E5h. | ";
  const std::string phraseA2 = "A4q D5 E5 | F5h D5q | C5h A4q | G4q A4 C5 | D5h Bb4q | C5h D5q | E5h C#5q | D5h. | ";
  const std::string phraseB = "D5q F5 A5 | G5h F5q | Bb4q D5 G5 | F5h. | D5q F5 A5 | G5h F5q | D5q E5 F5 | E5h. | ";
  const std::string coda = "A4q D5 E5 | F5h D5q | D5h.~ | D5h. | ";

  const std::string intro = "Dm Bb Gm A |";
  const std::string chartA = "Dm Bb F C | Dm Gm Bb A |";
  const std::string chartA2 = "Dm Bb F C | Gm Bb A Dm |";
  const std::string chartB = "Bb F Gm Dm | Bb F Gm A |";
  const std::string all = intro + chartA + chartA2 + chartB + chartA2 + "Dm Bb Dm";

  const Voicings harp{{"Dm", "D2 A2 D3 F3"}, {"Bb", "Bb1 F2 D3 F3"}, {"F", "F2 C3 F3 A3"},
                      {"C", "C2 G2 E3 G3"},  {"Gm", "G2 D3 G3 Bb3"}, {"A", "A1 E2 C#3 E3"}};
  // Close to the melody's register and moving by step from chord to chord.
  const Voicings pad{{"Dm", "F3 A3 D4"}, {"Bb", "F3 Bb3 D4"}, {"F", "F3 A3 C4"},
                     {"C", "E3 G3 C4"},  {"Gm", "G3 Bb3 D4"}, {"A", "E3 A3 C#4"}};
  const std::string sparse = "1q 3 4";
  const std::string flowing = "1e 2 3 4 3 2";

  tune.voices = {
      {"Celesta", 1, Celesta, 127, 58, 64, 0, 1.0,
       rests(4, bar) + "v86 " + phraseA + phraseA2 + rests(8, bar) + phraseA2 + coda},
      {"Shakuhachi", 2, Shakuhachi, 127, 76, 72, 0, 0.96, rests(20, bar) + "v66 " + phraseB + rests(12, bar)},
      {"Harp", 3, Harp, 91, 44, 60, 0, 1.0,
       "v54 " + figureChart(harp, intro + chartA + chartA2, sparse) +
           figureChart(harp, chartB + chartA2 + "Dm Bb", flowing) + figureChart(harp, "Dm", "[1 2 3 4]h.") + "rh. | "},
      {"Warm pad", 4, WarmPad, 74, 64, 72, 20, 1.0,
       "v54 " + figureChart(pad, all, "[1 2 3]h.~") + figureChart(pad, "Dm", "[1 2 3]h.")},
      {"Strings", 5, SlowStrings, 98, 64, 72, 0, 1.0,
       rests(20, bar) + "v54 " + figureChart(harp, chartB + chartA2 + "Dm Bb Dm", "[1 2]h.~") +
           figureChart(harp, "Dm", "[1 2]h.")},
  };
  return tune;
}

// ---------------------------------------------------------------------------------------------
// Garden: our own, brisker, in D major pentatonic. Koto tune over pizzicato and a soft pad; the
// flute has the middle part while the koto turns to broken chords.
Tune garden() {
  Tune tune{"Garden.mid", "Garden", 4, 4, {{1, 92}, {47, 84}, {48, 76}}, {}};
  tune.levelDb = -2.0;
  const std::string bar = "rw";

  const std::string opening =
      "F#5q A5e F#5 E5q D5q | B4q D5e E5 F#5h | E5q D5e B4 D5q E5q | E5q. D5e E5h | "
      "F#5q A5e B5 A5q F#5q | E5q F#5e E5 D5h | ";
  const std::string phraseA1 = opening + "B4q D5e E5 D5q B4q | A4w | ";
  const std::string phraseA2 = opening + "B4q D5e E5 F#5q E5q | D5w | ";
  const std::string middle =
      "D5h B4q D5q | E5h. C#5q | F#5h E5q C#5q | D5h B4h | "
      "D5h B4q D5q | E5h F#5q G5q | F#5h. E5q | ";
  const std::string coda = "F#5q A5e F#5 E5q D5q | B4q D5e E5 D5h | [A4 D5]w | rw | ";

  const std::string intro = "D Bm G A |";
  const std::string chartA1 = "D Bm G A | D Bm Em A |";
  const std::string chartA2 = "D Bm G A | D Bm Em D |";
  const std::string chartB = "G A F#m Bm | G A Bm A |";

  const Voicings koto{{"D", "D3 A3 D4 F#4"}, {"Bm", "B2 F#3 B3 D4"}, {"G", "G2 D3 G3 B3"},
                      {"A", "A2 E3 A3 C#4"}, {"Em", "E3 B3 E4 G4"},  {"F#m", "F#2 C#3 F#3 A3"}};
  const std::string broken = "1q 2e 3e 4q 3q";
  const std::string bass = "1q rq 2q rq";
  const std::string pad = "[2 3 4]w~";

  tune.voices = {
      {"Koto", 1, Koto, 127, 54, 56, 0, 0.9,
       rests(4, bar) + "v84 " + phraseA1 + phraseA2 + rests(8, bar) + phraseA2 + rests(8, bar) + "v78 " + coda},
      {"Flute", 2, Flute, 127, 76, 64, 0, 0.93,
       rests(20, bar) + "v66 " + middle + "E5w | " + rests(8, bar) + middle + "E5h C#5h | " + rests(4, bar)},
      {"Koto chords", 3, Koto, 127, 40, 56, 0, 0.9,
       "v64 " + figureChart(koto, intro, broken) + rests(16, bar) + figureChart(koto, chartB, broken) + rests(8, bar) +
           figureChart(koto, chartB, broken) + figureChart(koto, "D G", "1q 2e 3e 4h") + rests(2, bar)},
      {"Pizzicato", 4, PizzicatoStrings, 127, 64, 48, 0, 1.0,
       "v58 " + figureChart(koto, intro + chartA1 + chartA2 + chartB + chartA2 + chartB + "D G", bass) +
           figureChart(koto, "D", "1q rq rh") + "rw | "},
      {"Pad", 5, NewAgePad, 75, 64, 64, 20, 1.0,
       rests(4, bar) + "v54 " + figureChart(koto, chartA1 + chartA2 + chartB + chartA2 + chartB + "D G D", pad) +
           figureChart(koto, "D", "[2 3 4]w")},
  };
  return tune;
}

// ---------------------------------------------------------------------------------------------
// Lanterns: our own, a barcarolle in F major, 6/8. Music box over rocking harp and slow strings;
// the pan flute sings the D minor middle twice.
Tune lanterns() {
  Tune tune{"Lanterns.mid", "Lanterns", 6, 8, {{1, 72}, {47, 66}, {48, 60}}, {}};
  tune.levelDb = -2.9;
  const std::string bar = "rh.";

  const std::string opening =
      "C5q F5e A5q G5e | F5q. D5q. | Bb4q D5e F5q G5e | E5q. C5q. | "
      "C5q F5e A5q G5e | E5q A5e G5q E5e | ";
  const std::string phraseA = opening + "F5q D5e E5q C5e | F5h. | ";
  const std::string phraseA2 = opening + "D5q F5e E5q G5e | F5h. | ";
  const std::string phraseB =
      "A4q D5e F5q E5e | D5q C5e Bb4q. | A4q C5e F5q. | E5q D5e C5q. | "
      "A4q D5e F5q A5e | G5q. F5q. | G5q F5e D5q Bb4e | C5h. | ";
  const std::string coda = "D5q F5e Bb5q A5e | G5q. E5q. | F5h.~ | F5h. | ";

  const Voicings harp{{"F", "F2 C3 F3 A3"}, {"Dm", "D2 A2 D3 F3"}, {"Bb", "Bb1 F2 Bb2 D3"},
                      {"C", "C2 G2 C3 E3"}, {"Am", "A2 E3 A3 C4"}, {"Gm", "G2 D3 G3 Bb3"}};
  const Voicings strings{{"F", "A3 C4 F4"}, {"Dm", "A3 D4 F4"}, {"Bb", "Bb3 D4 F4"},
                         {"C", "G3 C4 E4"}, {"Am", "A3 C4 E4"}, {"Gm", "G3 Bb3 D4"}};
  // The A phrase turns from Bb to C halfway through its seventh bar.
  const auto chartA = [](const Voicings& v, std::string_view bar6, std::string_view bar3) {
    return figureChart(v, "F Dm Bb C | F Am", bar6) + figureChart(v, "Bb C", bar3) + figureChart(v, "F |", bar6);
  };
  const std::string chartB = "Dm Bb F C | Dm Bb Gm C |";
  const std::string rocking = "1e 2 3 4 3 2";
  const std::string rocking3 = "1e 2 3";
  const std::string held = "[1 2 3]h.~";
  const std::string held3 = "[1 2 3]q.~";

  tune.voices = {
      {"Music box", 1, MusicBox, 127, 60, 60, 0, 1.0,
       rests(4, bar) + "v84 " + phraseA + phraseA2 + rests(16, bar) + phraseA + coda},
      {"Pan flute", 2, PanFlute, 127, 74, 64, 0, 0.95,
       rests(20, bar) + "v70 " + phraseB + "v74 " + phraseB + rests(12, bar)},
      {"Harp", 3, Harp, 100, 46, 56, 0, 1.0,
       "v56 " + figureChart(harp, "F Dm Bb C |", rocking) + chartA(harp, rocking, rocking3) +
           chartA(harp, rocking, rocking3) + figureChart(harp, chartB + chartB, rocking) +
           chartA(harp, rocking, rocking3) + figureChart(harp, "Bb C F", rocking) +
           figureChart(harp, "F", "[1 2 3 4]h.")},
      {"Strings", 4, SlowStrings, 110, 64, 64, 0, 1.0,
       rests(2, bar) + "v54 " + figureChart(strings, "Bb C", held) + chartA(strings, held, held3) +
           chartA(strings, held, held3) + figureChart(strings, chartB + chartB, held) + chartA(strings, held, held3) +
           figureChart(strings, "Bb C F", held) + figureChart(strings, "F", "[1 2 3]h.")},
  };
  return tune;
}

}  // namespace

std::vector<Tune> tunes() { return {sakura(), jasmine(), greensleeves(), night(), garden(), lanterns()}; }

}  // namespace musicgen
