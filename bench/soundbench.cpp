// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "soundbench.h"

#include "soundeffects.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <pulse/simple.h>
#include <thread>

namespace {
constexpr int kSettleMs = 1500;  // set-up, and an idle stream corked
constexpr int kDelays = 20;
constexpr int kApartMs = 700;
constexpr int kListenMs = 300;
constexpr double kDelayTargetMs = 30;
constexpr int kRate = 44100;
constexpr int kChunk = 88;   // samples a read: 2 ms
constexpr int kHeard = 300;  // a sample this far from silence is the sound
// Over the rumble (peak 0.30 of full scale) a sample beyond 0.34 is the chime.
constexpr int kHeardOverRumble = 11150;
constexpr int kRumbleMs = 300;

double nowMs() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

void settle(Pacer &pacer, int ms) { pacer.processEventsUntil(pacer.GetTickCount() + ms); }

// Reads the default sink's monitor in 2 ms pieces; once armed, notes when
// the first sample that is not silence reached the sink.
class MonitorListener
{
public:
    MonitorListener()
    {
        const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 1};
        pa_buffer_attr buffer{};
        buffer.maxlength = buffer.tlength = buffer.prebuf = buffer.minreq = static_cast<uint32_t>(-1);
        buffer.fragsize = kChunk * 2;
        int error = 0;
        stream_ = pa_simple_new(nullptr, "marvolt-bench", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "delay", &sampleFormat, nullptr,
                                &buffer, &error);
        if (stream_)
            thread_ = std::thread([this] { listen(); });
    }
    ~MonitorListener()
    {
        quit_ = true;
        if (thread_.joinable())
            thread_.join();
        if (stream_)
            pa_simple_free(stream_);
    }
    bool ok() const { return stream_ != nullptr; }
    void arm(int threshold)
    {
        threshold_ = threshold;
        heardAt_ = -1;
        armed_ = true;
    }
    double heardAt()
    {
        armed_ = false;
        return heardAt_;
    }

private:
    void listen()
    {
        qint16 samples[kChunk];
        int error = 0;
        while (!quit_ && pa_simple_read(stream_, samples, sizeof samples, &error) == 0) {
            const double readAt = nowMs();
            const double latencyMs = pa_simple_get_latency(stream_, &error) / 1000.0;
            if (!armed_ || heardAt_ >= 0)
                continue;
            for (int i = 0; i < kChunk; ++i)
                if (std::abs(samples[i]) > threshold_) {
                    heardAt_ = readAt - (kChunk - i) * 1000.0 / kRate - latencyMs;
                    break;
                }
        }
    }

    pa_simple *stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> quit_{false}, armed_{false};
    std::atomic<double> heardAt_{-1};
    std::atomic<int> threshold_{kHeard};
};
}  // namespace

void startSound(SoundEffects &sound, Pacer &pacer)
{
    sound.choose(true);
    settle(pacer, kSettleMs);
    sound.hear(ThrowEvent::Kind::SpareMark);
    settle(pacer, kSettleMs);
}

void delayPhase(Verdicts &verdicts, Pacer &pacer, SoundEffects &sound)
{
    MonitorListener listener;
    if (!listener.ok()) {
        std::printf("%-24s no monitor of the default sink to listen on %s\n", "event to sound", verdicts.Judge(false));
        return;
    }
    for (const bool overRumble : {false, true}) {
        Figures f;
        for (int i = 0; i < kDelays; ++i) {
            settle(pacer, kApartMs);
            if (overRumble) {
                sound.hear(ThrowEvent::Kind::RollStarted);
                settle(pacer, kRumbleMs);
            }
            listener.arm(overRumble ? kHeardOverRumble : kHeard);
            const double askedAt = nowMs();
            sound.hear(ThrowEvent::Kind::StrikeMark);
            settle(pacer, kListenMs);
            const double heardAt = listener.heardAt();
            sound.hear(ThrowEvent::Kind::LaneEnd);
            f.durationsMs.push_back(heardAt >= 0 ? heardAt - askedAt : 1e9);
        }
        const double longest = *std::max_element(f.durationsMs.begin(), f.durationsMs.end());
        std::printf("%-24s %d chimes %s: median %.1f ms  longest %.1f ms  (target: within %.0f ms) %s\n",
                    "event to sound at sink", kDelays, overRumble ? "over the rumble" : "on an idle stream", f.median(), longest,
                    kDelayTargetMs, verdicts.Judge(longest <= kDelayTargetMs));
    }
}
