#pragma once

#include "Tune.h"

#include <vector>

namespace musicgen {

// Every tune the game ships, in the order they are written.
std::vector<Tune> tunes();

}  // namespace musicgen
