#include "common/tempsettings.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <optional>
#include <string>

using namespace std::string_literals;

namespace {

// Sets or clears one environment variable for the life of a test.
class EnvGuard
{
public:
    EnvGuard(const char *name, const QByteArray &value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        Set(name_, value.isNull() ? std::nullopt : std::optional(value));
    }
    ~EnvGuard() { Set(name_, had_ ? std::optional(old_) : std::nullopt); }

private:
    static void Set(const char *name, const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }

    const char *name_;
    QByteArray old_;
    bool had_;
};

struct ValueRow
{
    const char *name;
    std::string line;
    const char *expected;
};

TEST(SettingsTest, ReadValueIsTrimmedOfSpaces)
{
    const ValueRow rows[] = {
        {"spaces around", "COLOR=  3 ", "3"},
        {"spaces inside quotes", "COLOR=\" 3  \"", "3"},
        {"tab inside quotes stays", "COLOR=\"\t3\"", "\t3"},
        {"value ends at a NUL", "COLOR=2\0" "9"s, "2"},
        {"empty value", "COLOR=", ""},
    };
    TempSettings settings;
    for (const ValueRow &row : rows) {
        SCOPED_TRACE(row.name);
        settings.write(QByteArray::fromStdString("[BALL]\r\n" + row.line + "\r\n"));
        EXPECT_EQ(ReadIniValue("BALL", "COLOR"), QString::fromUtf8(row.expected));
    }
}

TEST(SettingsTest, FirstWriteCreatesFileAndEmptyValueReadsAsMissing)
{
    TempSettings settings;
    EXPECT_EQ(ReadIniValue("Data", "HISCORE1"), "");
    WriteIniValue("Data", "HISCORE1", "");
    EXPECT_EQ(settings.bytes(), "[Data]\r\nHISCORE1=\r\n");
    EXPECT_EQ(ReadIniValue("Data", "HISCORE1"), "");
    WriteIniValue("SCOREBOARD", "LEFT", "1200");
    WriteIniValue("Data", "HISCORE1", "x");
    EXPECT_EQ(settings.bytes(), "[Data]\r\nHISCORE1=x\r\n[SCOREBOARD]\r\nLEFT=1200\r\n");
}

TEST(SettingsTest, PathChoice)
{
    QTemporaryDir exe, env, config;
    QFile blocker(exe.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString unwritable = exe.filePath("file/bin");  // parent is a regular file

    EnvGuard noEnv("MARVOLT_INI_DIR", QByteArray());
    EnvGuard xdg("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    SetExecutableDirectoryForTesting(exe.path());
    EXPECT_EQ(SettingsFilePath(), exe.filePath("KVZ.ini"));

    SetExecutableDirectoryForTesting(unwritable);
    const QString perUser = config.filePath("marvolt/KVZ.ini");
    EXPECT_EQ(SettingsFilePath(), perUser);
    WriteIniValue("BALL", "COLOR", "4");
    EXPECT_TRUE(QFile::exists(perUser));
    EXPECT_EQ(ReadIniValue("BALL", "COLOR"), "4");
    {
        EnvGuard relative("XDG_CONFIG_HOME", "relative/dir");
        EXPECT_EQ(SettingsFilePath(), QDir::home().filePath(".config/marvolt/KVZ.ini"));
    }
    {
        EnvGuard chosen("MARVOLT_INI_DIR", QFile::encodeName(env.path()));
        EXPECT_EQ(SettingsFilePath(), env.filePath("KVZ.ini"));
        SetSettingsDirectory("/");
        EXPECT_EQ(SettingsFilePath(), "/KVZ.ini");
        SetSettingsDirectory(env.path() + "/");
        EXPECT_EQ(SettingsFilePath(), env.filePath("KVZ.ini"));
        SetSettingsDirectory(QString());
    }
    SetExecutableDirectoryForTesting(QString());
    EXPECT_EQ(SettingsFilePath(), QDir(QCoreApplication::applicationDirPath()).filePath("KVZ.ini"));
}

}  // namespace
