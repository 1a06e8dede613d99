// Heaps read from KMahjongg layouts and GNOME Mahjongg maps, written here from known shapes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestSupport.h"
#include "layouts/ImportLayout.h"
#include "shell/CommandLine.h"

using namespace velmor;
using namespace velmor::test;

namespace {

struct Bounds {
  int left = LayoutShape::Columns, right = 0, top = LayoutShape::Rows, bottom = 0;  // right and bottom exclusive
};

Bounds BoundsOf(const LayoutShape& s) {
  Bounds b;
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int r = 0; r < LayoutShape::Rows; ++r)
      for (int c = 0; c < LayoutShape::Columns; ++c)
        if (s.at(l, r, c)) {
          b.left = std::min(b.left, c), b.right = std::max(b.right, c + 2);
          b.top = std::min(b.top, r), b.bottom = std::max(b.bottom, r + 2);
        }
  return b;
}

// The shape moved so its tiles start at column 0, row 0.
LayoutShape Normalized(const LayoutShape& s) {
  const Bounds b = BoundsOf(s);
  LayoutShape out;
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int r = b.top; r < LayoutShape::Rows; ++r)
      for (int c = b.left; c < LayoutShape::Columns; ++c) out.at(l, r - b.top, c - b.left) = s.at(l, r, c);
  return out;
}

// Centred on the board; an odd half tile to spare goes right or down.
void ExpectCentred(const LayoutShape& s) {
  const Bounds b = BoundsOf(s);
  EXPECT_EQ(b.left, LayoutShape::Columns - b.right - (LayoutShape::Columns - b.right + b.left) % 2);
  EXPECT_EQ(b.top, LayoutShape::Rows - b.bottom - (LayoutShape::Rows - b.bottom + b.top) % 2);
}

// A KMahjongg layout of the shape, its tiles `dx`, `dy` half tiles in from the corner of a board
// of the given size; the 1.0 format has its fixed size and no size lines.
std::string KMahjonggText(const LayoutShape& shape, bool v11, int width, int height, int dx, int dy) {
  const int depth = 5;
  const Bounds b = BoundsOf(shape);
  std::vector<std::string> cells(static_cast<size_t>(depth * height), std::string(static_cast<size_t>(width), '.'));
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int r = 0; r < LayoutShape::Rows; ++r)
      for (int c = 0; c < LayoutShape::Columns; ++c) {
        if (!shape.at(l, r, c)) continue;
        const size_t x = static_cast<size_t>(c - b.left + dx), y = static_cast<size_t>(r - b.top + dy);
        std::string& upper = cells[static_cast<size_t>((l - 1) * height) + y];
        std::string& lower = cells[static_cast<size_t>((l - 1) * height) + y + 1];
        upper[x] = '1', upper[x + 1] = '2', lower[x + 1] = '3', lower[x] = '4';
      }
  std::string text = v11 ? "kmahjongg-layout-v1.1\n# a comment\nw" + std::to_string(width) + "\nh" +
                               std::to_string(height) + "\r\nd" + std::to_string(depth) + "\n"
                         : "kmahjongg-layout-v1.0\n# a comment\n";
  for (size_t i = 0; i < cells.size(); ++i) {
    text += cells[i] + (i % 2 ? "\r\n" : "\n");
    if (i == 17) text += "# a comment among the rows\n";
  }
  return text;
}

std::string Tiles(int halves) { return std::to_string(halves / 2) + (halves % 2 ? ".5" : ""); }

// A GNOME Mahjongg map of the shape, one <tile> per place, away from the origin.
std::string MapOf(const LayoutShape& shape, const std::string& name) {
  std::string text = "  <map name=\"" + name + "\" scorename=\"x\">\n";
  for (int l = 1; l <= LayoutShape::Layers; ++l)
    for (int r = 0; r < LayoutShape::Rows; ++r)
      for (int c = 0; c < LayoutShape::Columns; ++c)
        if (shape.at(l, r, c))
          text +=
              "    <tile x=\"" + Tiles(c + 3) + "\" y=\"" + Tiles(r + 1) + "\" z=\"" + std::to_string(l - 1) + "\"/>\n";
  return text + "  </map>\n";
}

