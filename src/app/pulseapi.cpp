// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "pulseapi.h"

#include <dlfcn.h>

namespace {
constexpr char kLibrary[] = "libpulse.so.0";
}  // namespace

bool PulseApi::load(QString &error)
{
    void *library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    bool complete = true;
#define MARVOLT_PULSE_LOAD(fn)                                                                             \
    (fn) = reinterpret_cast<decltype(fn)>(dlsym(library, #fn));                                            \
    complete = complete && (fn) != nullptr;
    MARVOLT_PULSE_FUNCTIONS(MARVOLT_PULSE_LOAD)
#undef MARVOLT_PULSE_LOAD
    if (!complete)
        error = QStringLiteral("%1 lacks a function the game uses").arg(QLatin1String(kLibrary));
    return complete;
}
