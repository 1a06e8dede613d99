#include <gtest/gtest.h>

#include "base/Say.h"

namespace velmor {
namespace {

// The window finds a pattern again in the finished text, so filling must leave the pattern's own
// letters alone and put every value in whole, once, even when a value looks like a hole itself.
TEST(Say, FillPutsEachValueInItsHoleOnce) {
  EXPECT_EQ(Fill("Game %1 of %2: \"%3\" is 100%", 5, std::string("x%1"), "Cat"), "Game 5 of x%1: \"Cat\" is 100%");
  EXPECT_EQ(Fill("%2 before %1", -3L, 7u), "7 before -3");
  EXPECT_EQ(Fill("%1 and %3", "a"), "a and %3");
  EXPECT_EQ(Fill(VELMOR_TEXT("No holes.")), "No holes.");
}

}  // namespace
}  // namespace velmor