std::vector<ImportedHeap> Import(const std::string& text, const std::string& path = "/some/where/Heap.layout") {
  std::vector<ImportedHeap> heaps;
  std::string error;
  EXPECT_TRUE(ImportLayoutText(text, path, heaps, error)) << error;
  return heaps;
}

// The heap of the layer tests below, written with every kind of element, comments, both quote
// styles and attributes in any order: 72 tiles on the bottom, 71 above and one on the third
// layer, half a tile out right and down so the heap is an odd number of half tiles across and down.
const char* const Elements = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE mahjongg [ <!ENTITY x "y"> ]>
<mahjongg>
  <!-- a comment is no tile: <tile x="0" y="0" z="0"/> -->
  <map scorename='e' name="Salt &amp; Pepper">
    <block left="0" right="11" top="0" bottom="4" z="0" />
    <ROW Left = '0' y="5" right="11"/>
    <layer z="1">
      <block top="0" bottom="4" left="0" right="11"></block>
      <row left="0" right="5" y="5"/>
      <column x="6" top="5" bottom="5"/><column x="7" top="5" bottom="5"/>
      <tile x="8" y="5"/><tile x="9" y="5"/>
      <tile
          x = "10"   y='5'/>
    </layer>
    <tile x="11.5" y="5.5" z="2"/>
  </map>
</mahjongg>
)";

}  // namespace

TEST(ImportLayout, HeapsOfEveryShippedLayoutComeBackPlaceForPlaceAndCentred) {
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DataDir() + "/Layouts")) {
    const std::string file = entry.path().string();
    LayoutShape shipped;
    std::string name;
    LayoutRefusal refusal;
    if (!ReadPlayableLayout(file, IsShpPath(file), shipped, name, refusal) || shipped.Count() != 144) continue;
    const Bounds b = BoundsOf(shipped);
    std::vector<std::string> texts = {KMahjonggText(shipped, true, b.right - b.left + 5, b.bottom - b.top + 3, 2, 1),
                                      "<mahjongg>\n" + MapOf(shipped, "Copy") + "</mahjongg>\n"};
    if (b.right - b.left <= 32 && b.bottom - b.top <= 16) texts.push_back(KMahjonggText(shipped, false, 32, 16, 0, 0));
    for (const std::string& text : texts) {
      SCOPED_TRACE(file + "\n" + text.substr(0, 40));
      const auto heaps = Import(text);
      ASSERT_EQ(heaps.size(), 1u);
      ASSERT_TRUE(heaps[0].imported) << heaps[0].refusal;
      EXPECT_EQ(heaps[0].name, text[0] == '<' ? "Copy" : "Heap");
      EXPECT_TRUE(Normalized(heaps[0].shape) == Normalized(shipped));
      ExpectCentred(heaps[0].shape);
      ++compared;
    }
  }
  EXPECT_GE(compared, 8);
  // The shipped heap is centred the same way, so it comes back on the very same places.
  EXPECT_TRUE(Import(KMahjonggText(TraditionalShape(), false, 32, 16, 0, 0))[0].shape == TraditionalShape());
}

TEST(ImportLayout, MapElementsStepAWholeTileAndTakeTheirLayer) {
  // The same heap again as one <tile> per place must give the very same shape.
  LayoutShape expected;
  for (int x = 0; x < 12; ++x)
    for (int y = 0; y < 6; ++y) {
      expected.at(1, 2 * y, 2 * x) = 1;
      if (y < 5 || x < 11) expected.at(2, 2 * y, 2 * x) = 1;
    }
  expected.at(3, 11, 23) = 1;
  std::string text = Elements;
  text.insert(text.rfind("</mahjongg>"), MapOf(expected, "One by one"));
  const auto heaps = Import(text);
  ASSERT_EQ(heaps.size(), 2u);
  EXPECT_EQ(heaps[0].name, "Salt & Pepper");
  EXPECT_EQ(heaps[1].name, "One by one");
  ASSERT_TRUE(heaps[0].imported) << heaps[0].refusal;
  ASSERT_TRUE(heaps[1].imported) << heaps[1].refusal;
  EXPECT_TRUE(heaps[0].shape == heaps[1].shape);
  EXPECT_TRUE(Normalized(heaps[0].shape) == Normalized(expected));
  ExpectCentred(heaps[0].shape);
}

