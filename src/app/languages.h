// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QStringList>

class QCoreApplication;

// The game speaks English when the desktop's first UI language is English,
// and Japanese in every other case, the C/POSIX locale included.
bool prefersEnglish(const QStringList &uiLanguages);

// Installs on `app`, which owns them, either the game's English texts or,
// for Japanese, Qt's own Japanese texts for the standard buttons (はい/いいえ,
// キャンセル). A translation that cannot be found leaves the texts as they are.
void installTranslations(QCoreApplication &app);
