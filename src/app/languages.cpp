// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
const QString kEnglishPrefix = QStringLiteral("en");
const QString kEnglishTexts = QStringLiteral(":/i18n/marvolt_en.qm");
const QString kQtJapaneseTexts = QStringLiteral("qtbase_ja");
}  // namespace

bool prefersEnglish(const QStringList &uiLanguages)
{
    return !uiLanguages.isEmpty() && uiLanguages.first().startsWith(kEnglishPrefix, Qt::CaseInsensitive);
}

void installTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const bool loaded = prefersEnglish(QLocale::system().uiLanguages())
                            ? translator->load(kEnglishTexts)
                            : translator->load(kQtJapaneseTexts,
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(translator);
}
