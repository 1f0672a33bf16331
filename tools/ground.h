#ifndef ROCKJAW_TOOLS_GROUND_H
#define ROCKJAW_TOOLS_GROUND_H

#include "image.h"

constexpr int kFieldWidth = 720;
constexpr int kFieldHeight = 540;
// The boulder rows: 75 pixels tall, their tops at these heights.
constexpr int kLaneHeight = 75;
constexpr int kLaneTops[] = {75, 225, 375};

// The playing field: soil, moss, pebbles and grass, with the three rows worn
// into dark tracks and a slate plaque behind the score at the top right.
Image renderGround();

#endif
