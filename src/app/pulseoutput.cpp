// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "pulseoutput.h"

#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {
// The stream's buffer: what is queued before a new sound is heard, and the
// smallest piece the server asks for.
constexpr int kTargetMs = 20;
constexpr int kRequestMs = 5;
constexpr int kBytesPerSample = 2;
constexpr int bytesFor(int ms) { return kSoundRate * ms / 1000 * kBytesPerSample; }
// Silence written after the last sound, so that its end is heard before
// the stream is corked.
constexpr int kTailMs = 100;
// A sound the loop gets later than this after its event is not played.
constexpr qint64 kStaleMs = 150;
// A lost server is looked for again at a sound at most this often.
constexpr qint64 kReconnectMs = 3000;

const char *const kApplication = "Marvolt";
const char *const kStreamName = "Sound effects";

template <typename T>
PulseOutput &outputOf(T *self)
{
    return *static_cast<PulseOutput *>(self);
}
}  // namespace

PulseOutput::PulseOutput()
{
    clock_.start();
    if (pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0) {
        complain(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    setUpThread_ = std::thread([this] { setUp(); });
}

PulseOutput::~PulseOutput()
{
    if (setUpThread_.joinable())
        setUpThread_.join();
    if (loop_) {
        pa_.pa_threaded_mainloop_stop(loop_);
        closeServer();
        if (commandEvent_)
            pa_.pa_threaded_mainloop_get_api(loop_)->io_free(commandEvent_);
        pa_.pa_threaded_mainloop_free(loop_);
    }
    for (int fd : pipe_)
        if (fd >= 0)
            close(fd);
}

void PulseOutput::play(const SoundCues &cues)
{
    for (const SoundCue &cue : cues)
        send({cue.action == SoundCue::Action::Play ? Command::What::Play : Command::What::Stop, cue.sound,
              clock_.elapsed()});
}

void PulseOutput::stopAll() { send({Command::What::StopAll, SoundId::Roll, clock_.elapsed()}); }

// A pipe write of a few bytes never blocks and is never split; with the pipe
// full (a loop that stopped reading) the command is dropped.
void PulseOutput::send(const Command &command)
{
    if (pipe_[1] >= 0 && write(pipe_[1], &command, sizeof command) != static_cast<ssize_t>(sizeof command))
        return;
}

void PulseOutput::complain(const QString &why)
{
    if (!complained_.exchange(true))
        std::fprintf(stderr, "marvolt: no sound can be played (%s); the game plays on silently.\n",
                     qPrintable(why));
}

void PulseOutput::setUp()
{
    QString error;
    if (!pa_.load(error)) {
        complain(error);
        return;
    }
    bank_ = synthesizeAll();
    mixer_ = std::make_unique<Mixer>(bank_);
    loop_ = pa_.pa_threaded_mainloop_new();
    if (!loop_) {
        complain(QStringLiteral("the sound library's main loop cannot be made"));
        return;
    }
    pa_mainloop_api *api = pa_.pa_threaded_mainloop_get_api(loop_);
    commandEvent_ = api->io_new(api, pipe_[0], PA_IO_EVENT_INPUT, &PulseOutput::commandsArrived, this);
    connectToServer();
    if (pa_.pa_threaded_mainloop_start(loop_) < 0)
        complain(QStringLiteral("the sound library's main loop cannot be started"));
}

// On the set-up thread before the loop runs, later on the loop's thread.
void PulseOutput::connectToServer()
{
    lastConnectMs_ = clock_.elapsed();
    pa_proplist *properties = pa_.pa_proplist_new();
    pa_.pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, kApplication);
    pa_.pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "io.github.marvolt.Marvolt");
    context_ = pa_.pa_context_new_with_proplist(pa_.pa_threaded_mainloop_get_api(loop_), kApplication,
                                                properties);
    pa_.pa_proplist_free(properties);
    if (!context_) {
        complain(QStringLiteral("the sound library cannot make a connection"));
        return;
    }
    pa_.pa_context_set_state_callback(context_, &PulseOutput::contextChanged, this);
    // Never starts a server of its own: the desktop runs one or there is none.
    if (pa_.pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        dropServer("the sound server cannot be reached", pa_.pa_context_errno(context_));
}

void PulseOutput::dropServer(const char *what, int error)
{
    complain(
        QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(pa_.pa_strerror(error))));
    closeServer();
    mixer_->stopAll();
    corked_ = true;
}

