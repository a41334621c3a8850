// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "game/ballcolour.h"
#include "platform/profilefile.h"
#include "platform/profilelock.h"
#include "score/sheetposition.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace std::string_literals;
using namespace profile;

namespace {

TEST(ProfileFile, ReadsAndWritesAsWindowsDoes)
{
    const std::string big(600, 'x');
    const std::tuple<const char *, std::string, const char *, const char *, std::string> rows[] = {
        {"given names trimmed, ASCII case ignored, value keeps it", "[ball]\r\ncolor=Red\r\n", " BALL ", "COLOR  ", "Red"},
        {"a tab makes another section name", "[S]\r\nk=1\r\n", "\tS", "k", ""},
        {"a tab makes another key name", "[S]\r\nk=1\r\n", "S", "k\t", ""},
        {"non-ASCII bytes compare exactly", "[\xC4]\nk=1\n", "\xE4", "k", ""},
        {"duplicate section never searched", "[A]\nx=1\n[B]\n[a]\ny=2\n", "A", "y", ""},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"blanks trimmed, then outer double quotes removed", "  [ A ]  \n \t k \v= \t \" v  w \" \v\n", "A", "k", " v  w "},
        {"one pair of single quotes removed", "[A]\nk='\"x\"'\n", "A", "k", "\"x\""},
        {"mismatched quotes kept", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
        {"indented comment is no key", "[A]\n  ;k=1\n", "A", ";k", ""},
        {"'#', ';' and '=' inside are text", "[A]\n#k=a;b=c\n", "A", "#k", "a;b=c"},
        {"line without '=' is no key", "[A]\nk\nk=3\n", "A", "k", "3"},
        {"key before first section unreadable", "k=1\n[A]\n", "A", "k", ""},
        {"header without ']' runs to line end", "[A \nk=1\n", "A", "k", "1"},
        {"text after ']' is neither name nor key", "[A] j=9\nj=1\n", "A", "j", "1"},
        {"lone CR and CR LF end a line", "[A]\rk=1\r\nk=2", "A", "k", "1"},
        {"NUL bytes are opaque", "[A]\nk=a\0b\n"s, "A", "k", "a\0b"s},
        {"cut to 510 bytes after unquoting", "[A]\nk=\"" + big + "\"\n", "A", "k", big.substr(0, 510)},
        {"empty key name never matches", "[A]\n=1\n", "A", "", ""},
        {"empty section name is []", "[A]\nk=1\n[ ]\nk=2\n", "", "k", "2"},
    };
    TempSettings file;
    for (const auto &[name, bytes, section, key, expected] : rows) {
        file.write(QByteArray::fromStdString(bytes));
        EXPECT_EQ(readProfileString(file.path(), section, key), QByteArray::fromStdString(expected)) << name;
    }
    const std::string huge(1 << 20, 'x');  // one enormous line
    const std::tuple<const char *, std::string, const char *, const char *, const char *, std::string> writes[] = {
        {"replaced in place keeping spelling", "[s]\n  Key = old ;c\n#x\n", " S ", " KEY ", "new", "[s]\nKey=new\r\n#x\n"},
        {"a tab makes another section", "[S]\nk=1\n", "\tS", "k", "2", "[S]\nk=1\n[\tS]\r\nk=2\r\n"},
        {"new key after last key line", "[S]\r\na=1\r\n\r\n; c\r\n[T]\r\n", "S", "b", "2",
         "[S]\r\na=1\r\nb=2\r\n\r\n; c\r\n[T]\r\n"},
        {"new key right after bare header", "[S]\n;k=1\n\n[T]\n", "S", "k", "2", "[S]\nk=2\r\n;k=1\n\n[T]\n"},
        {"last key at end without line end", "[S]\ra=1", "S", "b", "2", "[S]\ra=1\r\nb=2\r\n"},
        {"line end added before new section", "junk", "T", "k", "v", "junk\r\n[T]\r\nk=v\r\n"},
        {"lone CR counts as line end", "x\r", "T", "k", "v", "x\r[T]\r\nk=v\r\n"},
        {"key before section kept, value verbatim", "k=1\n[S]\n", "S", "k", " \"v\" ", "k=1\n[S]\nk= \"v\" \r\n"},
        {"byte-order mark line is no header", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", "a", "2",
         "\xEF\xBB\xBF[S]\r\na=1\r\n[S]\r\na=2\r\n"},
        {"new section [] for the empty name", "[A]\nk=1\n", "", "k", "2", "[A]\nk=1\n[]\r\nk=2\r\n"},
        {"junk bytes and huge lines kept", "\xFF\0\x01\n"s + huge + "\n[S]\nk=1\n\0"s, "S", "k", "2",
         "\xFF\0\x01\n"s + huge + "\n[S]\nk=2\r\n\0"s},
    };
    for (const auto &[name, bytes, section, key, value, expected] : writes) {
        file.write(QByteArray::fromStdString(bytes));
        EXPECT_TRUE(writeProfileString(file.path(), section, key, value)) << name;
        EXPECT_EQ(file.bytes(), QByteArray::fromStdString(expected)) << name;
    }
    // A directory in the file's place reads empty and is not written.
    EXPECT_TRUE(readProfileString(file.dir(), "S", "k").isEmpty() && !writeProfileString(file.dir(), "S", "k", "v"));
}

// Reads of an unchanged file reuse one parse; every change is parsed once and seen by the next
// read: own writes, an edit of the same size (its time tells), another file of the same size and
// time renamed over it, the file removed.
TEST(ProfileFile, ParsedOnceForEachChange)
{
    TempSettings file;
    CachedProfile profile;
    const auto write = [&](const char *value) { profile.write(file.path(), {{"S", "k", value}}); };
    const auto edit = [&](const char *bytes, int year, const QString &name) {
        QFile out(QDir(file.dir()).filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) > 0);
        out.setFileTime(QDateTime(QDate(year, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime);
        out.close();
        ASSERT_EQ(std::rename(QFile::encodeName(out.fileName()), QFile::encodeName(file.path())), 0);
    };
    const std::tuple<std::function<void()>, const char *, int> rows[] = {
        {[&] { edit("[S]\r\nk=1\r\n", 2001, "KVZ.ini"); }, "1", 1},
        {[&] { write("1"); }, "1", 1},  // the value the file holds
        {[&] { write("2"); }, "2", 2},
        {[&] { edit("[S]\r\nk=3\r\n", 2002, "KVZ.ini"); }, "3", 3},
        {[&] { edit("[S]\r\nk=4\r\n", 2002, "new.ini"); }, "4", 4},
        {[&] { QFile::remove(file.path()); }, "", 5},
    };
    for (const auto &[change, value, parses] : rows) {
        change();
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(profile.load(file.path()).value("S", "k"), value) << parses;
        EXPECT_EQ(profile.parses(), parses);
    }
}

// The test binary re-run as another game: it writes keys key0..key<count-1>,
// or with count 0 rewrites key until killed.
constexpr int kChildTimeoutMs = 30000;

TEST(ProfileFileChild, DISABLED_Run)
{
    const QStringList args = QCoreApplication::arguments();  // path, key, count: the gtest flags are gone
    const QString &path = args.at(1);
    const int count = args.at(3).toInt();
    for (int i = 0; count == 0 || i < count; ++i) {
        const Assignments write{{"S", args.at(2).toUtf8() + (count ? QByteArray::number(i) : ""), QByteArray::number(i)}};
        WriteResult result = WriteResult::Busy;
        while (result == WriteResult::Busy)  // losing nothing is the lock's work, not its wait's
            result = writeProfileStrings(path, write);
        ASSERT_EQ(result, WriteResult::Written);
    }
}

void StartChild(QProcess &child, const QString &path, const QString &key, int count = 0)
{
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ProfileFileChild.DISABLED_Run",
                                                          "--gtest_also_run_disabled_tests", path, key, QString::number(count)});
}

