// Writes data/velmor.sf2: the General MIDI soundfont cut down to what the shipped tunes sound.
// Every preset, instrument and sample it keeps is copied record for record (generators,
// modulators, sample headers and sample points), only renumbered, so a synthesizer plays the
// tunes from it exactly as from the whole font while reading a fraction of it.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Midi.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using Keys = std::bitset<128>;

// The generators this program reads; everything else is copied without a look.
constexpr uint16_t KeyRange = 43, Instrument = 41, SampleId = 53;
constexpr int Guard = 46;  // zero points the format asks for after every sample

uint32_t Get(const Bytes& b, size_t at, int size) {
  if (at + size > b.size()) throw std::runtime_error("a record runs past its chunk");
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

void Put(Bytes& b, size_t at, uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = (v >> 8 * i) & 0xFF;
}

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), {}};
}

// The chunks of one RIFF list body, by id; a font has each of its chunks once.
std::map<std::string, Bytes> Chunks(const Bytes& b, size_t at, size_t end) {
  std::map<std::string, Bytes> chunks;
  while (at + 8 <= end) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const size_t size = Get(b, at + 4, 4);
    if (at + 8 + size > end) throw std::runtime_error("chunk " + id + " runs past its list");
    const std::string key = id == "LIST" ? "LIST" + std::string(b.begin() + at + 8, b.begin() + at + 12) : id;
    chunks[key] = Bytes(b.begin() + at + (id == "LIST" ? 12 : 8), b.begin() + at + 8 + size);
    at += 8 + size + (size & 1);
  }
  return chunks;
}

// Fixed-size records: the last one of each table only closes the one before it.
struct Table {
  const Bytes* bytes;
  size_t size;
  size_t Count() const { return bytes->size() / size; }
  uint32_t Field(size_t record, size_t offset, int width) const { return Get(*bytes, record * size + offset, width); }
  Bytes Record(size_t record) const {
    return Bytes(bytes->begin() + record * size, bytes->begin() + (record + 1) * size);
  }
};

// One level of zones (a preset's or an instrument's): bag records point into generators and
// modulators.
struct Zones {
  Table headers, bags, mods, gens;
  size_t bagField;  // where a header keeps the number of its first bag
  uint16_t link;    // the generator that names the level below
  size_t FirstBag(size_t header) const { return headers.Field(header, bagField, 2); }
  size_t FirstGen(size_t bag) const { return bags.Field(bag, 0, 2); }
  size_t FirstMod(size_t bag) const { return bags.Field(bag, 2, 2); }
  // The keys a zone answers and what it links to (-1 for a global zone).
  void Read(size_t bag, Keys& keys, int& target) const {
    keys.set();
    target = -1;
    for (size_t g = FirstGen(bag); g < FirstGen(bag + 1); ++g) {
      const uint16_t op = gens.Field(g, 0, 2);
      if (op == KeyRange) {
        keys.reset();
        for (uint32_t k = gens.Field(g, 2, 1); k <= gens.Field(g, 3, 1) && k < 128; ++k) keys.set(k);
      } else if (op == link) {
        target = int(gens.Field(g, 2, 2));
      }
    }
  }
};

// Copies the kept headers with their zones, renumbering the links through `renumber`.
void CopyLevel(const Zones& z, const std::vector<size_t>& kept, const std::map<size_t, std::vector<size_t>>& keptBags,
               const std::map<int, int>& renumber, const char* closing, Bytes& headers, Bytes& bags, Bytes& mods,
               Bytes& gens) {
  auto append = [](Bytes& to, const Bytes& record) { to.insert(to.end(), record.begin(), record.end()); };
  for (size_t h : kept) {
    Bytes header = z.headers.Record(h);
    Put(header, z.bagField, uint32_t(bags.size() / 4), 2);
    append(headers, header);
    const auto zones = keptBags.find(h);
    if (zones == keptBags.end()) continue;
    for (size_t bag : zones->second) {
      Bytes record(4);
      Put(record, 0, uint32_t(gens.size() / 4), 2);
      Put(record, 2, uint32_t(mods.size() / 10), 2);
      append(bags, record);
      for (size_t m = z.FirstMod(bag); m < z.FirstMod(bag + 1); ++m) append(mods, z.mods.Record(m));
      for (size_t g = z.FirstGen(bag); g < z.FirstGen(bag + 1); ++g) {
        Bytes gen = z.gens.Record(g);
        if (Get(gen, 0, 2) == z.link) Put(gen, 2, uint32_t(renumber.at(int(Get(gen, 2, 2)))), 2);
        append(gens, gen);
      }
    }
  }
  Bytes last(z.headers.size, 0);
  std::memcpy(last.data(), closing, std::strlen(closing));
  Put(last, z.bagField, uint32_t(bags.size() / 4), 2);
  append(headers, last);
  Bytes lastBag(4);
  Put(lastBag, 0, uint32_t(gens.size() / 4), 2);
  Put(lastBag, 2, uint32_t(mods.size() / 10), 2);
  append(bags, lastBag);
  mods.resize(mods.size() + 10, 0);
  gens.resize(gens.size() + 4, 0);
}

