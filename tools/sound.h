#ifndef ROCKJAW_TOOLS_SOUND_H
#define ROCKJAW_TOOLS_SOUND_H

#include <cstdint>
#include <vector>

#include "bytes.h"

// The mixer runs at 44100 Hz in 16-bit stereo; a sound stored the same way
// plays without conversion.
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;

struct StereoSample {
    double left, right;
};

// A short, wet squash: a burst of filtered noise falling in pitch over a low
// thump, with a few bubbles popping; peak at `peak` of full scale.
std::vector<StereoSample> synthesizeSquish(double peak);

// 16-bit PCM WAV.
Bytes encodeWav(const std::vector<StereoSample>& samples);

#endif
