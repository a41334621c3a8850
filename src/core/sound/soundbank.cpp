// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "sound/soundbank.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kFullScale = 32767.0;

int samplesOf(double seconds) { return static_cast<int>(seconds * kSoundRate); }
double timeOf(int sample) { return static_cast<double>(sample) / kSoundRate; }

// A one-pole low-pass: the share of the new input taken at each sample.
double onePole(double cornerHz) { return 1.0 - std::exp(-2.0 * kPi * cornerHz / kSoundRate); }

// A two-pole resonator at `hz` whose ringing decays to 1/e in `decaySeconds`.
class Resonator
{
public:
    Resonator(double hz, double decaySeconds)
        : r_(std::exp(-1.0 / (decaySeconds * kSoundRate))),
          c_(2.0 * r_ * std::cos(2.0 * kPi * hz / kSoundRate))
    {
    }
    double operator()(double in)
    {
        const double out = in + c_ * y1_ - r_ * r_ * y2_;
        y2_ = y1_;
        y1_ = out;
        return out * (1.0 - r_);
    }

private:
    double r_, c_;
    double y1_ = 0, y2_ = 0;
};

double peakOf(const std::vector<double> &wave)
{
    double loudest = 0;
    for (double v : wave)
        loudest = std::max(loudest, std::fabs(v));
    return loudest;
}

double rmsOf(const std::vector<double> &wave)
{
    double sum = 0;
    for (double v : wave)
        sum += v * v;
    return wave.empty() ? 0 : std::sqrt(sum / static_cast<double>(wave.size()));
}

// The wave scaled so that its loudest sample reaches `peak` of full scale.
SoundSamples toSamples(const std::vector<double> &wave, double peak)
{
    const double loudest = peakOf(wave);
    const double gain = loudest > 0 ? peak * kFullScale / loudest : 0;
    SoundSamples out(wave.size());
    std::transform(wave.begin(), wave.end(), out.begin(),
                   [gain](double v) { return static_cast<qint16>(std::lround(v * gain)); });
    return out;
}

// The rumble: low-passed noise swelling with the ball's turns. Its noise is
// made one fade longer and the surplus laid over the start, and the turns
// fit the loop a whole number of times, so the loop joins seamlessly.
constexpr double kRollSeconds = 0.4;
constexpr double kRollFadeSeconds = 0.05;
constexpr double kRollCornerHz = 180;
constexpr double kRollTurnsPerLoop = 5;  // 12.5 turns a second
constexpr double kRollPeak = 0.30;

SoundSamples roll()
{
    const int n = samplesOf(kRollSeconds), fade = samplesOf(kRollFadeSeconds);
    std::mt19937 noise(1);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    std::vector<double> raw(n + fade);
    double low = 0, lower = 0;
    const double a = onePole(kRollCornerHz);
    for (double &v : raw) {
        low += a * (white(noise) - low);
        lower += a * (low - lower);
        v = lower;
    }
    for (int i = 0; i < fade; ++i) {
        const double w = static_cast<double>(i) / fade;
        raw[i] = raw[i] * w + raw[n + i] * (1.0 - w);
    }
    raw.resize(n);
    for (int i = 0; i < n; ++i)
        raw[i] *= 0.75 + 0.25 * std::cos(2.0 * kPi * kRollTurnsPerLoop * i / n);
    // The loop starts where it is nearest silence: the first repeat starts
    // without a click.
    std::rotate(raw.begin(),
                std::min_element(raw.begin(), raw.end(),
                                 [](double x, double y) { return std::fabs(x) < std::fabs(y); }),
                raw.end());
    return toSamples(raw, kRollPeak);
}

// The gutter: noise ringing in a hollow channel, dying away.
constexpr double kGutterSeconds = 0.8;
constexpr double kGutterHz[] = {310, 620};
constexpr double kGutterRing = 0.04;
constexpr double kGutterDecaySeconds = 0.3;
constexpr double kGutterPeak = 0.28;

