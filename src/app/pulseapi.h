// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>
#include <pulse/pulseaudio.h>

// The functions of the PulseAudio client library the sound output uses,
// taken from libpulse.so.0 at run time: the game neither links it nor loads
// it before sound is first turned on. PipeWire serves the same library
// through pipewire-pulse.
#define MARVOLT_PULSE_FUNCTIONS(F)                                                                         \
    F(pa_threaded_mainloop_new)                                                                            \
    F(pa_threaded_mainloop_get_api)                                                                        \
    F(pa_threaded_mainloop_start)                                                                          \
    F(pa_threaded_mainloop_stop)                                                                           \
    F(pa_threaded_mainloop_lock)                                                                           \
    F(pa_threaded_mainloop_unlock)                                                                         \
    F(pa_threaded_mainloop_free)                                                                           \
    F(pa_proplist_new)                                                                                     \
    F(pa_proplist_sets)                                                                                    \
    F(pa_proplist_free)                                                                                    \
    F(pa_context_new_with_proplist)                                                                        \
    F(pa_context_set_state_callback)                                                                       \
    F(pa_context_connect)                                                                                  \
    F(pa_context_get_state)                                                                                \
    F(pa_context_errno)                                                                                    \
    F(pa_context_disconnect)                                                                               \
    F(pa_context_unref)                                                                                    \
    F(pa_strerror)                                                                                         \
    F(pa_stream_new_with_proplist)                                                                         \
    F(pa_stream_set_state_callback)                                                                        \
    F(pa_stream_set_write_callback)                                                                        \
    F(pa_stream_connect_playback)                                                                          \
    F(pa_stream_get_state)                                                                                 \
    F(pa_stream_writable_size)                                                                             \
    F(pa_stream_write)                                                                                     \
    F(pa_stream_cork)                                                                                      \
    F(pa_stream_flush)                                                                                     \
    F(pa_stream_disconnect)                                                                                \
    F(pa_stream_unref)                                                                                     \
    F(pa_operation_unref)

struct PulseApi
{
// A declarator cannot be parenthesized.
#define MARVOLT_PULSE_MEMBER(name) decltype(&::name) name = nullptr;  // NOLINT(bugprone-macro-parentheses)
    MARVOLT_PULSE_FUNCTIONS(MARVOLT_PULSE_MEMBER)
#undef MARVOLT_PULSE_MEMBER

    // Loads the library and every function; on failure returns false and
    // says why in `error`. The library stays loaded for the rest of the run.
    bool load(QString &error);
};
