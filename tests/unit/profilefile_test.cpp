// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/tempsettings.h"
#include "platform/profilefile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLockFile>
#include <QProcess>
#include <QThread>

#include <cstdlib>
#include <string>

using namespace std::string_literals;
using namespace profile;

namespace {

TEST(ProfileFile, ReadsAsWindowsDoes)
{
    const std::string big(600, 'x');
    // clang-format off
    const struct { const char *name; std::string file; const char *section, *key; std::string expected; } rows[] = {
        {"names ignore ASCII case, value keeps it", "[ball]\r\ncolor=Red\r\n", "BALL", "COLOR", "Red"},
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
    };
    // clang-format on
    TempSettings file;
    for (const auto &row : rows) {
        file.write(QByteArray::fromStdString(row.file));
        EXPECT_EQ(ReadProfileString(file.path(), row.section, row.key), QByteArray::fromStdString(row.expected)) << row.name;
    }
}

TEST(ProfileFile, WritesAsWindowsDoes)
{
    const std::string huge(1 << 20, 'x');  // one enormous line
    // clang-format off
    const struct { const char *name; std::string file; const char *section, *key, *value; std::string expected; } rows[] = {
        {"replaced in place keeping spelling", "[s]\n  Key = old ;c\n#x\n", "S", "KEY", "new", "[s]\nKey=new\r\n#x\n"},
        {"first key of first section replaced", "[S]\nk=1\nk=3\n[S]\nk=2\n", "S", "k", "9", "[S]\nk=9\r\nk=3\n[S]\nk=2\n"},
        {"new key after last key line", "[S]\r\na=1\r\n\r\n; c\r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n; c\r\n[T]\r\n"},
        {"new key right after bare header", "[S]\n;k=1\n\n[T]\n", "S", "k", "2", "[S]\nk=2\r\n;k=1\n\n[T]\n"},
        {"last key at end without line end", "[S]\ra=1", "S", "b", "2", "[S]\ra=1\r\nb=2\r\n"},
        {"line end added before new section", "junk", "T", "k", "v", "junk\r\n[T]\r\nk=v\r\n"},
        {"lone CR counts as line end", "x\r", "T", "k", "v", "x\r[T]\r\nk=v\r\n"},
        {"key before section kept, value verbatim", "k=1\n[S]\n", "S", "k", " \"v\" ", "k=1\n[S]\nk= \"v\" \r\n"},
        {"byte-order mark line is no header", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", "a", "2", "\xEF\xBB\xBF[S]\r\na=1\r\n[S]\r\na=2\r\n"},
        {"junk bytes and huge lines kept", "\xFF\0\x01\n"s + huge + "\n[S]\nk=1\n\0"s, "S", "k", "2", "\xFF\0\x01\n"s + huge + "\n[S]\nk=2\r\n\0"s},
    };
    // clang-format on
    TempSettings file;
    for (const auto &row : rows) {
        file.write(QByteArray::fromStdString(row.file));
        EXPECT_TRUE(WriteProfileString(file.path(), row.section, row.key, row.value)) << row.name;
        EXPECT_EQ(file.bytes(), QByteArray::fromStdString(row.expected)) << row.name;
    }
    // A directory in the file's place reads empty and is not written.
    EXPECT_TRUE(ReadProfileString(file.dir(), "S", "k").isEmpty() && !WriteProfileString(file.dir(), "S", "k", "v"));
}

// The test binary re-run as another process: it writes keys key0..key<count-1>,
// or with count 0 rewrites key until killed, or with count -1 takes the lock
// and dies holding it.
constexpr int kChildTimeoutMs = 30000;

TEST(ProfileFileChild, DISABLED_Run)
{
    const QStringList args = QCoreApplication::arguments();  // path, key, count: the gtest flags are gone
    const int count = args.at(3).toInt();
    QLockFile lock(LockFilePath(args.at(1)));
    if (count < 0 && lock.tryLock(0))
        std::_Exit(0);  // no unlock, as when killed
    for (int i = 0; count == 0 || i < count; ++i)
        ASSERT_TRUE(WriteProfileString(args.at(1), "S", args.at(2).toUtf8() + (count ? QByteArray::number(i) : ""),
                                       QByteArray::number(i)));
}

void StartChild(QProcess &child, const QString &path, const QString &key, int count)
{
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ProfileFileChild.DISABLED_Run",
                                                          "--gtest_also_run_disabled_tests", path, key, QString::number(count)});
}

// Two writers race after a dead process left its lock behind.
TEST(ProfileFile, ConcurrentWritersBreakADeadLockAndLoseNothing)
{
    TempSettings file;
    QProcess holder, a, b;
    StartChild(holder, file.path(), "k", -1);
    ASSERT_TRUE(holder.waitForFinished(kChildTimeoutMs) && QFileInfo(LockFilePath(file.path())).size() > 0);
    constexpr int kWrites = 50;
    StartChild(a, file.path(), "a", kWrites);
    StartChild(b, file.path(), "b", kWrites);
    for (QProcess *child : {&a, &b})
        ASSERT_TRUE(child->waitForFinished(kChildTimeoutMs) && child->exitCode() == 0);
    for (int i = 0; i < 2 * kWrites; ++i)
        EXPECT_EQ(ReadProfileString(file.path(), "S", "ab"[i % 2] + QByteArray::number(i / 2)), QByteArray::number(i / 2));
}

TEST(ProfileFile, KilledWriterLeavesOldOrNewFile)
{
    TempSettings file;
    const QByteArray old = "[S]\r\nk=start\r\n" + QByteArray("; padding that makes a write slow\n").repeated(5000);
    for (int round = 0; round < 8; ++round) {
        file.write(old);
        QFile::remove(LockFilePath(file.path()));  // the last victim may have held it
        QProcess child;
        StartChild(child, file.path(), "k", 0);
        for (int ms = 0; LookupValue(file.bytes(), "S", "k") == "start"; ms += 2) {  // until its first write
            ASSERT_LT(ms, kChildTimeoutMs) << "the child never wrote";
            QThread::msleep(2);
        }
        QThread::usleep(500 * (round % 4));
        child.kill();
        child.waitForFinished(kChildTimeoutMs);
        const QByteArray now = file.bytes();
        EXPECT_EQ(now, WithValue(old, "S", "k", LookupValue(now, "S", "k")));
    }
}

}  // namespace
