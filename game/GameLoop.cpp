#include "engine/GameEngine.h"
#include "game/HighScore.h"
#include "game/MainFile.h"

static int PointsFor(int type)
{
    switch (type) {
    case 0:
        return 10;
    case 1:
        return 50;
    case 2:
        return 25;
    default:
        return 0; // the player scores nothing for being squashed
    }
}

static void UpdateBugsInState(GameEngine* engine, int state)
{
    for (int slot = 1; slot < NumBug; ++slot)
        if (Bug[slot].state == state)
            Bug[slot].Update(engine);
    if (Bug[0].state == state)
        Bug[0].Update(engine);
}

static void Squash(int slot)
{
    points += PointsFor(Bug[slot].type);
    Bug[slot].Kill();
    if (Squish)
        Mix_PlayChannelTimed(0, Squish, 0, -1);
}

// Sets the bug against the inner face of the one jaw it touches.
static void PushAside(int slot, int answer)
{
    const Boulder& row = *BoulderRows[(answer - 1) / 2];
    if (answer % 2 == 1)
        Bug[slot].x = row.left.x + 75;
    else
        Bug[slot].x = row.right.x - 35;
}

static void ApplyBoulderHits()
{
    for (int slot = 0; slot < maxbugs; ++slot) {
        const int answer = BHitBug(slot);
        if (Bug[slot].state != 1 || answer <= 0)
            continue;
        if (answer == 10)
            Squash(slot);
        else
            PushAside(slot, answer);
    }
}

static void RunSpawnStep()
{
    switch (bugC) {
    case 0:
    case 3:
        CreateA(BitBug00);
        break;
    case 1:
    case 2:
    case 4:
        CreateA(BitBug00);
        CreateC(BitBug02);
        break;
    default:
        CreateB(BitBug01);
        break;
    }
}

// The interval is 200 frames less one for every 10 points, down to 50.
static void Spawn()
{
    if (NumBug < maxbugs && fFrame % (200 - reduce) == 0) {
        RunSpawnStep();
        bugC += 1;
        if (bugC > 5)
            bugC = 0;
    }
}

static void RecycleIfNoEnemyLives()
{
    for (int slot = 1; slot < maxbugs; ++slot)
        if (Bug[slot].state == 1)
            return;
    ResetAllBugs();
}

static void AdvanceFrameCounter()
{
    fFrame = fFrame == 4000 ? 1 : fFrame + 1;
}

// The high score is raised after it is drawn, so a new one shows a frame later.
static void DrawScoreLines(GameEngine* engine)
{
    engine->DText("Score:", 600, 0, 0);
    engine->DrawNum(points, 650, 20);
    engine->DText("High Score:", 600, 40, 0);
    engine->DrawNum(HighScore, 650, 60);
    if (points > HighScore)
        HighScore = points;
}

static void UpdateWorld(GameEngine* engine)
{
    UpdateBugsInState(engine, -1); // the dead lie under the living
    UpdateBugsInState(engine, 1);
    for (Boulder* row : BoulderRows) // over the bugs, top to bottom
        row->Update(engine);
    ApplyBoulderHits();
    if (Bug[0].state != 1)
        GameOver = 1;
    CheckBugs();
    Spawn();
    RecycleIfNoEnemyLives();
    AdvanceFrameCounter();
    DrawScoreLines(engine);
}

static void DrawGameOver(GameEngine* engine)
{
    engine->DText("GAME OVER!", 300, 50, 0);
    engine->DText("Your Score Was:", 280, 440, 0);
    engine->DrawNum(points, 300, 460);
    if (points >= HighScore && points > 0) {
        engine->DText("A New Highscore!", 280, 250, 0);
        SaveHighScore(points);
    }
}

static void DrawTitleLines(GameEngine* engine)
{
    engine->DText("Q - Crush Top Boulders", 100, 460, 0);
    engine->DText("A - Crush Middle Boulders", 100, 480, 0);
    engine->DText("Z - Crush Bottom Boulders", 100, 500, 0);
    engine->DText("Arrow Keys - Move Player", 400, 480, 0);
}

void GameLoop(GameEngine* engine)
{
    reduce = points / 10;
    if (reduce > 150)
        reduce = 150;
    if (GameOver == 0 || GameOver == 1)
        UpdateWorld(engine);
    if (GameOver == 1)
        DrawGameOver(engine);
    if (GameOver == 2)
        DrawTitleLines(engine);
}