TEST(ImportLayout, EachMapIsRefusedOnItsOwnWithItsReason) {
  const std::string good = "<map name='Good'><block left='0' right='15' top='0' bottom='8'/></map>";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<map name='Short'><block left='0' right='11' top='0' bottom='10'/></map>", "132 tiles"},
      {"<map name='Endless'><row left='0' right='999999' y='0'/><row left='0' right='999999' y='1'/></map>",
       "2000000 tiles"},
      {"<map name='Wide'><block left='0' right='17' top='0' bottom='7'/></map>", "36 half tiles wide"},
      {"<map name='Tall'><block left='0' right='7' top='0' bottom='17'/></map>", "36 half tiles high"},
      {"<map name='Tower'><layer z='5'><block left='0' right='3' top='0' bottom='5'/></layer>"
       "<block left='0' right='11' top='0' bottom='9'/></map>",
       "6 layers"},
      {"<map name='Sunk'><tile x='0' y='0' z='-1'/><block left='0' right='10' top='0' bottom='12'/></map>",
       "below the bottom layer"},
      {"<map name='Crowded'><block left='0' right='15' top='0' bottom='7'/><row left='0' right='15' y='7.5'/></map>",
       "two tiles overlap on layer 1"},
      {"<map name='Twice'><block left='0' right='15' top='0' bottom='7'/><row left='0' right='15' y='7'/></map>",
       "two tiles overlap"},
      {"<map name='Words'><tile x='one' y='0'/></map>", "x=\"one\", which is not a coordinate"},
      {"<map name='Huge'><tile x='1e9' y='0'/></map>", "not a coordinate"},
  };
  std::string text = "<mahjongg>" + good;
  for (const auto& c : cases) text += "\n" + c.first;
  text += good + "<map name='Cut'><tile x='0' y='0'/><tile x='2' y='0";  // the file breaks off
  const auto heaps = Import(text);
  ASSERT_EQ(heaps.size(), cases.size() + 3);
  EXPECT_TRUE(heaps.front().imported);
  EXPECT_TRUE(heaps[heaps.size() - 2].imported);
  for (size_t i = 0; i < cases.size(); ++i) {
    const ImportedHeap& heap = heaps[i + 1];
    EXPECT_FALSE(heap.imported) << heap.name;
    EXPECT_NE(heap.refusal.find(cases[i].second), std::string::npos) << heap.name << ": " << heap.refusal;
  }
  EXPECT_EQ(heaps.back().name, "Cut");
  EXPECT_FALSE(heaps.back().imported);
  EXPECT_NE(heaps.back().refusal.find("file ends"), std::string::npos) << heaps.back().refusal;
}

TEST(ImportLayout, BrokenOrForeignFilesAreRefusedWholeWithAMessage) {
  const std::string layout = KMahjonggText(TraditionalShape(), true, 34, 18, 1, 1);
  std::string longer = layout;
  longer.insert(longer.find("\n", longer.find("d5")) + 1, "..\n");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "neither"},
      {std::string(5000, '\x01'), "neither"},
      {"kmahjongg-layout-v2.0\n", "version"},
      {longer, "cells instead of 34 x 18 x 5"},
      {"kmahjongg-layout-v1.1\nw99999999999999999999\n", "size line"},
      {"kmahjongg-layout-v1.1\nw4\nh4\n", "width, height and depth"},
      {"<mahjongg><!-- <map name='a'></map> --></mahjongg>", "no <map>"},
      {"<mahjongg><!-- never closed", "ends inside a comment"},
      {std::string(100000, '<') + "map", "never closed"},
  };
  for (const auto& [text, message] : cases) {
    std::vector<ImportedHeap> heaps;
    std::string error;
    EXPECT_FALSE(ImportLayoutText(text, "x.layout", heaps, error)) << text.substr(0, 30);
    EXPECT_NE(error.find(message), std::string::npos) << error;
  }
}

