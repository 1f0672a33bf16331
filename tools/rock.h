#ifndef ROCKJAW_TOOLS_ROCK_H
#define ROCKJAW_TOOLS_ROCK_H

#include <cstdint>

#include "image.h"

// A lumpy, lit, cracked boulder filling a size × size square, magenta around.
Image renderBoulder(int size, std::uint64_t seed);

#endif
