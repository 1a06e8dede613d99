// Where the window stood when the program last ended, and what start-up changed on the screen.
#pragma once

#include <cstdint>

namespace velmor {

struct WindowState {
  int32_t SavedLeft = 0, SavedTop = 0;  // the window's place at the last shutdown
  int32_t PreviousRes = 0;              // the screen width then: the place only counts on the same screen
  bool DisplayModeChanged = false;      // start-up switched to 800 x 600; shutdown switches back
  // The size the player gave the window (0 x 0: the natural one) and whether it was maximised.
  int32_t SavedWidth = 0, SavedHeight = 0;
  bool SavedMaximized = false;
  // No settings file yet: the window opens at a share of the screen rather than at its natural size.
  bool FirstStart = false;
};

}  // namespace velmor
