// Writes rising high scores into the working folder's file as fast as it can,
// from the number given, until it is killed.
#include <cstdlib>

#include "game/HighScore.h"

int main(int argc, char** argv)
{
    for (int score = argc > 1 ? std::atoi(argv[1]) : 0;; score += 5)
        WriteHighScore(kHighScoreFile, score);
}
