#include "game/MainFile.h"

static const int kChaseStep = 2;
static const int kPatrolStep = 4;
static const int kPatrolRightBound = 540;
static const int kPatrolLeftBound = 144;

// A step towards the target on one axis; level with it, the step is kept, so
// a chaser swings about the player's coordinate.
static void Chase(int from, int to, int& step)
{
    if (from < to)
        step = kChaseStep;
    else if (from > to)
        step = -kChaseStep;
}

// The step comes from the heading before the heading turns, so a turn shows
// one frame late and the bug overshoots its bound by one step.
static void Patrol(class Bug& bug)
{
    bug.dx = bug.patrolRight ? kPatrolStep : -kPatrolStep;
    if (bug.x > kPatrolRightBound)
        bug.patrolRight = 0;
    if (bug.x <= kPatrolLeftBound)
        bug.patrolRight = 1;
}

// The dead player is killed again by every enemy that touches it.
void CheckBugs()
{
    for (int slot = 1; slot < NumBug; ++slot) {
        class Bug& enemy = Bug[slot];
        if (enemy.state != 1)
            continue;
        if (CheckCollide(Bug[0].sprite, enemy.sprite) == 1)
            Bug[0].Kill();
        if (enemy.type == 1) {
            Chase(enemy.x, Bug[0].x, enemy.dx);
            Chase(enemy.y, Bug[0].y, enemy.dy);
        }
        if (enemy.type == 2)
            Patrol(enemy);
    }
}

static bool Touches(const Sprite& jaw, const Sprite& bug)
{
    return CheckCollide(jaw, bug) == 1;
}

// 10: caught between both jaws of a row, whatever the row is doing;
// 1 … 6: touching one jaw of a row that is not opening, top-left first; 0: clear.
int BHitBug(int slot)
{
    const class Bug& bug = Bug[slot];
    if (bug.state == 0)
        return 0;
    for (const Boulder* row : BoulderRows)
        if (Touches(row->left, bug.sprite) && Touches(row->right, bug.sprite))
            return 10;
    for (int r = 0; r < 3; ++r) {
        const Boulder& row = *BoulderRows[r];
        if (row.state == -1)
            continue;
        if (Touches(row.left, bug.sprite))
            return 2 * r + 1;
        if (Touches(row.right, bug.sprite))
            return 2 * r + 2;
    }
    return 0;
}
