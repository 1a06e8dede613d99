#include "board/TileNames.h"

#include "base/Say.h"

namespace velmor {

namespace {

// The order of the faces in the tile pictures and the help's tile page. A flower or season is
// named whole, since a translation may word the pair differently.
constexpr const char* Suits[] = {VELMOR_TEXT("Crak %1"), VELMOR_TEXT("Bamboo %1"), VELMOR_TEXT("Dot %1")};
constexpr const char* Flowers[] = {VELMOR_TEXT("Flower: Plum"), VELMOR_TEXT("Flower: Orchid"),
                                   VELMOR_TEXT("Flower: Chrysanthemum"), VELMOR_TEXT("Flower: Bamboo")};
constexpr const char* Seasons[] = {VELMOR_TEXT("Season: Spring"), VELMOR_TEXT("Season: Summer"),
                                   VELMOR_TEXT("Season: Autumn"), VELMOR_TEXT("Season: Winter")};
constexpr const char* Dragons[] = {VELMOR_TEXT("Red Dragon"), VELMOR_TEXT("Green Dragon"), VELMOR_TEXT("White Dragon")};
constexpr const char* Winds[] = {VELMOR_TEXT("East Wind"), VELMOR_TEXT("South Wind"), VELMOR_TEXT("West Wind"),
                                 VELMOR_TEXT("North Wind")};

// Every combination of a tile's state whole, indexed by free, picked and hinted as bits.
constexpr const char* States[] = {VELMOR_TEXT("blocked"),
                                  VELMOR_TEXT("free"),
                                  VELMOR_TEXT("blocked, picked"),
                                  VELMOR_TEXT("free, picked"),
                                  VELMOR_TEXT("blocked, hinted"),
                                  VELMOR_TEXT("free, hinted"),
                                  VELMOR_TEXT("blocked, picked, hinted"),
                                  VELMOR_TEXT("free, picked, hinted")};
constexpr const char* Description = VELMOR_TEXT("%1, layer %2, row %3, column %4");

}  // namespace

std::string FaceName(int face) {
  if (face < 1 || face > FaceTotal) return "";
  if (face <= 27) return Fill(Suits[(face - 1) / 9], (face - 1) % 9 + 1);
  if (face <= 31) return Flowers[face - 28];
  if (face <= 35) return Seasons[face - 32];
  if (face <= 38) return Dragons[face - 36];
  return Winds[face - 39];
}

std::string TileDescription(const TileState& state, const Place& place) {
  const int index = (state.free ? 1 : 0) | (state.picked ? 2 : 0) | (state.hinted ? 4 : 0);
  return Fill(Description, States[index], place.layer, place.row, place.column);
}

}  // namespace velmor
