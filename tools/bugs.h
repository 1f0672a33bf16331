#ifndef ROCKJAW_TOOLS_BUGS_H
#define ROCKJAW_TOOLS_BUGS_H

#include "image.h"

// One bug fills a 35 × 40 cell; a sheet holds the four steps of its walk side
// by side.
constexpr int kBugWidth = 35;
constexpr int kBugHeight = 40;
constexpr int kWalkSteps = 4;

enum class BugKind {
    Crawler,   // kind A: a plain green beetle
    Chaser,    // kind B: red, with pincers
    Patroller, // kind C: long, wasp-striped
    Player,    // cyan, with a white heart and big eyes
};

enum class Heading { Up, Down };

Image renderBug(BugKind kind, int step, Heading heading);
// Row 0 heading up, then row 1 heading down when asked for.
Image renderBugSheet(BugKind kind, bool withHeadingDown);

#endif