TEST(ImportLayout, AFileCutShortNeverImportsPartOfAHeap) {
  const std::string texts[] = {Elements, KMahjonggText(TraditionalShape(), true, 33, 17, 0, 0)};
  for (const std::string& text : texts) {
    const LayoutShape whole = Import(text).at(0).shape;
    for (size_t cut = 0; cut < text.size(); cut += 7) {
      std::vector<ImportedHeap> heaps;
      std::string error;
      ImportLayoutText(text.substr(0, cut), "Cut.layout", heaps, error);
      for (const ImportedHeap& heap : heaps)
        if (heap.imported) {
          EXPECT_TRUE(heap.shape == whole) << cut;
        }
    }
  }
  // Nesting as deep as the file is long costs nothing.
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  const auto heaps = Import(deep + "<map name='Deep'/>");
  ASSERT_EQ(heaps.size(), 1u);
  EXPECT_NE(heaps[0].refusal.find("0 tiles"), std::string::npos) << heaps[0].refusal;
}

TEST(ImportLayout, FileNamesAreSafeAndSavedHeapsPlay) {
  const std::string longName(300, 'a');
  std::string accents = "x";
  for (int i = 0; i < 150; ++i) accents += "\xC3\xA9";  // two bytes each: the cut must not split one
  for (const std::string& name : std::vector<std::string>{"Plain", "../../etc/passwd", ".hidden", "...", "", "  ",
                                                          "a/b\\c\td", longName, accents}) {
    const std::string file = ImportedLayFileName(name);
    SCOPED_TRACE(name);
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), ".lay");
    EXPECT_LE(file.size(), 255u);
    EXPECT_NE(file[0], '.');
    EXPECT_NE(file[0], ' ');
    EXPECT_EQ(file.find_first_of("/\\\t"), std::string::npos);
    EXPECT_NE(static_cast<unsigned char>(file[file.size() - 5]) & 0xC0, 0xC0);  // no half a character
  }
  EXPECT_EQ(ImportedLayFileName("Plain"), "Plain.lay");

  ScratchFolder dir;
  const ImportedHeap heap = Import(KMahjonggText(TraditionalShape(), false, 32, 16, 0, 0)).at(0);
  const std::string path = dir.path() + ImportedLayFileName(heap.name);
  std::string error;
  ASSERT_TRUE(SaveImportedHeap(path, heap.name, heap, error)) << error;
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  ASSERT_TRUE(ReadPlayableLayout(path, false, shape, name, refusal)) << refusal.reason;
  EXPECT_EQ(name, "Heap");
  EXPECT_TRUE(shape == heap.shape);
  ImportedHeap refused = heap;
  refused.imported = false;
  EXPECT_FALSE(SaveImportedHeap(dir.path() + "No.lay", "No", refused, error));
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "No.lay"));
}

