// What a soundfont can sound, read from its preset tables alone (never its samples): enough to
// tell whether a tune can be played from it.
#pragma once

#include <bitset>
#include <map>
#include <string>
#include <utility>

#include "base/Midi.h"

namespace velmor {

// The keys each preset sounds, by bank and program: a preset zone's keys that one of its
// instrument's zones with a sample answers too. A global zone's key range is the others' default.
using SoundFontKeys = std::map<std::pair<int, int>, std::bitset<128>>;

// False when the file cannot be read or is not a soundfont with whole preset tables.
bool ReadSoundFontKeys(const std::string& path, SoundFontKeys& out);

// Whether every preset a tune selects is in the font, with every key the tune plays on it.
bool HoldsAll(const SoundFontKeys& font, const MidiSounds& sounds);

}  // namespace velmor
