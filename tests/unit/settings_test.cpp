// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "score/sheetposition.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QDir>

#include <string>

namespace {

TEST(SettingsTest, ValuesAreTrimmedOfSpacesAndEndAtNul)
{
    TempSettings settings;
    settings.set("Data", "HISCORE1", "");
    settings.set("SCOREBOARD", "LEFT", QStringLiteral("1200\0junk"));
    EXPECT_EQ(settings.bytes(), "[Data]\r\nHISCORE1=\r\n[SCOREBOARD]\r\nLEFT=1200\r\n");
    EXPECT_EQ(settings.read("Data", "HISCORE1"), "");
    // clang-format off
    const struct { const char *name; std::string line; const char *expected; } rows[] = {
        {"spaces inside quotes", "COLOR=\" 3  \"", "3"},
        {"tab inside quotes stays", "COLOR=\"\t3\"", "\t3"},
        {"value ends at a NUL", std::string("COLOR=2\0" "9", 8), "2"},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings.write(QByteArray::fromStdString("[BALL]\r\n" + row.line + "\r\n"));
        EXPECT_EQ(settings.read("BALL", "COLOR"), QString::fromUtf8(row.expected));
    }
}

TEST(SettingsTest, PathChoice)
{
    const QByteArray iniDir = qgetenv("MARVOLT_INI_DIR"), configHome = qgetenv("XDG_CONFIG_HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir exe, config, data;
    qunsetenv("MARVOLT_INI_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    Settings installed({}, exe.path());  // a writable folder is not enough
    EXPECT_EQ(installed.SettingsFilePath(), config.filePath("marvolt/KVZ.ini"));
    EXPECT_EQ(installed.HistoryFilePath(), data.filePath("marvolt/history.sqlite"));
    installed.WriteIniValue("BALL", "COLOR", "4");  // creates the per-user directory
    EXPECT_EQ(installed.ReadIniValue("BALL", "COLOR"), "4");
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(installed.SettingsFilePath(), QDir::home().filePath(".config/marvolt/KVZ.ini"));
    // clang-format off
    const struct { const char *name, *fileBeside; } rows[] = {
        {"build folder marker", "marvolt.portable"},
        {"settings already beside", "KVZ.ini"},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTemporaryDir portable;
        QFile(portable.filePath(row.fileBeside)).open(QIODevice::WriteOnly);
        EXPECT_EQ(Settings({}, portable.path()).SettingsFilePath(), portable.filePath("KVZ.ini")) << row.name;
        EXPECT_EQ(Settings({}, portable.path()).HistoryFilePath(), portable.filePath("history.sqlite"));
    }

    qputenv("MARVOLT_INI_DIR", QFile::encodeName(exe.path()));
    EXPECT_EQ(Settings({}, config.path()).SettingsFilePath(), exe.filePath("KVZ.ini"));
    EXPECT_EQ(Settings({}, config.path()).HistoryFilePath(), exe.filePath("history.sqlite"));
    EXPECT_EQ(Settings("/", exe.path()).SettingsFilePath(), "/KVZ.ini");  // wins over the variable
    qputenv("MARVOLT_INI_DIR", iniDir);                                   // empty counts as unset
    qputenv("XDG_CONFIG_HOME", configHome);
    qputenv("XDG_DATA_HOME", dataHome);
}

TEST(SheetPosition, StoredTwipsReadAsLeadingNumbersWithinReach)
{
    // clang-format off
    const struct { const char *name, *left, *top; std::optional<QPoint> twips; } rows[] = {
        {"NoLeftStoredIsNoPlace", "", "600", std::nullopt},
        {"LeadingNumbers", "1500abc", "x", QPoint(1500, 0)},
        {"Rounded", " 1499.6", "-0.4", QPoint(1500, 0)},
        {"HugeIsHeldFarOff", "5e30", "-5e30", QPoint(1 << 24, -(1 << 24))},
        {"BeyondADoubleIsNoFiniteNumber", "1e999", "-1e999", QPoint(0, 0)},
        {"NaNReadsZero", "NaN", "nan", QPoint(0, 0)},
    };
    // clang-format on
    for (const auto &r : rows)
        EXPECT_EQ(StoredSheetPosition(r.left, r.top), r.twips) << r.name;
}

}  // namespace
