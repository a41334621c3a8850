// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "score/sheetposition.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
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
        {"spaces around", "COLOR=  3 ", "3"},
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
    QTemporaryDir exe, config;
    qunsetenv("MARVOLT_INI_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    EXPECT_EQ(Settings({}, exe.path()).SettingsFilePath(), exe.filePath("KVZ.ini"));

    Settings unwritable({}, exe.filePath("missing"));  // no directory to write to
    EXPECT_EQ(unwritable.SettingsFilePath(), config.filePath("marvolt/KVZ.ini"));
    unwritable.WriteIniValue("BALL", "COLOR", "4");  // creates the per-user directory
    EXPECT_EQ(unwritable.ReadIniValue("BALL", "COLOR"), "4");
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(unwritable.SettingsFilePath(), QDir::home().filePath(".config/marvolt/KVZ.ini"));

    qputenv("MARVOLT_INI_DIR", QFile::encodeName(exe.path()));
    EXPECT_EQ(unwritable.SettingsFilePath(), exe.filePath("KVZ.ini"));
    EXPECT_EQ(Settings("/", exe.path()).SettingsFilePath(), "/KVZ.ini");  // wins over the variable
    qunsetenv("MARVOLT_INI_DIR");
    EXPECT_EQ(Settings().SettingsFilePath(), QDir(QCoreApplication::applicationDirPath()).filePath("KVZ.ini"));
    qputenv("MARVOLT_INI_DIR", iniDir);  // empty counts as unset
    qputenv("XDG_CONFIG_HOME", configHome);
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
