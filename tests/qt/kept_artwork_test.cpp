// Pictures kept between runs: found exactly as made, only while their file is unchanged and the
// kept file whole, and the folder kept under its size.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "display/ScaledLooks.h"
#include "display/Tileset.h"
#include "platform/KeptArtwork.h"

using namespace velmor;
namespace fs = std::filesystem;

namespace {

struct Scratch {
  fs::path path = fs::temp_directory_path() / ("velmor-kept-" + std::to_string(std::random_device{}()));
  Scratch() { fs::create_directories(path); }
  ~Scratch() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

Picture Noise(int width, int height, uint32_t seed) {
  std::mt19937 random(seed);
  Picture p(width, height);
  for (uint32_t& px : p.pixels()) px = random() & 0xFFFFFF;
  return p;
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::vector<fs::path> KeptFiles(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(folder)) files.push_back(item.path());
  return files;
}

// Counts what the store hands back, to tell a found picture from one made again.
struct CountingStore : ArtworkStore {
  explicit CountingStore(KeptArtwork& kept) : kept(kept) {}
  std::optional<Picture> Find(const std::string& source, const std::string& what) override {
    auto found = kept.Find(source, what);
    if (found) ++hits;
    return found;
  }
  void Keep(const std::string& source, const std::string& what, const Picture& picture) override {
    kept.Keep(source, what, picture);
  }
  void MakeAhead(Making make) override { kept.MakeAhead(std::move(make)); }
  KeptArtwork& kept;
  std::atomic<int> hits{0};
};

}  // namespace

TEST(KeptArtwork, TheShippedLooksTakenFromTheStoreAreThoseMadeFromTheirFiles) {
  Scratch scratch;
  const std::string data = VELMOR_DATA_DIR;
  const LookSource tileset{Picture(1, 1), data + "/Tilesets/pai.bmp"},
      board{Picture(1, 1), data + "/Backgrounds/andromeda.jpg"}, tiled{Picture(1, 1), data + "/Backgrounds/kanji.bmp"},
      panel{Picture(1, 1), data + "/hof.bmp"};
  for (const LookSource* background : {&board, &tiled}) {
    KeptArtwork kept(scratch / (background == &board ? "kept-board" : "kept-tiled"));
    CountingStore store(kept);
    const LooksAtScale made = MakeLooksAtScale(tileset, *background, panel, 92, 2);
    for (int round = 0; round < 2; ++round) {
      SCOPED_TRACE(background->path + (round ? ", from the store" : ", made and kept"));
      store.hits = 0;
      const LooksAtScale looks = MakeLooksAtScale(tileset, *background, panel, 92, 2, &store);
      kept.Flush();
      EXPECT_EQ(store.hits, round == 0 ? 0 : 4);
      EXPECT_EQ(looks.tilesetPicture, made.tilesetPicture);
      EXPECT_EQ(looks.tileSheet, made.tileSheet);
      EXPECT_EQ(looks.background, made.background);
      EXPECT_EQ(looks.panel, made.panel);
    }
  }
}

// The looks made ahead for the screen's scales are there to be found at the first change to one.
TEST(KeptArtwork, LooksMadeAheadAreFoundAtTheirScale) {
  Scratch scratch;
  const std::string data = VELMOR_DATA_DIR;
  const LookSource tileset{Picture(1, 1), data + "/Tilesets/pai.bmp"},
      board{Picture(1, 1), data + "/Backgrounds/kanji.bmp"}, panel{Picture(1, 1), data + "/hof.bmp"};
  KeptArtwork kept(scratch / "kept");
  CountingStore store(kept);
  EXPECT_EQ(ScalesAhead(3, 3840, 2400), (std::vector<int>{4, 2}));
  EXPECT_EQ(ScalesAhead(1, 1920, 1200), (std::vector<int>{2, 3}));
  EXPECT_EQ(ScalesAhead(2, 1024, 768), std::vector<int>{});
  store.MakeAhead([&](const std::atomic<bool>& stopping) {
    KeepLooksAhead(tileset, board, panel, 92, ScalesAhead(1, 1920, 1200), store, stopping);
  });
  kept.Flush();
  for (int scale : {2, 3}) {
    store.hits = 0;
    const LooksAtScale found = MakeLooksAtScale(tileset, board, panel, 92, scale, &store);
    EXPECT_EQ(store.hits, 4) << scale;
    EXPECT_EQ(found.background, MakeLooksAtScale(tileset, board, panel, 92, scale).background) << scale;
  }
}

TEST(KeptArtwork, AKeptFileThatIsDamagedOrOlderThanItsSourceIsNotUsed) {
  Scratch scratch;
  const std::string source = scratch / "look.png", folder = scratch / "kept";
  WriteFile(source, "the artwork");
  const Picture picture = Noise(37, 23, 1);
  auto keep = [&] {
    KeptArtwork store(folder);
    store.Keep(source, "board@2", picture);
    store.Flush();
    return KeptFiles(folder).at(0);
  };
  const fs::path file = keep();
  ASSERT_EQ(KeptFiles(folder).size(), 1u);
  const auto whole = fs::file_size(file);
  {
    KeptArtwork store(folder);
    const std::optional<Picture> found = store.Find(source, "board@2");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, picture);
    EXPECT_FALSE(store.Find(source, "panel@2"));
    EXPECT_FALSE(store.Find(scratch / "other.png", "board@2"));
  }
  // Each damage on a fresh copy of the kept file: the store finds nothing, and keeps it again.
  const std::pair<const char*, std::function<void()>> damages[] = {
      {"empty", [&] { fs::resize_file(file, 0); }},
      {"cut in the header", [&] { fs::resize_file(file, 100); }},
      {"cut in the pixels", [&] { fs::resize_file(file, whole - 5); }},
      {"longer", [&] { fs::resize_file(file, whole + 4); }},
      {"a pixel changed",
       [&] {
         std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(static_cast<std::streamoff>(whole - 7));
         f.put('\x5a');
       }},
      {"another mark",
       [&] {
         std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
         f.put('W');
       }},
      {"a larger width",
       [&] {
         std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(12);
         f.put('\x7f');
       }},
      {"the source rewritten", [&] { WriteFile(source, "the artwork, drawn again"); }},
      {"the source gone", [&] { fs::remove(source); }},
  };
  for (const auto& [name, damage] : damages) {
    SCOPED_TRACE(name);
    WriteFile(source, "the artwork");
    ASSERT_EQ(keep(), file);
    damage();
    KeptArtwork store(folder);
    EXPECT_FALSE(store.Find(source, "board@2"));
  }
  WriteFile(source, "the artwork");
  keep();
  EXPECT_EQ(KeptArtwork(folder).Find(source, "board@2"), picture);
}

TEST(KeptArtwork, TheFolderStaysUnderItsSizeLosingTheLeastRecentlyUsed) {
  Scratch scratch;
  const std::string source = scratch / "look.png", folder = scratch / "kept";
  WriteFile(source, "the artwork");
  const Picture picture = Noise(100, 100, 2);  // 40 kB and a page of header
  KeptArtwork store(folder, 3 * (40'000 + 4096));
  for (int i = 0; i < 6; ++i) {
    store.Keep(source, "panel@" + std::to_string(i), picture);
    store.Flush();
    // Timestamps may be a few milliseconds coarse: enough apart to tell which was used last.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(store.Find(source, "panel@0")) << i;  // used each time: never the one to go
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(KeptFiles(folder).size(), 3u);
  EXPECT_TRUE(store.Find(source, "panel@5"));
  EXPECT_FALSE(store.Find(source, "panel@1"));
}
