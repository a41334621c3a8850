// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "platform/profilefile.h"
#include "platform/profilelock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace std::string_literals;
using namespace profile;

namespace {

TEST(ProfileFile, ReadsAsWindowsDoes)
{
    const std::string big(600, 'x');
    // clang-format off
    const struct { const char *name; std::string file; const char *section, *key; std::string expected; } rows[] = {
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
    // clang-format on
    TempSettings file;
    for (const auto &row : rows) {
        file.write(QByteArray::fromStdString(row.file));
        EXPECT_EQ(readProfileString(file.path(), row.section, row.key), QByteArray::fromStdString(row.expected)) << row.name;
    }
}

TEST(ProfileFile, WritesAsWindowsDoes)
{
    const std::string huge(1 << 20, 'x');  // one enormous line
    // clang-format off
    const struct { const char *name; std::string file; const char *section, *key, *value; std::string expected; } rows[] = {
        {"replaced in place keeping spelling", "[s]\n  Key = old ;c\n#x\n", " S ", " KEY ", "new", "[s]\nKey=new\r\n#x\n"},
        {"a tab makes another section", "[S]\nk=1\n", "\tS", "k", "2", "[S]\nk=1\n[\tS]\r\nk=2\r\n"},
        {"new key after last key line", "[S]\r\na=1\r\n\r\n; c\r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n; c\r\n[T]\r\n"},
        {"new key right after bare header", "[S]\n;k=1\n\n[T]\n", "S", "k", "2", "[S]\nk=2\r\n;k=1\n\n[T]\n"},
        {"last key at end without line end", "[S]\ra=1", "S", "b", "2", "[S]\ra=1\r\nb=2\r\n"},
        {"line end added before new section", "junk", "T", "k", "v", "junk\r\n[T]\r\nk=v\r\n"},
        {"lone CR counts as line end", "x\r", "T", "k", "v", "x\r[T]\r\nk=v\r\n"},
        {"key before section kept, value verbatim", "k=1\n[S]\n", "S", "k", " \"v\" ", "k=1\n[S]\nk= \"v\" \r\n"},
        {"byte-order mark line is no header", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", "a", "2", "\xEF\xBB\xBF[S]\r\na=1\r\n[S]\r\na=2\r\n"},
        {"new section [] for the empty name", "[A]\nk=1\n", "", "k", "2", "[A]\nk=1\n[]\r\nk=2\r\n"},
        {"junk bytes and huge lines kept", "\xFF\0\x01\n"s + huge + "\n[S]\nk=1\n\0"s, "S", "k", "2", "\xFF\0\x01\n"s + huge + "\n[S]\nk=2\r\n\0"s},
    };
    // clang-format on
    TempSettings file;
    for (const auto &row : rows) {
        file.write(QByteArray::fromStdString(row.file));
        EXPECT_TRUE(writeProfileString(file.path(), row.section, row.key, row.value)) << row.name;
        EXPECT_EQ(file.bytes(), QByteArray::fromStdString(row.expected)) << row.name;
    }
    // A directory in the file's place reads empty and is not written.
    EXPECT_TRUE(readProfileString(file.dir(), "S", "k").isEmpty() && !writeProfileString(file.dir(), "S", "k", "v"));
}

// Reads of an unchanged file reuse one parse; every change, by this game or
// by hand, is parsed once and seen by the next read.
TEST(ProfileFile, ParsedOnceForEachChange)
{
    TempSettings file;
    CachedProfile profile;
    const auto write = [&](const char *value) { profile.write(file.path(), {{"S", "k", value}}); };
    // Same size every time; the time is set, so only what the row changes differs.
    const auto edit = [&](const char *bytes, int year, const QString &name = "KVZ.ini") {
        QFile out(QDir(file.dir()).filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) > 0);
        out.setFileTime(QDateTime(QDate(year, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime);
        out.close();
        if (name != "KVZ.ini") {
            ASSERT_EQ(std::rename(QFile::encodeName(out.fileName()), QFile::encodeName(file.path())), 0);
        }
    };
    // clang-format off
    const struct { const char *name; std::function<void()> change; const char *value; int parses; } rows[] = {
        {"first reads", [&] { edit("[S]\r\nk=1\r\n", 2001); }, "1", 1},
        {"value the file holds written", [&] { write("1"); }, "1", 1},
        {"own write", [&] { write("2"); }, "2", 2},
        {"edit by hand of the same size", [&] { edit("[S]\r\nk=3\r\n", 2002); }, "3", 3},
        {"another file renamed over it", [&] { edit("[S]\r\nk=4\r\n", 2002, "new.ini"); }, "4", 4},
        {"file removed", [&] { QFile::remove(file.path()); }, "", 5},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(profile.load(file.path()).value("S", "k"), row.value);
        EXPECT_EQ(profile.parses(), row.parses);
    }
}

// The test binary re-run as another process. As "hold" it takes the file's
// lock, says "held" and keeps it until its input closes or it is killed;
// otherwise it writes keys key0..key<count-1>, or with count 0 rewrites key
// until killed.
constexpr int kChildTimeoutMs = 30000;
constexpr char kHeld[] = "held\n";

TEST(ProfileFileChild, DISABLED_Run)
{
    const QStringList args = QCoreApplication::arguments();  // path, key, count: the gtest flags are gone
    const QString &path = args.at(1);
    const int count = args.at(3).toInt();
    if (args.at(2) == "hold") {
        const ProfileLock lock(lockFilePath(path), kLockWait);
        ASSERT_TRUE(lock.held());
        std::fputs(kHeld, stdout);
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return;
    }
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
// reads it back); a holder that dies, even killed, leaves nothing to wait for.
TEST(ProfileFile, ALiveHolderDelaysOnlyChangedValuesAndAKilledOneNothing)
{
    TempSettings file;
    file.write("[BALL]\r\nCOLOR=2\r\n");
    QProcess holder;
    StartChild(holder, file.path(), "hold");
    QByteArray said;
    while (!said.contains(kHeld) && holder.waitForReadyRead(kChildTimeoutMs))
        said += holder.readAllStandardOutput();
    ASSERT_TRUE(said.contains(kHeld)) << said.toStdString();
    Settings &settings = file.settings();
    settings.WriteIniValue("BALL", "COLOR", "2");  // as start-up writes back what it read
    EXPECT_TRUE(settings.retryPendingWrites()) << "an unchanged value needs no lock";
    settings.WriteIniValue("BALL", "COLOR", "3");
    settings.WriteIniValue("Data", "HISCORE1", "x");
    EXPECT_FALSE(settings.retryPendingWrites());
    EXPECT_EQ(file.bytes(), "[BALL]\r\nCOLOR=2\r\n");
    EXPECT_EQ(settings.ReadIniValue("BALL", "COLOR"), "3") << "the game sees its own writes";
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(kChildTimeoutMs));
    settings.WriteIniValue("BALL", "COLOR", "4");
    EXPECT_EQ(file.bytes(), "[BALL]\r\nCOLOR=4\r\n[Data]\r\nHISCORE1=x\r\n");
}

TEST(ProfileFile, ConcurrentWritersLoseNothing)
{
    TempSettings file;
    QProcess a, b;
    constexpr int kWrites = 50;
    StartChild(a, file.path(), "a", kWrites);
    StartChild(b, file.path(), "b", kWrites);
    for (QProcess *child : {&a, &b})
        ASSERT_TRUE(child->waitForFinished(kChildTimeoutMs) && child->exitCode() == 0);
    for (int i = 0; i < 2 * kWrites; ++i)
        EXPECT_EQ(readProfileString(file.path(), "S", "ab"[i % 2] + QByteArray::number(i / 2)), QByteArray::number(i / 2));
}

TEST(ProfileFile, KilledWriterLeavesOldOrNewFile)
{
    TempSettings file;
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
    // clang-format off
    const struct { const char *name; std::vector<uid_t> owners; bool written; } rows[] = {  // KVZ.ini first
        {"own link to own file", {me, me}, true},
        {"own links to own file", {me, me, me}, true},
        {"own link to another user's file", {me, kNobody}, false},
        {"another user's link to own file", {kNobody, me}, false},
        {"own link through another user's link", {me, kNobody, me}, false},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempSettings file;
        QStringList chain{file.path()};
        for (size_t i = 1; i < row.owners.size(); ++i)
            chain << QDir(file.dir()).filePath(QString("hop%1").arg(i));
        QFile out(chain.last());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write("[S]\r\nk=1\r\n") > 0);
        out.close();
        for (qsizetype i = 0; i + 1 < chain.size(); ++i)
            ASSERT_TRUE(QFile::link(chain[i + 1], chain[i]));
        for (qsizetype i = 0; i < chain.size(); ++i)
            if (row.owners[i] != me && ::lchown(QFile::encodeName(chain[i]).constData(), row.owners[i], gid_t(-1)) != 0)
                GTEST_SKIP() << "giving a file to another user needs root";
        EXPECT_TRUE(writeProfileString(file.path(), "S", "k", "1")) << "an unchanged value is no write";
        EXPECT_EQ(writeProfileString(file.path(), "S", "k", "2"), row.written);
        EXPECT_EQ(readProfileString(file.path(), "S", "k"), row.written ? "2" : "1");
        EXPECT_EQ(QFileInfo(file.path()).symLinkTarget(), chain[1]);
    }
}

// Every write holds the lock, so a copy found while holding it is a dead
// writer's, even one made a moment ago.
TEST(ProfileFile, AWriteRemovesItsOwnTemporaryFilesWhateverTheirAge)
{
    // clang-format off
    const struct { const char *name, *file; bool removed; } rows[] = {
        {"copy just left", "KVZ.ini.Qw12er", true},
        {"not six letters or digits", "KVZ.ini.ab-c12", false},
        {"another file's copy", "KVZ.ino.aB3xY9", false},
    };
    // clang-format on
    TempSettings file;
    for (const auto &row : rows) {
        QFile leftover(QDir(file.dir()).filePath(row.file));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly) && leftover.write("[S]\r\n") > 0);
    }
    ASSERT_TRUE(writeProfileString(file.path(), "S", "k", "v"));
    for (const auto &row : rows)
        EXPECT_NE(QFile::exists(QDir(file.dir()).filePath(row.file)), row.removed) << row.name;
}

}  // namespace
