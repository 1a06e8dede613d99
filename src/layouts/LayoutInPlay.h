// The layout the board is dealt from: its shape, name and file, and its number in the layout list.
#pragma once

#include <cstdint>
#include <string>

#include "base/Say.h"
#include "board/LayoutShape.h"

namespace velmor {

// The name of a layout that came from outside the library, until its file gives one.
inline constexpr const char* ExternalLayoutName = VELMOR_TEXT("External Layout");

struct LayoutInPlay {
  LayoutShape Shape;
  std::string LayoutName = ExternalLayoutName;
  std::string LayoutPath;
  // The Layout menu's entry, 1-based; 100 and 101 while a flat game runs, -1 before the first choice.
  int32_t BoardNumber = -1;
  int32_t SavedLayoutNumber = 1;     // the layout a flat game returns to
  std::string RememberedLayoutFile;  // "LayoutFile" of the settings: wins over BoardNumber

  // While the editor builds a layout.
  int32_t TilesToPlace = 0;
  bool EditorStartedEmpty = false;  // "Create Layout": the first "Save" asks for a name
  bool SaveFailed = false;          // the last save could not write its file
};

}  // namespace velmor