TEST(ImportLayout, AKMahjonggLayoutIsNamedByTheDesktopFileBesideItElseByItsFileNameAsWords) {
  ScratchFolder dir;
  const std::string layout = KMahjonggText(TraditionalShape(), false, 32, 16, 0, 0);
  dir.Write("kmj/lantern_hall.desktop",
            "# written for this test\n[Elsewhere]\nName=Not this group\n\n[KMahjonggLayout]\n"
            "Name[de]=Laternenhalle\nName = Lantern\\sHall\r\nFileName=lantern_hall.layout\n");
  dir.Write("kmj/nameless.desktop", "[KMahjonggLayout]\nName[de]=Namenlos\nFileName=nameless.layout\n");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"lantern_hall.layout", "Lantern Hall"},  // the untranslated name of the right group
      {"nameless.layout", "Nameless"},          // a .desktop without a name of its own
      {"old__tower_2.layout", "Old Tower 2"},   // none at all
      {"up&down.layout", "Up&down"}};
  for (const auto& [file, name] : cases) {
    std::vector<ImportedHeap> heaps;
    std::string error;
    ASSERT_TRUE(ImportLayoutFile(dir.Write("kmj/" + file, layout), heaps, error)) << error;
    ASSERT_EQ(heaps.size(), 1u);
    EXPECT_EQ(heaps[0].name, name);
    EXPECT_EQ(heaps[0].origin, ImportOrigin::KMahjongg);
  }
  // A GNOME Mahjongg map keeps its map's name.
  EXPECT_EQ(Import("<mahjongg><map name='lantern_hall'/></mahjongg>", dir.path() + "kmj/x.map").at(0).name,
            "lantern_hall");
}

TEST(ImportLayout, AHeapWithAShippedLayoutsNameIsToldApartByItsOriginEverywhereItIsNamed) {
  for (const auto& entry : std::filesystem::directory_iterator(DataDir() + "/Layouts"))
    if (entry.path().extension() == ".lay" || entry.path().extension() == ".shp") {
      EXPECT_TRUE(IsShippedLayoutName(entry.path().stem().string())) << entry.path();
    }
  EXPECT_FALSE(IsShippedLayoutName("Inner Circle"));

  auto heap = [](std::string name, ImportOrigin origin) {
    return ImportedHeap{std::move(name), origin, true, TraditionalShape(), ""};
  };
  std::vector<ImportedHeap> heaps = {
      heap("Crab", ImportOrigin::KMahjongg),        heap("crab", ImportOrigin::GnomeMahjongg),
      heap(".Spiral", ImportOrigin::GnomeMahjongg), heap("Inner Circle", ImportOrigin::KMahjongg),
      heap("Easy", ImportOrigin::GnomeMahjongg),    heap("easy", ImportOrigin::GnomeMahjongg),
      heap("Easy", ImportOrigin::GnomeMahjongg)};
  heaps[4].imported = false;  // a refused heap takes no name from the next
  const std::vector<ImportedLayout> layouts = ImportedLayouts(heaps);
  std::vector<std::string> names;
  for (const ImportedLayout& l : layouts) {
    names.push_back(l.name);
    EXPECT_EQ(l.file, l.name + ".lay");
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Crab (KMahjongg)", "crab (GNOME Mahjongg)", "Spiral (GNOME Mahjongg)",
                                             "Inner Circle", "Easy", "easy", "Easy (2)"}));

  // Saved, it is listed, kept in the Hall of Fame and played under that name, beside the shipped one.
  ScratchFolder dir;
  std::string error;
  ASSERT_TRUE(SaveImportedHeap(dir.path() + layouts[0].file, layouts[0].name, heaps[0], error)) << error;
  LayoutLibrary library;
  std::vector<std::string> leftOut;
  library.Scan(DataDir() + "/Layouts/", dir.path(), leftOut);
  const int number = StartRequest{.layout = "crab (kmahjongg)"}.LayoutNumber(library);
  ASSERT_NE(number, 0);
  EXPECT_EQ(library[number].name, "Crab (KMahjongg)");
  EXPECT_EQ(HallKeyOf(library, number), "Crab (KMahjongg).lay");
  EXPECT_EQ(library[StartRequest{.layout = "Crab"}.LayoutNumber(library)].folder, DataDir() + "/Layouts/");
  LayoutShape shape;
  std::string name;
  LayoutRefusal refusal;
  ASSERT_TRUE(ReadPlayableLayout(library[number].Path(), false, shape, name, refusal)) << refusal.reason;
  EXPECT_EQ(name, "Crab (KMahjongg)");
}