// While another game holds the lock, a changed value waits in Settings (which
// reads it back) and goes with the next write once the lock is free. (A
// killed writer leaves no lock: the next writers below would wait for ever.)
TEST(ProfileFile, AHeldLockDelaysOnlyChangedValues)
{
    TempSettings file;
    file.write("[BALL]\r\nCOLOR=2\r\n");
    std::optional<ProfileLock> holder;
    holder.emplace(lockFilePath(file.path()), kLockWait);
    ASSERT_TRUE(holder->held());
    Settings &settings = file.settings();
    settings.WriteIniValue("BALL", "COLOR", "2");  // as start-up writes back what it read
    EXPECT_TRUE(settings.retryPendingWrites()) << "an unchanged value needs no lock";
    settings.WriteIniValue("BALL", "COLOR", "3");
    settings.WriteIniValue("Data", "HISCORE1", "x");
    EXPECT_FALSE(settings.retryPendingWrites());
    EXPECT_EQ(file.bytes(), "[BALL]\r\nCOLOR=2\r\n");
    EXPECT_EQ(settings.ReadIniValue("BALL", "COLOR"), "3") << "the game sees its own writes";
    holder.reset();
    settings.WriteIniValue("BALL", "COLOR", "4");
    EXPECT_EQ(file.bytes(), "[BALL]\r\nCOLOR=4\r\n[Data]\r\nHISCORE1=x\r\n");
}

