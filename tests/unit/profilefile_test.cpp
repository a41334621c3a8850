#include "platform/profilefile.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <random>
#include <string>

using namespace std::string_literals;
using profile::ReadProfileString;
using profile::WriteProfileString;

namespace {

QByteArray Bytes(const std::string &s) { return QByteArray(s.data(), qsizetype(s.size())); }

class ProfileFileTest : public ::testing::Test
{
protected:
    QString path() const { return dir_.filePath("KVZ.ini"); }
    void put(const QByteArray &bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir_;
};

struct ReadRow
{
    const char *name;
    std::string file;
    const char *section;
    const char *key;
    std::string expected;
};

TEST_F(ProfileFileTest, ReadsAsWindowsDoes)
{
    const std::string big(600, 'x');
    const ReadRow rows[] = {
        {"names ignore ASCII case, value keeps it", "[ball]\r\ncolor=Red\r\n", "BALL", "COLOR", "Red"},
        {"non-ASCII bytes compare exactly", "[\xC4]\nk=1\n", "\xE4", "k", ""},
        {"duplicate section never searched", "[A]\nx=1\n[B]\n[a]\ny=2\n", "A", "y", ""},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"blanks trimmed around names and value", "  [ A ]  \n \t k \v= \t v  w \v\n", "A", "k", "v  w"},
        {"outer double quotes removed", "[A]\nk= \"  q \" \n", "A", "k", "  q "},
        {"outer single quotes removed", "[A]\nk='x'\n", "A", "k", "x"},
        {"mismatched quotes kept", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
        {"only one pair of quotes removed", "[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        {"a lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
        {"indented comment never matches", "[A]\n  ;k=1\nk=2\n", "A", "k", "2"},
        {"';' and '#' inside a line are text", "[A]\nk=a;b #c\n", "A", "k", "a;b #c"},
        {"'#' starts no comment", "[A]\n#k=1\n", "A", "#k", "1"},
        {"line without '=' is no key", "[A]\nk\nk=3\n", "A", "k", "3"},
        {"value keeps later '='", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"key before first section unreadable", "k=1\n[A]\n", "A", "k", ""},
        {"header without ']' runs to line end", "[A \nk=1\n", "A", "k", "1"},
        {"text after ']' ignored", "[A] j=9\nk=1\n", "A", "k", "1"},
        {"header remainder is no key", "[A] j=9\nk=1\n", "A", "j", ""},
        {"lone CR ends a line", "[A]\rk=1\r\nj=2\nm=3", "A", "k", "1"},
        {"CR LF ends a line", "[A]\rk=1\r\nj=2\nm=3", "A", "j", "2"},
        {"last line needs no line end", "[A]\rk=1\r\nj=2\nm=3", "A", "m", "3"},
        {"byte-order mark hides first header", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", ""},
        {"empty value", "[A]\nk=\n", "A", "k", ""},
        {"missing section", "[A]\nk=1\n", "B", "k", ""},
        {"NUL bytes are opaque", "[A]\nk=a\0b\n"s, "A", "k", "a\0b"s},
        {"long value cut to 510 bytes", "[A]\nk=" + big + "\n", "A", "k", big.substr(0, 510)},
        {"cut after unquoting", "[A]\nk=\"" + big + "\"\n", "A", "k", big.substr(0, 510)},
        {"empty key name never matches", "[A]\n=1\n", "A", "", ""},
    };
    for (const ReadRow &row : rows) {
        SCOPED_TRACE(row.name);
        put(Bytes(row.file));
        EXPECT_EQ(ReadProfileString(path(), row.section, row.key), Bytes(row.expected));
    }
}

struct WriteRow
{
    const char *name;
    std::string file;  // "-" for no file
    const char *section;
    const char *key;
    const char *value;
    std::string expected;
};

TEST_F(ProfileFileTest, WritesAsWindowsDoes)
{
    const WriteRow rows[] = {
        {"missing file created", "-", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"replaced in place keeping spelling", "[s]\n  Key = old ;c\n#x\n", "S", "KEY", "new",
         "[s]\nKey=new\r\n#x\n"},
        {"first key of first section replaced", "[S]\nk=1\nk=3\n[S]\nk=2\n", "S", "k", "9",
         "[S]\nk=9\r\nk=3\n[S]\nk=2\n"},
        {"new key after last key line", "[S]\r\na=1\r\n\r\n; c\r\n[T]\r\n", "S", "b", "2",
         "[S]\r\na=1\r\nb=2\r\n\r\n; c\r\n[T]\r\n"},
        {"new key right after bare header", "[S]\n;k=1\n\n[T]\n", "S", "k", "2",
         "[S]\nk=2\r\n;k=1\n\n[T]\n"},
        {"header at end without line end", "[S]", "S", "b", "2", "[S]\r\nb=2\r\n"},
        {"last key at end without line end", "[S]\ra=1", "S", "b", "2", "[S]\ra=1\r\nb=2\r\n"},
        {"new section appended", "[S]\na=1\n", "T", "k", "v", "[S]\na=1\n[T]\r\nk=v\r\n"},
        {"line end added before new section", "junk", "T", "k", "v", "junk\r\n[T]\r\nk=v\r\n"},
        {"lone CR counts as line end", "x\r", "T", "k", "v", "x\r[T]\r\nk=v\r\n"},
        {"key before first section untouched", "k=1\n[S]\n", "S", "k", "v", "k=1\n[S]\nk=v\r\n"},
        {"value written verbatim", "[S]\nk=1\n", "S", "k", " \"v\" ", "[S]\nk= \"v\" \r\n"},
        {"byte-order mark line is no header", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", "a", "2",
         "\xEF\xBB\xBF[S]\r\na=1\r\n[S]\r\na=2\r\n"},
        {"junk bytes kept", "\xFF\0\x01\n[S]\nk=1\n\0"s, "S", "k", "2", "\xFF\0\x01\n[S]\nk=2\r\n\0"s},
    };
    for (const WriteRow &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(path());
        if (row.file != "-")
            put(Bytes(row.file));
        EXPECT_TRUE(WriteProfileString(path(), row.section, row.key, row.value));
        EXPECT_EQ(bytes(), Bytes(row.expected));
    }
}

TEST_F(ProfileFileTest, BinaryJunkAndHugeLinesAreTolerated)
{
    std::mt19937 gen(7);
    QByteArray junk(64 * 1024, '\0');
    for (char &c : junk)
        c = char(gen());
    junk += QByteArray(8 * 1024 * 1024, 'x');  // one enormous line
    put(junk);
    EXPECT_EQ(ReadProfileString(path(), "Zq", "k"), QByteArray());
    ASSERT_TRUE(WriteProfileString(path(), "Zq", "k", "v"));
    EXPECT_EQ(ReadProfileString(path(), "Zq", "k"), "v");
    EXPECT_TRUE(bytes().startsWith(junk));
}

TEST_F(ProfileFileTest, DirectoryInPlaceOfFileReadsEmptyAndIsNotReplaced)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("KVZ.ini"));
    EXPECT_EQ(ReadProfileString(path(), "S", "k"), QByteArray());
    EXPECT_FALSE(WriteProfileString(path(), "S", "k", "v"));
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(ProfileFileTest, UnwritableDirectoryFailsSilently)
{
    put("plain file");
    const QString inside = path() + "/KVZ.ini";  // its parent is a regular file
    EXPECT_FALSE(WriteProfileString(inside, "S", "k", "v"));
    EXPECT_EQ(ReadProfileString(inside, "S", "k"), QByteArray());
    EXPECT_EQ(bytes(), "plain file");
}

// ---------------------------------------------------------------------------
// Other processes: the test binary re-run as a writer or a lock holder.

constexpr char kChildFile[] = "PROFILE_CHILD_FILE";
constexpr char kChildKey[] = "PROFILE_CHILD_KEY";
constexpr char kChildCount[] = "PROFILE_CHILD_COUNT";  // 0 writes one key until killed
constexpr char kChildHold[] = "PROFILE_CHILD_HOLD";
constexpr char kReady[] = "child-ready";
constexpr int kChildTimeoutMs = 30000;

TEST(ProfileFileChild, DISABLED_Run)
{
    const QString path = qEnvironmentVariable(kChildFile);
    const QByteArray key = qgetenv(kChildKey);
    const int count = qEnvironmentVariableIntValue(kChildCount);
    if (qEnvironmentVariableIsSet(kChildHold)) {
        QLockFile lock(profile::LockFilePath(path));
        ASSERT_TRUE(lock.tryLock(0));
        printf("%s\n", kReady);
        fflush(stdout);
        QThread::sleep(kChildTimeoutMs / 1000);
        return;
    }
    for (int i = 0; count == 0 || i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        ASSERT_TRUE(WriteProfileString(path, "S", count ? key + n : key, n));
        if (i == 0) {
            printf("%s\n", kReady);
            fflush(stdout);
        }
    }
}

void StartChild(QProcess &child, const QString &path, const QByteArray &key, int count,
                bool hold = false)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildFile, path);
    env.insert(kChildKey, key);
    env.insert(kChildCount, QString::number(count));
    if (hold)
        env.insert(kChildHold, "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=ProfileFileChild.DISABLED_Run", "--gtest_also_run_disabled_tests"});
}