SoundSamples gutter()
{
    std::mt19937 noise(2);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    Resonator low(kGutterHz[0], kGutterRing), high(kGutterHz[1], kGutterRing);
    std::vector<double> wave(samplesOf(kGutterSeconds));
    for (int i = 0; i < static_cast<int>(wave.size()); ++i) {
        const double in = white(noise);
        wave[i] = (low(in) + 0.5 * high(in)) * std::exp(-timeOf(i) / kGutterDecaySeconds);
    }
    return toSamples(wave, kGutterPeak);
}

// A crash: wooden clacks, each a noise burst ringing at its own pitch,
// scattered over a spread that widens with the pins felled. More pins give
// more clacks, a longer spread and a greater loudness (RMS over the whole
// crash, as a share of full scale), within the crash's peak limit.
struct CrashShape
{
    int clacks;
    double spreadSeconds;
    double loudness;
};
constexpr CrashShape kCrashes[] = {
    {3, 0.04, 0.08}, {6, 0.07, 0.11}, {9, 0.10, 0.14}, {12, 0.13, 0.17}, {24, 0.18, 0.22},
};
constexpr double kCrashPeakLimit = 0.95;
constexpr double kCrashTailSeconds = 0.25;
constexpr double kClackBurstSeconds = 0.004;
constexpr double kClackLowHz = 700, kClackHighHz = 2600;
constexpr double kClackRing = 0.03;

SoundSamples crash(const CrashShape &shape, unsigned seed)
{
    std::mt19937 draws(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> wave(samplesOf(shape.spreadSeconds + kCrashTailSeconds));
    for (int c = 0; c < shape.clacks; ++c) {
        const int start = samplesOf(unit(draws) * shape.spreadSeconds);
        Resonator ring(kClackLowHz + unit(draws) * (kClackHighHz - kClackLowHz), kClackRing);
        const double strength = 0.6 + 0.4 * unit(draws);
        for (int i = start; i < static_cast<int>(wave.size()); ++i) {
            const double burst = i - start < samplesOf(kClackBurstSeconds) ? 2.0 * unit(draws) - 1.0 : 0.0;
            wave[i] += strength * ring(burst);
        }
    }
    const double rms = rmsOf(wave);
    return toSamples(wave, std::min(kCrashPeakLimit, rms > 0 ? shape.loudness * peakOf(wave) / rms : 0));
}

// A chime: bell partials, each decaying on its own.
struct Partial
{
    double hz;
    double level;
    double decaySeconds;
};
constexpr double kChimeSeconds = 0.45;
constexpr Partial kStrikeChime[] = {
    {1319, 1.0, 0.20}, {1976, 0.7, 0.16}, {2637, 0.35, 0.10}, {3641, 0.2, 0.06}};
constexpr Partial kSpareChime[] = {{988, 1.0, 0.18}, {1976, 0.3, 0.10}, {2727, 0.2, 0.06}};
constexpr double kChimePeak = 0.45;
constexpr double kChimeAttackSeconds = 0.003;

template <std::size_t N>
SoundSamples chime(const Partial (&partials)[N])
{
    std::vector<double> wave(samplesOf(kChimeSeconds));
    for (int i = 0; i < static_cast<int>(wave.size()); ++i) {
        const double t = timeOf(i);
        for (const Partial &p : partials)
            wave[i] += p.level * std::exp(-t / p.decaySeconds) * std::sin(2.0 * kPi * p.hz * t);
        wave[i] *= std::min(1.0, t / kChimeAttackSeconds);
    }
    return toSamples(wave, kChimePeak);
}
}  // namespace

bool soundLoops(SoundId id) { return id == SoundId::Roll; }

SoundSamples synthesize(SoundId id)
{
    switch (id) {
    case SoundId::Roll:
        return roll();
    case SoundId::Gutter:
        return gutter();
    case SoundId::StrikeChime:
        return chime(kStrikeChime);
    case SoundId::SpareChime:
        return chime(kSpareChime);
    default: {
        const int level = static_cast<int>(id) - static_cast<int>(SoundId::Crash1);
        return crash(kCrashes[level], static_cast<unsigned>(10 + level));
    }
    }
}

SoundBank synthesizeAll()
{
    SoundBank bank;
    for (int i = 0; i < kSoundCount; ++i)
        bank[i] = synthesize(static_cast<SoundId>(i));
    return bank;
}
