#include "Tune.h"

#include "MidiFile.h"
#include "Notation.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace musicgen {
namespace {

constexpr int DrumChannel = 10;

[[noreturn]] void fail(const Tune& tune, const std::string& what) {
  throw std::runtime_error(tune.fileName + ": " + what);
}

// Note lengths after articulation: a note never runs into the next strike of the same key on its
// channel (a synthesiser would cut the new one short) nor past the end, where the tune loops.
std::vector<Note> articulate(std::vector<Note> notes, double gate, int end) {
  std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.start < b.start; });
  for (std::size_t i = 0; i < notes.size(); ++i) {
    Note& note = notes[i];
    int length = std::max(1, int(std::lround(note.length * gate)));
    for (std::size_t j = i + 1; j < notes.size(); ++j) {
      if (notes[j].key == note.key && notes[j].start > note.start) {
        length = std::min(length, notes[j].start - note.start);
        break;
      }
    }
    note.length = std::min(length, end - note.start);
  }
  return notes;
}

// General MIDI synthesisers take the channel volume as a square law: 40 log10(v / 127) dB.
int channelVolume(int volume, double levelDb) {
  return std::clamp(int(std::lround(volume * std::pow(10.0, levelDb / 40))), 0, 127);
}

double secondsAt(const Tune& tune, int tick) {
  const int barTicks = tune.ticksPerBar();
  double seconds = 0;
  for (std::size_t i = 0; i < tune.tempo.size(); ++i) {
    const int from = (tune.tempo[i].bar - 1) * barTicks;
    const int to = i + 1 < tune.tempo.size() ? (tune.tempo[i + 1].bar - 1) * barTicks : tick;
    if (from >= tick) break;
    seconds += (std::min(to, tick) - from) * 60.0 / (tune.tempo[i].quartersPerMinute * TicksPerQuarter);
  }
  return seconds;
}

}  // namespace

int Tune::ticksPerBar() const { return beats * 4 * TicksPerQuarter / unit; }

WrittenTune writeTune(const Tune& tune) {
  const int barTicks = tune.ticksPerBar();
  if (tune.voices.empty()) fail(tune, "no parts");
  if (tune.tempo.empty() || tune.tempo.front().bar != 1) fail(tune, "the tempo must be set from bar 1");
  for (std::size_t i = 1; i < tune.tempo.size(); ++i)
    if (tune.tempo[i].bar <= tune.tempo[i - 1].bar) fail(tune, "tempo changes out of order");

  std::vector<Part> parts;
  std::set<int> channels;
  for (const Voice& voice : tune.voices) {
    try {
      parts.push_back(parsePart(voice.notes, barTicks));
    } catch (const std::exception& e) {
      fail(tune, voice.name + ", " + e.what());
    }
    if (voice.channel < 1 || voice.channel > 16 || !channels.insert(voice.channel).second)
      fail(tune, voice.name + " needs a channel of its own, 1 to 16");
    if (voice.channel != DrumChannel && (voice.program < 1 || voice.program > 128))
      fail(tune, voice.name + " has no General MIDI program");
  }
  const int end = parts.front().length;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].length != end)
      fail(tune, tune.voices[i].name + " is " + std::to_string(parts[i].length / barTicks) + " bars long, " +
                     tune.voices.front().name + " " + std::to_string(end / barTicks));
  }
  if (end == 0 || end % barTicks != 0) fail(tune, "the parts must fill whole bars");
  if (tune.tempo.back().bar > end / barTicks) fail(tune, "a tempo change after the last bar");

  std::vector<MidiTrack> tracks;
  tracks.emplace_back(tune.title);
  tracks.back().timeSignature(0, tune.beats, tune.unit);
  for (const TempoChange& change : tune.tempo)
    tracks.back().tempo((change.bar - 1) * barTicks, change.quartersPerMinute);

  WrittenTune written;
  for (std::size_t i = 0; i < tune.voices.size(); ++i) {
    const Voice& voice = tune.voices[i];
    const int channel = voice.channel - 1;
    MidiTrack& track = tracks.emplace_back(voice.name);
    if (voice.channel != DrumChannel) track.program(0, channel, voice.program - 1);
    track.controller(0, channel, 7, channelVolume(voice.volume, tune.levelDb));
    track.controller(0, channel, 10, voice.pan);
    track.controller(0, channel, 91, voice.reverb);
    track.controller(0, channel, 93, voice.chorus);
    for (const Note& note : articulate(parts[i].notes, voice.gate, end))
      track.note(note.start, channel, note.key, note.velocity, note.length);
    written.notes += int(parts[i].notes.size());
  }

  written.bytes = midiFile(tracks, TicksPerQuarter, end);
  written.seconds = secondsAt(tune, end);
  written.bars = end / barTicks;
  return written;
}

}  // namespace musicgen
