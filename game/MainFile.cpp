#include "game/MainFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "engine/GameEngine.h"
#include "game/HighScore.h"

int maxbugs = kBugSlots;
int NumBug = 0;
int GameOver = 2;
int fFrame = 1;
int points = 0;
int reduce = 0;
int bugC = 0;
int HighScore = 0;

SDL_Surface* BitBoulder = nullptr;
SDL_Surface* BKG = nullptr;
SDL_Surface* BitBug00 = nullptr;
SDL_Surface* BitBug01 = nullptr;
SDL_Surface* BitBug02 = nullptr;
SDL_Surface* BitBug03 = nullptr;
SDL_Surface* BitDead = nullptr;
SDL_Surface* BitBlack = nullptr;
SDL_Surface* BitSplash = nullptr;
SDL_Surface* BitDeadPlayer = nullptr;
Mix_Chunk* Squish = nullptr;

Boulder BoulderSet0;
Boulder BoulderSet1;
Boulder BoulderSet2;
class Bug Bug[kBugSlots];
Boulder* const BoulderRows[3] = {&BoulderSet0, &BoulderSet1, &BoulderSet2};

unsigned MillisecondTicks()
{
    using namespace std::chrono;
    return static_cast<unsigned>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Without a device the game plays on silently, and needs no sound.
static bool OpenAudio()
{
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) == 0)
        return true;
    std::fprintf(stderr, "rockjaw: playing without sound: cannot open the audio device: %s\n",
                 Mix_GetError());
    return false;
}

static void LoadSound()
{
    // SDL would play a cut-off sound as far as it goes; a cut file is a broken install.
    setenv("SDL_WAVE_TRUNCATION", "strict", 1);
    Squish = Mix_LoadWAV("data/squish.wav");
    if (!Squish)
        DieWithSdlError("cannot load \"data/squish.wav\"");
}

void GameStart(GameEngine* engine)
{
    std::srand(MillisecondTicks());
    engine->Init(720, 540, 32, 0);
    SDL_WM_SetCaption("Rockjaw", "Rockjaw");
    const bool audio = OpenAudio();
    BitBoulder = LoadPictureOrDie("data/boulder.dat");
    BKG = LoadPictureOrDie("data/BKG.dat");
    BitBug00 = LoadPictureOrDie("data/Bug00.dat");
    BitBug01 = LoadPictureOrDie("data/Bug01.dat");
    BitBug02 = LoadPictureOrDie("data/Bug02.dat");
    BitBug03 = LoadPictureOrDie("data/Bug03.dat");
    BitDead = LoadPictureOrDie("data/Dead.dat");
    BitBlack = LoadPictureOrDie("data/Black.dat");
    BitSplash = LoadPictureOrDie("data/Splash.dat");
    BitDeadPlayer = LoadPictureOrDie("data/DeadPlayer.dat");
    if (audio)
        LoadSound();
    LoadHighScore();
}

void BackGround(GameEngine* engine)
{
    if (GameOver == 2) {
        engine->TileBkg(BitBlack, 1, 1, 800, 600);
        engine->DrawImage(BitSplash, 75, 100, 0);
    } else {
        engine->DrawImage(BKG, 0, 0, 0);
    }
}
