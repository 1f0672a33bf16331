#include "actors/Sprite.h"

#include "engine/GameEngine.h"

void Sprite::LoadImageA(SDL_Surface* surface, int cellWidth, int cellHeight, int lastFrame)
{
    image = surface;
    width = cellWidth;
    height = cellHeight;
    frames = lastFrame;
    animate = 0;
    frame = 0;
    layer = 0;
}

void Sprite::SetAnimation(int n)
{
    delay = n;
    delayReset = n;
}

void Sprite::SetAnimationOn()
{
    animate = 1;
}

void Sprite::SetAnimationOff()
{
    animate = 0;
}

void Sprite::SetLayer(int n)
{
    layer = n;
}

void Sprite::SetPosition(int newX, int newY)
{
    x = newX;
    y = newY;
}

void Sprite::NextFrame()
{
    frame = frame < frames ? frame + 1 : 0;
}

void Sprite::Update(GameEngine* engine)
{
    if (frames == 0) {
        engine->DrawImage(image, x, y, 0);
        return;
    }
    // The column drawn is the one current before the step.
    engine->DrawImagePart(image, x, y, width * frame, height * layer, width, height, 0);
    if (animate != 1)
        return;
    if (delay == 0) {
        NextFrame();
        delay = delayReset;
    } else {
        --delay;
    }
}

static bool InRange(int value, int low, int extent)
{
    return value >= low && value <= low + extent;
}

int CheckCollide(Sprite a, Sprite b)
{
    const bool across = InRange(a.x, b.x, b.width) || InRange(b.x, a.x, a.width);
    if (!across)
        return 0;
    const bool down = InRange(a.y, b.y, b.height) || InRange(b.y, a.y, a.height);
    return down ? 1 : 0;
}
