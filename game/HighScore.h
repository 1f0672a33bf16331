#ifndef ROCKJAW_GAME_HIGHSCORE_H
#define ROCKJAW_GAME_HIGHSCORE_H

// The high-score file: one signed decimal int in plain text, no line end.
extern const char* const kHighScoreFile;

// Reads the number at the start of the file (after white space). Returns 1 and
// sets *value when there is one in the 32-bit range, else 0.
int ReadHighScore(const char* path, int* value);

// Replaces the file's content with the value so that a crash at any moment
// leaves either the old content or the new: a temporary file in the same
// folder, flushed to disk, renamed over the file. Returns 1 on success; on
// failure the old file is untouched.
int WriteHighScore(const char* path, int value);

// The game-over screen's save: writes the value unless the file is known to
// hold exactly those digits already; a failed write is reported once and play
// goes on.
void SaveHighScore(int value);

// Start-up's read: the file's number, if any, becomes HighScore.
void LoadHighScore();

#endif
