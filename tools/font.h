#ifndef ROCKJAW_TOOLS_FONT_H
#define ROCKJAW_TOOLS_FONT_H

#include "image.h"

// The text sheet: 16 × 16 cells, 16 to a row, for the codes 0 to 127, on
// black, which the game draws as see-through.
constexpr int kFontCell = 16;
constexpr int kFontColumns = 16;
constexpr int kFontCodes = 128;

// One code's cell, as it stands in the sheet. The game's pen moves only 9
// pixels a letter, and for some codes it reads the cell from its second
// column, so every glyph, outline included, keeps to columns 1 to 8.
Image renderGlyph(int code);
Image renderFontSheet();

#endif
