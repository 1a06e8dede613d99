#include "board/TileNames.h"

namespace velmor {

std::string FaceName(int face) {
  // The order of the faces in the tile pictures and the help's tile page.
  static const char* const dragons[] = {"Red Dragon", "Green Dragon", "White Dragon"};
  static const char* const winds[] = {"East Wind", "South Wind", "West Wind", "North Wind"};
  static const char* const flowers[] = {"Plum", "Orchid", "Chrysanthemum", "Bamboo"};
  static const char* const seasons[] = {"Spring", "Summer", "Autumn", "Winter"};
  if (face < 1 || face > FaceTotal) return "";
  if (face <= 9) return "Crak " + std::to_string(face);
  if (face <= 18) return "Bamboo " + std::to_string(face - 9);
  if (face <= 27) return "Dot " + std::to_string(face - 18);
  if (face <= 31) return std::string("Flower: ") + flowers[face - 28];
  if (face <= 35) return std::string("Season: ") + seasons[face - 32];
  if (face <= 38) return dragons[face - 36];
  return winds[face - 39];
}

std::string TileDescription(const TileState& state, const Place& place) {
  std::string text = state.free ? "free" : "blocked";
  if (state.picked) text += ", picked";
  if (state.hinted) text += ", hinted";
  return text + ", layer " + std::to_string(place.layer) + ", row " + std::to_string(place.row) + ", column " +
         std::to_string(place.column);
}

}  // namespace velmor
