#ifndef ROCKJAW_TOOLS_SPLASH_H
#define ROCKJAW_TOOLS_SPLASH_H

#include <cstdint>

#include "image.h"

// The title picture: "ROCKJAW" in chunky stone, a pair of jaws closing on a
// bug, and a call to arms, magenta around. The game draws it at (75, 100) on
// black, above the key help that starts at y 460.
constexpr int kSplashWidth = 570;
constexpr int kSplashHeight = 300;

// The boulder in the picture is the game's own, grown from the same seed.
Image renderSplash(std::uint64_t boulderSeed);

#endif