Bytes Chunk(const std::string& id, const Bytes& body) {
  Bytes out(id.begin(), id.end());
  out.resize(8);
  Put(out, 4, uint32_t(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() & 1) out.push_back(0);
  return out;
}

Bytes List(const std::string& type, const std::vector<Bytes>& chunks) {
  Bytes body(type.begin(), type.end());
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  return Chunk("LIST", body);
}

int Run(const fs::path& fontPath, const fs::path& musics, const fs::path& outPath) {
  // What the tunes sound, merged over every file.
  std::map<std::pair<int, int>, Keys> wanted;
  std::vector<fs::path> tunes;
  for (const auto& entry : fs::directory_iterator(musics))
    if (entry.path().extension() == ".mid") tunes.push_back(entry.path());
  std::sort(tunes.begin(), tunes.end());
  for (const fs::path& tune : tunes) {
    const Bytes bytes = ReadFile(tune);
    velmor::MidiSounds sounds;
    std::string error;
    if (!velmor::ReadMidiSounds(bytes.data(), bytes.size(), sounds, error))
      throw std::runtime_error(tune.string() + ": " + error);
    for (const auto& p : sounds.presets) wanted[{p.bank, p.program}] |= p.keys;
  }

  const Bytes font = ReadFile(fontPath);
  if (font.size() < 12 || std::memcmp(font.data(), "RIFF", 4) != 0 || std::memcmp(font.data() + 8, "sfbk", 4) != 0)
    throw std::runtime_error(fontPath.string() + " is not a soundfont");
  auto top = Chunks(font, 12, std::min<size_t>(font.size(), 8 + size_t(Get(font, 4, 4))));
  auto sdta = Chunks(top.at("LISTsdta"), 0, top.at("LISTsdta").size());
  auto pdta = Chunks(top.at("LISTpdta"), 0, top.at("LISTpdta").size());
  const Zones presets{
      {&pdta.at("phdr"), 38}, {&pdta.at("pbag"), 4}, {&pdta.at("pmod"), 10}, {&pdta.at("pgen"), 4}, 24, Instrument};
  const Zones instruments{
      {&pdta.at("inst"), 22}, {&pdta.at("ibag"), 4}, {&pdta.at("imod"), 10}, {&pdta.at("igen"), 4}, 20, SampleId};
  const Table samples{&pdta.at("shdr"), 46};

  // The presets, their zones that answer a key played, and the keys each instrument is asked for.
  std::vector<size_t> keptPresets;
  std::map<size_t, std::vector<size_t>> presetBags, instrumentBags;
  std::map<int, Keys> instrumentKeys;
  for (const auto& [bankProgram, keys] : wanted) {
    size_t found = presets.headers.Count();
    for (size_t p = 0; p + 1 < presets.headers.Count(); ++p)
      if (int(presets.headers.Field(p, 22, 2)) == bankProgram.first &&
          int(presets.headers.Field(p, 20, 2)) == bankProgram.second)
        found = p;
    if (found == presets.headers.Count()) {
      std::fprintf(stderr, "velmor-soundfontgen: %s has no preset %d:%d; tunes using it get the whole font\n",
                   fontPath.c_str(), bankProgram.first, bankProgram.second);
      continue;
    }
    // A melodic preset is kept whole: a player's own tune may reach keys the shipped ones do not
    // and still find it here. A drum kit keeps the drums played only.
    const Keys asked = bankProgram.first == velmor::MidiSounds::DrumBank ? keys : Keys().set();
    keptPresets.push_back(found);
    for (size_t bag = presets.FirstBag(found); bag < presets.FirstBag(found + 1); ++bag) {
      Keys zoneKeys;
      int instrument;
      presets.Read(bag, zoneKeys, instrument);
      if (instrument >= 0 && (zoneKeys & asked).none()) continue;
      presetBags[found].push_back(bag);
      if (instrument >= 0) instrumentKeys[instrument] |= zoneKeys & asked;
    }
  }
  std::sort(keptPresets.begin(), keptPresets.end());  // the font's own order

  std::map<int, int> instrumentNumbers, sampleNumbers;
  std::set<int> keptSamples;
  std::vector<size_t> keptInstruments;
  for (const auto& [instrument, keys] : instrumentKeys) {
    instrumentNumbers[instrument] = int(keptInstruments.size());
    keptInstruments.push_back(size_t(instrument));
    for (size_t bag = instruments.FirstBag(instrument); bag < instruments.FirstBag(instrument + 1); ++bag) {
      Keys zoneKeys;
      int sample;
      instruments.Read(bag, zoneKeys, sample);
      if (sample >= 0 && (zoneKeys & keys).none()) continue;
      instrumentBags[instrument].push_back(bag);
      if (sample >= 0) keptSamples.insert(sample);
    }
  }
  // A stereo half brings its other half.
  for (bool grown = true; grown;) {
    grown = false;
    for (int s : std::set<int>(keptSamples))
      if ((samples.Field(s, 44, 2) & 0x7FFF) != 1 && keptSamples.insert(int(samples.Field(s, 42, 2))).second)
        grown = true;
  }

  // Sample points: each kept sample's span with its guard points, as the font has them.
  const Bytes& smpl = sdta.at("smpl");
  const Bytes* sm24 = sdta.count("sm24") ? &sdta.at("sm24") : nullptr;
  Bytes points, points24, headers;
  for (int s : keptSamples) {
    sampleNumbers[s] = int(headers.size() / 46);
    Bytes header = samples.Record(s);
    const uint32_t start = Get(header, 20, 4);
    const uint32_t from = std::min(start, Get(header, 28, 4));
    const uint32_t to = std::max(Get(header, 24, 4), Get(header, 32, 4)) + Guard;
    const uint32_t at = uint32_t(points.size() / 2);
    for (int field = 20; field <= 32; field += 4) Put(header, field, Get(header, field, 4) - from + at, 4);
    for (uint32_t i = from; i < to; ++i) {
      for (int half = 0; half < 2; ++half) points.push_back(2 * i + half < smpl.size() ? smpl[2 * i + half] : 0);
      if (sm24 != nullptr) points24.push_back(i < sm24->size() ? (*sm24)[i] : 0);
    }
    headers.insert(headers.end(), header.begin(), header.end());
  }
  for (size_t h = 0; h < headers.size(); h += 46)
    if ((Get(headers, h + 44, 2) & 0x7FFF) != 1)
      Put(headers, h + 42, sampleNumbers.at(int(Get(headers, h + 42, 2))), 2);
  headers.resize(headers.size() + 46, 0);
  std::memcpy(headers.data() + headers.size() - 46, "EOS", 3);

  Bytes phdr, pbag, pmod, pgen, inst, ibag, imod, igen;
  CopyLevel(presets, keptPresets, presetBags, instrumentNumbers, "EOP", phdr, pbag, pmod, pgen);
  CopyLevel(instruments, keptInstruments, instrumentBags, sampleNumbers, "EOI", inst, ibag, imod, igen);

  // The information list stays the font's, with a comment saying what was taken out.
  auto info = Chunks(top.at("LISTINFO"), 0, top.at("LISTINFO").size());
  std::vector<Bytes> infoChunks;
  for (const char* id : {"ifil", "isng", "INAM", "irom", "iver", "ICRD", "IENG", "IPRD", "ICOP", "ISFT"})
    if (info.count(id)) infoChunks.push_back(Chunk(id, info.at(id)));
  std::string comment = "The presets of Velmor's tunes, taken unchanged from " + fontPath.filename().string() +
                        " by velmor-soundfontgen.";
  comment.push_back('\0');
  if (comment.size() & 1) comment.push_back('\0');
  infoChunks.push_back(Chunk("ICMT", Bytes(comment.begin(), comment.end())));

  std::vector<Bytes> sampleChunks{Chunk("smpl", points)};
  if (sm24 != nullptr) sampleChunks.push_back(Chunk("sm24", points24));
  Bytes body{'s', 'f', 'b', 'k'};
  for (const Bytes& list : {List("INFO", infoChunks), List("sdta", sampleChunks),
                            List("pdta", {Chunk("phdr", phdr), Chunk("pbag", pbag), Chunk("pmod", pmod),
                                          Chunk("pgen", pgen), Chunk("inst", inst), Chunk("ibag", ibag),
                                          Chunk("imod", imod), Chunk("igen", igen), Chunk("shdr", headers)})})
    body.insert(body.end(), list.begin(), list.end());
  const Bytes file = Chunk("RIFF", body);
  std::ofstream(outPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));

  for (size_t p : keptPresets) {
    const Bytes r = presets.headers.Record(p);
    std::printf("%3u:%-3u %-20.20s %zu zones\n", Get(r, 22, 2), Get(r, 20, 2), reinterpret_cast<const char*>(r.data()),
                presetBags[p].size());
  }
  std::printf("%zu presets, %zu instruments, %zu samples, %zu bytes (from %zu)\n", keptPresets.size(),
              keptInstruments.size(), keptSamples.size(), file.size(), font.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: velmor-soundfontgen DATA_DIR [SOUNDFONT [OUTPUT]]\n");
    return 1;
  }
  const fs::path data = argv[1];
  try {
    return Run(argc > 2 ? argv[2] : "/usr/share/sounds/sf2/TimGM6mb.sf2", data / "Musics",
               argc > 3 ? fs::path(argv[3]) : data / "velmor.sf2");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmor-soundfontgen: %s\n", e.what());
    return 1;
  }
}
