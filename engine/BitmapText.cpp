#include <cstdio>
#include <cstring>

#include "engine/GameEngine.h"

static const int kGlyphSize = 16;
static const int kPenAdvance = 9;

void GameEngine::DText(const char* text, int x, int y, int)
{
    const int length = static_cast<int>(std::strlen(text));
    int pen = x;
    for (int k = 0; k < length; ++k) {
        // Codes are signed: bytes 128 … 255 land above the sheet and draw nothing.
        const int v = static_cast<signed char>(text[k]) + 16;
        const int column = v % 16;
        const int row = v / 16;
        pen += kPenAdvance;
        int sourceX = kGlyphSize * column;
        const int sourceY = kGlyphSize * row - kGlyphSize;
        // Glyphs in the sheet's first column are read one pixel to the right,
        // so they land one pixel further left; the sheet is drawn for that.
        if (sourceX == 0)
            sourceX = 1;
        if (font)
            SetColorKey(font, SDL_MapRGB(font->format, 0, 0, 0));
        DrawImagePart(font, pen, y, sourceX, sourceY, kGlyphSize, kGlyphSize, 1);
    }
}

void GameEngine::DrawNum(int value, int x, int y)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    DText(digits, x, y, 0);
}