TEST(ProfileFile, ConcurrentWritersLoseNothingAndAKilledOneLeavesTheOldOrTheNewFile)
{
    TempSettings file;
    QProcess a, b;
    StartChild(a, file.path(), "a", 50);
    StartChild(b, file.path(), "b", 50);
    for (QProcess *child : {&a, &b})
        ASSERT_TRUE(child->waitForFinished(kChildTimeoutMs) && child->exitCode() == 0);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(readProfileString(file.path(), "S", "ab"[i % 2] + QByteArray::number(i / 2)), QByteArray::number(i / 2));

    const QByteArray old = "[S]\r\nk=start\r\n" + QByteArray("; padding that makes a write slow\n").repeated(5000);
    for (int round = 0; round < 8; ++round) {
        file.write(old);
        QProcess child;
        StartChild(child, file.path(), "k");
        for (int ms = 0; lookupValue(file.bytes(), "S", "k") == "start"; ms += 2) {  // until its first write
            ASSERT_LT(ms, kChildTimeoutMs) << "the child never wrote";
            QThread::msleep(2);
        }
        QThread::usleep(500 * (round % 4));
        child.kill();
        child.waitForFinished(kChildTimeoutMs);
        const QByteArray now = file.bytes();
        EXPECT_EQ(now, ProfileIndex(old).withValue({"S", "k", lookupValue(now, "S", "k")}));
    }
}

// KVZ.ini as a chain of links to a file: written through only when every
// link and the file are the player's.
TEST(ProfileFile, WritesThroughLinksOnlyWhenTheyAndTheFileAreThePlayers)
{
    constexpr uid_t kNobody = 65534;
    const uid_t me = ::geteuid();
    const std::pair<std::vector<uid_t>, bool> rows[] = {
        // owners, KVZ.ini first; written
        {{me, me}, true}, {{me, me, me}, true}, {{me, kNobody}, false}, {{kNobody, me}, false}, {{me, kNobody, me}, false},
    };
    for (const auto &[owners, written] : rows) {
        SCOPED_TRACE(owners.size() * 10 + written);
        TempSettings file;
        QStringList chain{file.path()};
        for (size_t i = 1; i < owners.size(); ++i)
            chain << QDir(file.dir()).filePath(QString("hop%1").arg(i));
        file.write("[S]\r\nk=1\r\n");
        ASSERT_TRUE(QFile::rename(file.path(), chain.last()));
        for (qsizetype i = 0; i + 1 < chain.size(); ++i)
            ASSERT_TRUE(QFile::link(chain[i + 1], chain[i]));
        for (qsizetype i = 0; i < chain.size(); ++i)
            if (owners[i] != me && ::lchown(QFile::encodeName(chain[i]).constData(), owners[i], gid_t(-1)) != 0)
                GTEST_SKIP() << "giving a file to another user needs root";
        EXPECT_TRUE(writeProfileString(file.path(), "S", "k", "1")) << "an unchanged value is no write";
        EXPECT_EQ(writeProfileString(file.path(), "S", "k", "2"), written);
        EXPECT_EQ(readProfileString(file.path(), "S", "k"), written ? "2" : "1");
        EXPECT_EQ(QFileInfo(file.path()).symLinkTarget(), chain[1]);
    }
}

