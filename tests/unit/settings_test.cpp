// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "game/ballcolour.h"
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

// Whether a write lands in `path`.
bool WritesTo(Settings &settings, const QString &path)
{
    settings.WriteIniValue("BALL", "COLOR", "4");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == "[BALL]\r\nCOLOR=4\r\n";
}

TEST(SettingsTest, PathChoice)
{
    const QByteArray iniDir = qgetenv("MARVOLT_INI_DIR"), configHome = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir exe, config, given, homeDir, data;
    qunsetenv("MARVOLT_INI_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    Settings installed({}, exe.path());  // a writable folder is not enough
    EXPECT_EQ(installed.historyFilePath(), data.filePath("marvolt/history.sqlite"));
    EXPECT_TRUE(WritesTo(installed, config.filePath("marvolt/KVZ.ini")));  // creates the per-user directory
    EXPECT_EQ(installed.ReadIniValue("BALL", "COLOR"), "4");
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    qputenv("HOME", QFile::encodeName(homeDir.path()));
    EXPECT_TRUE(WritesTo(installed, homeDir.filePath(".config/marvolt/KVZ.ini")));
    // clang-format off
    const struct { const char *name, *fileBeside; } rows[] = {
        {"build folder marker", "marvolt.portable"},
        {"settings already beside", "KVZ.ini"},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTemporaryDir portable;
        QFile(portable.filePath(row.fileBeside)).open(QIODevice::WriteOnly);
        Settings beside({}, portable.path());
        EXPECT_TRUE(WritesTo(beside, portable.filePath("KVZ.ini"))) << row.name;
        EXPECT_EQ(beside.historyFilePath(), portable.filePath("history.sqlite")) << row.name;
    }

    qputenv("MARVOLT_INI_DIR", QFile::encodeName(exe.path()));
    Settings byVariable({}, config.path());
    EXPECT_TRUE(WritesTo(byVariable, exe.filePath("KVZ.ini")));
    EXPECT_EQ(byVariable.historyFilePath(), exe.filePath("history.sqlite"));
    Settings byArgument(given.path(), exe.path());  // wins over the variable
    QFile::remove(exe.filePath("KVZ.ini"));
    EXPECT_TRUE(WritesTo(byArgument, given.filePath("KVZ.ini")) && !QFile::exists(exe.filePath("KVZ.ini")));
    qputenv("MARVOLT_INI_DIR", iniDir);  // empty counts as unset
    qputenv("XDG_CONFIG_HOME", configHome);
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("HOME", home);
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
    for (const auto &r : rows) {
        const auto place = SheetPosition::fromStored(r.left, r.top);
        EXPECT_EQ(place ? std::optional(place->twips()) : std::nullopt, r.twips) << r.name;
    }
}

TEST(SettingsTest, StoredColourSelectsAnExistingColour)
{
    // clang-format off
    const std::pair<const char *, int> rows[] = {{"", 0},    {"2.5", 2}, {"3.5", 4}, {"  3 ", 3}, {"abc", 0},
                                                    {"4.5", 4}, {"7", 0},   {"-1", 0},  {"99999999", 0}};
    // clang-format on
    for (const auto &[text, colour] : rows)
        EXPECT_EQ(storedColourIndex(QString::fromLatin1(text)), colour) << '"' << text << '"';
}

}  // namespace
