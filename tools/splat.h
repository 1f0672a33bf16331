#ifndef ROCKJAW_TOOLS_SPLAT_H
#define ROCKJAW_TOOLS_SPLAT_H

#include <cstdint>

#include "image.h"

// A squashed bug: a wet, glossy puddle of `goo` with flung drops and broken
// legs, in a bug's 35 × 40 cell, magenta around.
Image renderSplat(Rgb goo, Rgb legs, std::uint64_t seed);

#endif
