#ifndef ROCKJAW_GAME_MAINFILE_H
#define ROCKJAW_GAME_MAINFILE_H

#include <SDL.h>
#include <SDL_mixer.h>

#include "actors/Boulder.h"
#include "actors/Bug.h"

class GameEngine;

// The game's whole state: globals that the rules read and write directly.
extern int maxbugs;   // slots in the bug table; slot 0 is the player
extern int NumBug;    // slots handed out since the table was last reset
extern int GameOver;  // the screen: 0 playing, 1 game over, 2 title
extern int fFrame;    // frame counter, 1 … 4000
extern int points;
extern int reduce;    // frames taken off the spawn interval
extern int bugC;      // step 0 … 5 of the spawn cycle
extern int HighScore;

extern SDL_Surface* BitBoulder;
extern SDL_Surface* BKG;
extern SDL_Surface* BitBug00;
extern SDL_Surface* BitBug01;
extern SDL_Surface* BitBug02;
extern SDL_Surface* BitBug03;
extern SDL_Surface* BitDead;
extern SDL_Surface* BitBlack;
extern SDL_Surface* BitSplash;
extern SDL_Surface* BitDeadPlayer;
extern Mix_Chunk* Squish;

const int kBugSlots = 90;
extern Boulder BoulderSet0; // top row, Q
extern Boulder BoulderSet1; // middle row, A
extern Boulder BoulderSet2; // bottom row, Z
extern class Bug Bug[kBugSlots];
extern Boulder* const BoulderRows[3]; // the three rows, top to bottom

// Start-up and the background.
void GameStart(GameEngine* engine);
void BackGround(GameEngine* engine);
unsigned MillisecondTicks();

// Spawners: each fills slot NumBug with a new enemy.
void CreateA(SDL_Surface* picture);
void CreateB(SDL_Surface* picture);
void CreateC(SDL_Surface* picture);

// Screens, controls and resets.
void HandleKeys();
void StartGame();
void EGame();
void ResetAllBugs();

// Rules.
void CheckBugs();
int BHitBug(int slot);

// The world update and the texts of one frame.
void GameLoop(GameEngine* engine);

#endif