// The callbacks go first: closing would call them.
void PulseOutput::closeServer()
{
    if (stream_) {
        pa_.pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_.pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_.pa_stream_disconnect(stream_);
        pa_.pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_.pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_.pa_context_disconnect(context_);
        pa_.pa_context_unref(context_);
        context_ = nullptr;
    }
}

void PulseOutput::contextChanged(pa_context *context, void *self)
{
    PulseOutput &out = outputOf(self);
    const pa_context_state_t state = out.pa_.pa_context_get_state(context);
    if (state == PA_CONTEXT_READY)
        out.openStream();
    else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
        out.dropServer("the sound server cannot be reached", out.pa_.pa_context_errno(context));
}

void PulseOutput::openStream()
{
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kSoundRate, 1};
    pa_proplist *properties = pa_.pa_proplist_new();
    pa_.pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_.pa_stream_new_with_proplist(context_, kStreamName, &sampleFormat, nullptr, properties);
    pa_.pa_proplist_free(properties);
    if (!stream_) {
        dropServer("the sound server refuses a stream", pa_.pa_context_errno(context_));
        return;
    }
    pa_.pa_stream_set_state_callback(stream_, &PulseOutput::streamChanged, this);
    pa_.pa_stream_set_write_callback(stream_, &PulseOutput::writable, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = bytesFor(kTargetMs);
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = bytesFor(kRequestMs);
    buffer.fragsize = static_cast<uint32_t>(-1);
    corked_ = true;
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
    if (pa_.pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        dropServer("the sound server refuses a stream", pa_.pa_context_errno(context_));
}

void PulseOutput::streamChanged(pa_stream *stream, void *self)
{
    PulseOutput &out = outputOf(self);
    const pa_stream_state_t state = out.pa_.pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        out.dropServer("the sound server dropped the stream", out.pa_.pa_context_errno(out.context_));
}

void PulseOutput::commandsArrived(pa_mainloop_api *, pa_io_event *, int, pa_io_event_flags_t, void *self)
{
    outputOf(self).readCommands();
}

void PulseOutput::readCommands()
{
    Command command{};
    bool started = false;
    while (read(pipe_[0], &command, sizeof command) == static_cast<ssize_t>(sizeof command)) {
        switch (command.what) {
        case Command::What::Play:
            if (clock_.elapsed() - command.sentMs <= kStaleMs) {
                mixer_->play(command.sound);
                started = true;
            }
            break;
        case Command::What::Stop:
            mixer_->stop(command.sound);
            break;
        case Command::What::StopAll:
            mixer_->stopAll();
            break;
        }
    }
    if (!started)
        return;
    if (!context_ && clock_.elapsed() - lastConnectMs_ >= kReconnectMs)
        connectToServer();
    if (!stream_ || pa_.pa_stream_get_state(stream_) != PA_STREAM_READY) {
        mixer_->stopAll();  // nothing to play on: no sound is kept for later
        return;
    }
    if (corked_)
        cork(false);
    fill();
}

void PulseOutput::writable(pa_stream *, size_t, void *self) { outputOf(self).fill(); }

// Writes what the server can take; the silence after the last sound ends
// in a cork.
void PulseOutput::fill()
{
    if (!stream_ || corked_)
        return;
    const size_t bytes = pa_.pa_stream_writable_size(stream_);
    if (bytes == 0 || bytes == static_cast<size_t>(-1))
        return;
    std::vector<qint16> samples(bytes / kBytesPerSample);
    const bool wasIdle = mixer_->idle();
    mixer_->mix(samples.data(), static_cast<int>(samples.size()));
    pa_.pa_stream_write(stream_, samples.data(), samples.size() * kBytesPerSample, nullptr, 0,
                        PA_SEEK_RELATIVE);
    silentBytes_ = wasIdle ? silentBytes_ + static_cast<int>(bytes) : 0;
    if (mixer_->idle() && silentBytes_ >= bytesFor(kTailMs))
        cork(true);
}

// A corked stream is flushed, so that a new sound starts at once rather
// than after the silence still queued.
void PulseOutput::cork(bool corked)
{
    corked_ = corked;
    silentBytes_ = 0;
    if (corked) {
        if (pa_operation *o = pa_.pa_stream_cork(stream_, 1, nullptr, nullptr))
            pa_.pa_operation_unref(o);
        return;
    }
    if (pa_operation *o = pa_.pa_stream_flush(stream_, nullptr, nullptr))
        pa_.pa_operation_unref(o);
    if (pa_operation *o = pa_.pa_stream_cork(stream_, 0, nullptr, nullptr))
        pa_.pa_operation_unref(o);
}