// Every write holds the lock, so a copy found while holding it is a dead
// writer's, even one made a moment ago.
TEST(ProfileFile, AWriteRemovesItsOwnTemporaryFilesWhateverTheirAge)
{
    // A copy's name, and whether the write removes it: not six letters or digits, another file's.
    const std::pair<const char *, bool> rows[] = {{"KVZ.ini.Qw12er", true}, {"KVZ.ini.ab-c12", false}, {"KVZ.ino.aB3xY9", false}};
    TempSettings file;
    for (const auto &[name, removed] : rows) {
        QFile leftover(QDir(file.dir()).filePath(name));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly) && leftover.write("[S]\r\n") > 0);
    }
    ASSERT_TRUE(writeProfileString(file.path(), "S", "k", "v"));
    for (const auto &[name, removed] : rows)
        EXPECT_NE(QFile::exists(QDir(file.dir()).filePath(name)), removed) << name;
}

TEST(SettingsTest, StoredValuesAreTrimmedAndReadAsNumbersWithinReach)
{
    TempSettings settings;
    settings.set("Data", "HISCORE1", "");
    settings.set("SCOREBOARD", "LEFT", QStringLiteral("1200\0junk"));
    EXPECT_EQ(settings.bytes(), "[Data]\r\nHISCORE1=\r\n[SCOREBOARD]\r\nLEFT=1200\r\n");
    // Spaces are trimmed inside quotes, a tab is kept; a value ends at a NUL.
    const std::pair<std::string, const char *> rows[] = {
        {"COLOR=\" 3  \"", "3"}, {"COLOR=\"\t3\"", "\t3"}, {"COLOR=2\0009"s, "2"}};
    for (const auto &[line, expected] : rows) {
        settings.write(QByteArray::fromStdString("[BALL]\r\n" + line + "\r\n"));
        EXPECT_EQ(settings.read("BALL", "COLOR"), QString::fromUtf8(expected)) << line;
    }
    // The sheet's place in twips: leading numbers, rounded, held within reach.
    // No left stored is no place; beyond a double is no finite number.
    const std::tuple<const char *, const char *, const char *> places[] = {
        {"", "600", "none"},           {"1500abc", "x", "1500,0"},
        {" 1499.6", "-0.4", "1500,0"}, {"5e30", "-5e30", "16777216,-16777216"},
        {"1e999", "-1e999", "0,0"},    {"NaN", "nan", "0,0"}};
    for (const auto &[left, top, twips] : places) {
        const auto place = SheetPosition::fromStored(left, top);
        EXPECT_EQ(place ? QString("%1,%2").arg(place->twips().x()).arg(place->twips().y()) : "none", twips) << left;
    }
    // The stored colour selects an existing colour.
    const std::pair<const char *, int> colours[] = {{"", 0},    {"2.5", 2}, {"3.5", 4}, {"  3 ", 3},    {"abc", 0},
                                                    {"4.5", 4}, {"7", 0},   {"-1", 0},  {"99999999", 0}};
    for (const auto &[text, colour] : colours)
        EXPECT_EQ(storedColourIndex(QString::fromLatin1(text)), colour) << '"' << text << '"';
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
    const char *const variables[] = {"MARVOLT_INI_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
    const QByteArrayList saved{qgetenv(variables[0]), qgetenv(variables[1]), qgetenv(variables[2]), qgetenv(variables[3])};
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
    for (const char *beside : {"marvolt.portable", "KVZ.ini"}) {  // the build folder's marker, or settings already there
        QTemporaryDir portable;
        QFile(portable.filePath(beside)).open(QIODevice::WriteOnly);
        Settings settings({}, portable.path());
        EXPECT_TRUE(WritesTo(settings, portable.filePath("KVZ.ini"))) << beside;
        EXPECT_EQ(settings.historyFilePath(), portable.filePath("history.sqlite")) << beside;
    }
    qputenv("MARVOLT_INI_DIR", QFile::encodeName(exe.path()));
    Settings byVariable({}, config.path());
    EXPECT_TRUE(WritesTo(byVariable, exe.filePath("KVZ.ini")));
    EXPECT_EQ(byVariable.historyFilePath(), exe.filePath("history.sqlite"));
    Settings byArgument(given.path(), exe.path());  // wins over the variable
    QFile::remove(exe.filePath("KVZ.ini"));
    EXPECT_TRUE(WritesTo(byArgument, given.filePath("KVZ.ini")) && !QFile::exists(exe.filePath("KVZ.ini")));
    for (int i = 0; i < 4; ++i)
        qputenv(variables[i], saved[i]);  // empty counts as unset
}

}  // namespace
