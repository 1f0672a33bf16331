#ifndef ROCKJAW_TESTS_PICTURES_H
#define ROCKJAW_TESTS_PICTURES_H

#include <SDL.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// A 32-bit software surface in the display's layout.
SDL_Surface* MakePicture(int w, int h);
// A surface whose every pixel is given by colour(x, y) as 0xRRGGBB.
SDL_Surface* MakePicture(int w, int h, const std::function<Uint32(int, int)>& colour);
void FillRgb(SDL_Surface* surface, Uint32 rgb);

const Uint32 kMagenta = 0xFF00FF;

// The display's pixels as 0xRRGGBB, row by row.
using Image = std::vector<Uint32>;
Image Snapshot(SDL_Surface* surface);

// What a blit of the source rectangle to (x, y) does, clipped to the picture
// and to the image, with `key` (0xRRGGBB, or -1 for none) left out.
void ModelBlit(Image& image, int imageW, int imageH, SDL_Surface* picture, int x, int y, int srcX,
               int srcY, int srcW, int srcH, long key);

// Counts the pixels that differ and reports the first one.
::testing::AssertionResult SameImage(const Image& expected, const Image& actual, int width);

#endif
