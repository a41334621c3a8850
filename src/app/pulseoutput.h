// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "pulseapi.h"
#include "soundoutput.h"

#include "sound/mixer.h"
#include "sound/soundbank.h"

#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <thread>

// The sounds played through the desktop's sound server (PulseAudio, or
// PipeWire through pipewire-pulse), mixed into one stream of our own.
//
// Made when sound is first turned on. A thread of its own then loads the
// client library, synthesizes the sounds and starts the library's main loop,
// which connects to the server and runs everything else: the game's calls
// only write a few bytes into a pipe that loop reads, so none of them ever
// waits. The stream is corked whenever nothing plays, so an idle output costs
// no CPU; a sound uncorks it. Where nothing can play (no library, no server,
// a server that goes away) the game plays on silently, with one line on
// standard error per run; a lost server is looked for again at a later sound.
class PulseOutput : public SoundOutput
{
public:
    PulseOutput();
    ~PulseOutput() override;
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    void play(const SoundCues &cues) override;
    void stopAll() override;

    // What the main loop thread reads from the pipe.
    struct Command
    {
        enum class What : quint8 { Play, Stop, StopAll };
        What what;
        SoundId sound;
        qint64 sentMs;  // on the output's clock: a sound held up too long is dropped
    };

private:
    void send(const Command &command);
    void setUp();
    void connectToServer();
    void dropServer(const char *what, int error);
    void closeServer();
    void readCommands();
    void openStream();
    void fill();
    void cork(bool corked);
    void complain(const QString &why);

    static void contextChanged(pa_context *context, void *self);
    static void streamChanged(pa_stream *stream, void *self);
    static void writable(pa_stream *stream, size_t bytes, void *self);
    static void commandsArrived(pa_mainloop_api *api, pa_io_event *event, int fd, pa_io_event_flags_t flags,
                                void *self);

    int pipe_[2] = {-1, -1};
    std::thread setUpThread_;
    std::atomic<bool> complained_{false};
    QElapsedTimer clock_;

    // Set up by the set-up thread, then used only by the library's main loop
    // thread (and by the destructor, after both have stopped).
    PulseApi pa_;
    SoundBank bank_;
    std::unique_ptr<Mixer> mixer_;
    pa_threaded_mainloop *loop_ = nullptr;
    pa_io_event *commandEvent_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    bool corked_ = true;
    int silentBytes_ = 0;  // written since the last sound ended
    qint64 lastConnectMs_ = 0;
};
