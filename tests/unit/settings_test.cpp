#include "common/tempsettings.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include <string>

namespace {

TEST(SettingsTest, ValuesAreTrimmedOfSpacesAndEndAtNul)
{
    TempSettings settings;
    WriteIniValue("Data", "HISCORE1", "");
    WriteIniValue("SCOREBOARD", "LEFT", QStringLiteral("1200\0junk"));
    EXPECT_EQ(settings.bytes(), "[Data]\r\nHISCORE1=\r\n[SCOREBOARD]\r\nLEFT=1200\r\n");
    EXPECT_EQ(ReadIniValue("Data", "HISCORE1"), "");
    const struct { const char *name; std::string line; const char *expected; } rows[] = {
        {"spaces around", "COLOR=  3 ", "3"},
        {"spaces inside quotes", "COLOR=\" 3  \"", "3"},
        {"tab inside quotes stays", "COLOR=\"\t3\"", "\t3"},
        {"value ends at a NUL", std::string("COLOR=2\0" "9", 8), "2"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings.write(QByteArray::fromStdString("[BALL]\r\n" + row.line + "\r\n"));
        EXPECT_EQ(ReadIniValue("BALL", "COLOR"), QString::fromUtf8(row.expected));
    }
}

TEST(SettingsTest, PathChoice)
{
    const QByteArray iniDir = qgetenv("MARVOLT_INI_DIR"), configHome = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir exe, config;
    qunsetenv("MARVOLT_INI_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    SetExecutableDirectoryForTesting(exe.path());
    EXPECT_EQ(SettingsFilePath(), exe.filePath("KVZ.ini"));

    SetExecutableDirectoryForTesting(exe.filePath("missing"));  // no directory to write to
    EXPECT_EQ(SettingsFilePath(), config.filePath("marvolt/KVZ.ini"));
    WriteIniValue("BALL", "COLOR", "4");  // creates the per-user directory
    EXPECT_EQ(ReadIniValue("BALL", "COLOR"), "4");
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(SettingsFilePath(), QDir::home().filePath(".config/marvolt/KVZ.ini"));

    qputenv("MARVOLT_INI_DIR", QFile::encodeName(exe.path()));
    EXPECT_EQ(SettingsFilePath(), exe.filePath("KVZ.ini"));
    SetSettingsDirectory("/");  // wins over the variable
    EXPECT_EQ(SettingsFilePath(), "/KVZ.ini");
    SetSettingsDirectory(QString());
    qunsetenv("MARVOLT_INI_DIR");
    SetExecutableDirectoryForTesting(QString());
    EXPECT_EQ(SettingsFilePath(), QDir(QCoreApplication::applicationDirPath()).filePath("KVZ.ini"));
    qputenv("MARVOLT_INI_DIR", iniDir);  // empty counts as unset
    qputenv("XDG_CONFIG_HOME", configHome);
}

}  // namespace
