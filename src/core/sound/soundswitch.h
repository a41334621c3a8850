// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// The sound effects switch, as the settings file stores it: [SOUND] ON, "1"
// on and "0" off. Sound is off until the player turns it on, so the key is
// written only when the player uses the switch.
inline const QString kSoundSection = QStringLiteral("SOUND");
inline const QString kSoundOnKey = QStringLiteral("ON");

// Only "1" turns sound on; a missing key and any other text leave it off.
inline bool storedSoundOn(const QString &text) { return text == QLatin1String("1"); }
inline QString soundOnText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
