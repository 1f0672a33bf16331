#include "actors/Bug.h"

#include "game/MainFile.h"

Bug::Bug() : state(0), x(200), y(200), dx(0), dy(0) {}

void Bug::Create(SDL_Surface* surface, int startX, int startY, int layer)
{
    image = surface;
    sprite.LoadImageA(image, 35, 40, 3);
    sprite.SetAnimation(2);
    sprite.SetAnimationOn();
    x = startX;
    y = startY;
    sprite.layer = layer;
    state = 1;
}

// The dead pictures were loaded once at start-up: the dead player is killed
// again by every enemy touching it, every frame, so nothing is taken per call.
void Bug::Kill()
{
    image = type == -1 ? BitDeadPlayer : BitDead;
    sprite.LoadImageA(image, 35, 40, 0);
    sprite.frame = 0;
    sprite.layer = 0;
    sprite.SetAnimationOff();
    state = -1;
}

static void WrapVertically(int& y)
{
    if (y + 40 > 540)
        y = 0;
    if (y < -51)
        y = 500;
}

// Keeps the bug's box between the resting jaws and inside the field.
static void ClampToField(int& x, int& y)
{
    if (y + 40 > 540)
        y = 500;
    if (y < 0)
        y = 0;
    if (x <= 74)
        x = 75;
    if (x + 35 > 645)
        x = 610;
}

void Bug::Update(GameEngine* engine)
{
    if (state == 1) {
        x += dx;
        y += dy;
        if (type == 0 || type == 2)
            WrapVertically(y);
        if (type == 1 || type == -1)
            ClampToField(x, y);
    }
    sprite.SetPosition(x, y);
    sprite.Update(engine);
}
