#include "actors/Boulder.h"

void Boulder::SetBoulders(SDL_Surface* surface, int rowY)
{
    leftImage = surface;
    rightImage = surface;
    left.LoadImageA(leftImage, 75, 75, 0);
    right.LoadImageA(rightImage, 75, 75, 0);
    y = rowY;
}

// The sprites are placed and drawn before the row moves, so they lag one step
// behind leftX and rightX: the hit tests later in the frame see the jaws where
// they were drawn. Coming to rest keeps the speeds, so a rested row creeps
// 6 pixels outside its edges and needs a few frames of its key to close
// again; that is how the game has always played.
void Boulder::Update(GameEngine* engine)
{
    left.SetPosition(leftX, y);
    right.SetPosition(rightX, y);
    left.Update(engine);
    right.Update(engine);
    if (state == 1) {
        leftSpeed += 1;
        rightSpeed += 1;
    }
    if (leftX >= rightX - 75 && state == 1) {
        state = -1;
        leftSpeed = 0;
        rightSpeed = 0;
    }
    if (state == -1) {
        if (delay == 15) {
            leftSpeed -= 1;
            rightSpeed -= 1;
            delay = 0;
        } else {
            delay += 1;
        }
    }
    if (leftX < 0) {
        leftX = 0;
        state = 0;
    }
    if (rightX > 645)
        rightX = 645;
    leftX += leftSpeed;
    rightX -= rightSpeed;
}
