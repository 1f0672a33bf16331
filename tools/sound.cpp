#include "sound.h"

#include <algorithm>
#include <cmath>

#include "maths.h"
#include "random.h"

namespace {

constexpr double kDuration = 0.26;
constexpr double kFadeOut = 0.015;

// Chamberlin's state-variable filter: cheap, and its band output rings at
// the cut-off, which gives the squelch its wet vowel.
class ResonantFilter {
public:
    explicit ResonantFilter(double damping) : damping_(damping) {}

    double process(double input, double cutoff)
    {
        const double tuning = 2.0 * std::sin(kPi * cutoff / kSampleRate);
        low_ += tuning * band_;
        const double high = input - low_ - damping_ * band_;
        band_ += tuning * high;
        return 0.65 * band_ + 0.35 * low_;
    }

private:
    double damping_;
    double low_ = 0.0;
    double band_ = 0.0;
};

// A fast attack, a quick fall and a softer, slower tail, with two smaller
// slops as the goo settles.
double burstEnvelope(double time)
{
    const double attack = std::min(1.0, time / 0.003);
    double level = 0.8 * std::exp(-time / 0.045) + 0.25 * std::exp(-time / 0.11);
    for (const double slop : {0.055, 0.1})
        if (time > slop)
            level += 0.3 * std::min(1.0, (time - slop) / 0.004) * std::exp(-(time - slop) / 0.018);
    return attack * level;
}

// The splat's body: noise whose filter sweeps down from a hiss to a gurgle.
std::vector<double> squelch(Random& random, int frames)
{
    ResonantFilter filter(0.28);
    std::vector<double> out(frames);
    for (int i = 0; i < frames; ++i) {
        const double time = double(i) / kSampleRate;
        const double cutoff = 180.0 + 3200.0 * std::exp(-time / 0.028);
        out[i] = burstEnvelope(time) * filter.process(random.between(-1.0, 1.0), cutoff);
    }
    return out;
}

// A soft low thud as the bug gives way, its pitch dropping.
std::vector<double> thump(int frames)
{
    std::vector<double> out(frames);
    double phase = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double time = double(i) / kSampleRate;
        phase += 2.0 * kPi * (60.0 + 150.0 * std::exp(-time / 0.03)) / kSampleRate;
        out[i] = 0.7 * std::exp(-time / 0.05) * std::min(1.0, time / 0.002) * std::sin(phase);
    }
    return out;
}

// A bubble pops with a quick upward chirp under a smooth hump.
void addBubble(std::vector<StereoSample>& mix, double start, double length, double pitch, double pan)
{
    const int first = static_cast<int>(start * kSampleRate);
    const int count = static_cast<int>(length * kSampleRate);
    double phase = 0.0;
    for (int i = 0; i < count && first + i < static_cast<int>(mix.size()); ++i) {
        const double progress = double(i) / count;
        phase += 2.0 * kPi * pitch * (1.0 + 1.2 * progress) / kSampleRate;
        const double value = 0.28 * std::sin(kPi * progress) * (1.0 - 0.6 * progress) * std::sin(phase);
        mix[first + i].left += value * (1.0 - pan);
        mix[first + i].right += value * pan;
    }
}

void fadeOut(std::vector<StereoSample>& mix)
{
    const int fadeFrames = static_cast<int>(kFadeOut * kSampleRate);
    const int size = static_cast<int>(mix.size());
    for (int i = std::max(0, size - fadeFrames); i < size; ++i) {
        const double gain = double(size - 1 - i) / fadeFrames;
        mix[i].left *= gain;
        mix[i].right *= gain;
    }
}

void normalise(std::vector<StereoSample>& mix, double peak)
{
    double loudest = 0.0;
    for (const StereoSample& sample : mix)
        loudest = std::max({loudest, std::abs(sample.left), std::abs(sample.right)});
    for (StereoSample& sample : mix) {
        sample.left *= peak / loudest;
        sample.right *= peak / loudest;
    }
}

std::int16_t toPcm(double value)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

} // namespace

std::vector<StereoSample> synthesizeSquish(double peak)
{
    Random random(0x5351554953ull);
    const int frames = static_cast<int>(kDuration * kSampleRate);
    const std::vector<double> body = squelch(random, frames);
    const std::vector<double> low = thump(frames);
    std::vector<StereoSample> mix(frames);
    for (int i = 0; i < frames; ++i)
        mix[i] = {body[i] + low[i], body[i] + low[i]};
    for (int bubble = 0; bubble < 5; ++bubble)
        addBubble(mix, random.between(0.03, 0.19), random.between(0.012, 0.026), random.between(380.0, 900.0),
                  random.between(0.25, 0.75));
    fadeOut(mix);
    normalise(mix, peak);
    return mix;
}

Bytes encodeWav(const std::vector<StereoSample>& samples)
{
    constexpr std::uint32_t kBytesPerFrame = kChannels * 2;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * kBytesPerFrame;
    ByteWriter out(44 + dataBytes);
    out.tag("RIFF");
    out.u32(36 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // integer PCM
    out.u16(kChannels);
    out.u32(kSampleRate);
    out.u32(kSampleRate * kBytesPerFrame);
    out.u16(kBytesPerFrame);
    out.u16(16);
    out.tag("data");
    out.u32(dataBytes);
    for (const StereoSample& sample : samples) {
        out.u16(static_cast<std::uint16_t>(toPcm(sample.left)));
        out.u16(static_cast<std::uint16_t>(toPcm(sample.right)));
    }
    return out.take();
}