bool WaitReady(QProcess &child)
{
    QByteArray seen;
    while (!seen.contains(kReady) && child.waitForReadyRead(kChildTimeoutMs))
        seen += child.readAllStandardOutput();
    return seen.contains(kReady);
}

TEST_F(ProfileFileTest, ConcurrentWritersLoseNothing)
{
    constexpr int kWrites = 50;
    QProcess a, b;
    StartChild(a, path(), "a", kWrites);
    StartChild(b, path(), "b", kWrites);
    for (QProcess *child : {&a, &b}) {
        ASSERT_TRUE(child->waitForFinished(kChildTimeoutMs));
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardOutput().constData();
    }
    for (const char *prefix : {"a", "b"})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(ReadProfileString(path(), "S", prefix + QByteArray::number(i)),
                      QByteArray::number(i)) << prefix << i;
}

TEST_F(ProfileFileTest, KilledWriterLeavesOldOrNewFile)
{
    QByteArray old = "[S]\r\nk=start\r\n";
    for (int i = 0; i < 4000; ++i)
        old += "; padding that makes every write take a while " + QByteArray::number(i) + "\n";
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        put(old);
        QFile::remove(profile::LockFilePath(path()));  // the last victim may have held it
        QProcess child;
        StartChild(child, path(), "k", 0);
        ASSERT_TRUE(WaitReady(child));
        QThread::usleep(500 * (round % 6));
        child.kill();
        child.waitForFinished(kChildTimeoutMs);
        const QByteArray now = bytes();
        const QByteArray value = profile::LookupValue(now, "S", "k");
        EXPECT_EQ(now, profile::WithValue(old, "S", "k", value));
    }
}

TEST_F(ProfileFileTest, LockOfKilledProcessIsBroken)
{
    QProcess holder;
    StartChild(holder, path(), "k", 0, true);
    ASSERT_TRUE(WaitReady(holder));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(kChildTimeoutMs));
    ASSERT_TRUE(QFile::exists(profile::LockFilePath(path())));
    EXPECT_TRUE(WriteProfileString(path(), "S", "k", "v"));
    EXPECT_EQ(ReadProfileString(path(), "S", "k"), "v");
}

}  // namespace
