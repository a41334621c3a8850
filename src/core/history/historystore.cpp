// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/historystore.h"

#include "history/historyschema.h"
#include "platform/profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
// Long enough for another game's one-row transaction, short enough that a
// wedged one does not hold up the end of a game for long.
const QString kConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
const QString kCorruptSuffix = QStringLiteral(".corrupt-");
const QString kCorruptTimeFormat = QStringLiteral("yyyyMMdd-hhmmss");
const QString kCompanionSuffixes[] = {QStringLiteral("-wal"), QStringLiteral("-shm")};
const QString kCheckPassed = QStringLiteral("ok");
const QString kWal = QStringLiteral("wal");

// SQLite's primary result codes for a damaged file (the low byte of an
// extended code).
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kPrimaryCodeMask = 0xff;

enum class Opened { Ok, Damaged, Failed };

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & kPrimaryCodeMask;
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString shownPath(const QString &path) { return QDir::toNativeSeparators(path); }

// Renames the damaged file and its companions; the name it was kept under,
// or "" when it could not be renamed.
QString moveAside(const QString &file)
{
    QString aside = file + kCorruptSuffix + QDateTime::currentDateTime().toString(kCorruptTimeFormat);
    if (!QFile::rename(file, aside))
        return {};
    for (const QString &suffix : kCompanionSuffixes)
        if (QFileInfo::exists(file + suffix))
            QFile::rename(file + suffix, aside + suffix);
    return aside;
}

// Checks the opened file, switches it to the write-ahead log and brings its
// schema up to date; `error` says what failed.
Opened prepareHistory(QSqlDatabase &db, const HistoryStore::FirstGames &firstGames, QString &error)
{
    const auto failed = [&error](const QSqlQuery &query) {
        error = query.lastError().text();
        return isDamage(query.lastError()) ? Opened::Damaged : Opened::Failed;
    };
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next())
        return failed(check);
    if (check.value(0).toString() != kCheckPassed)
        return Opened::Damaged;
    check.finish();
    QSqlQuery mode(db);
    if (!mode.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !mode.next())
        return failed(mode);
    if (mode.value(0).toString() != kWal) {
        error = QStringLiteral("no write-ahead log");
        return Opened::Failed;
    }
    mode.finish();
    QSqlQuery sync(db);
    if (!sync.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return failed(sync);
    if (migrateHistory(db, firstGames))
        return Opened::Ok;
    error = db.lastError().text();
    return Opened::Failed;
}

const QString kColumns = QStringLiteral("id, ended_at, record, marks, total, typed, imported, leaves");

// Each order's key, as the list's indexes hold it (historyschema), and its
// direction.
struct OrderKey
{
    const char *key;
    bool descending;
};
constexpr OrderKey kOrderKeys[] = {
    {"coalesce(julianday(ended_at), 0)", true},
    {"coalesce(julianday(ended_at), 0)", false},
    {"total", true},
    {"total", false},
};

HistoryGame gameFrom(const QSqlQuery &row)
{
    HistoryGame game;
    game.id = row.value(0).toLongLong();
    const QString endedAt = row.value(1).toString();
    game.endedAt = historyTimeFromText(endedAt);
    if (!game.endedAt.isValid())
        game.storedEndedAt = endedAt;
    game.record = row.value(2).toString();
    game.marks = row.value(3).toString();
    game.total = row.value(4).toInt();
    game.typed = row.value(5).toInt() != 0;
    game.imported = row.value(6).toInt() != 0;
    game.leaves = row.value(7).toString();
    return game;
}

}  // namespace

HistoryStore::HistoryStore(QString path, FirstGames firstGames)
    : path_(std::move(path)), firstGames_(std::move(firstGames)),
      connection_(QStringLiteral("marvolt-history-%1").arg(quintptr(this), 0, 16))
{
}

HistoryStore::~HistoryStore() { close(); }

void HistoryStore::close()
{
    if (!QSqlDatabase::contains(connection_))
        return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

void HistoryStore::warnOnce(const QString &what)
{
    if (warned_)
        return;
    warned_ = true;
    std::fprintf(stderr, "marvolt: %s\n", qUtf8Printable(what));
}

bool HistoryStore::openAndCheck(const QString &file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, connection_);
    db.setDatabaseName(file);
    db.setConnectOptions(kConnectOptions);
    QString error;
    const auto prepare = [&] {
        if (db.open())
            return prepareHistory(db, firstGames_, error);
        error = db.lastError().text();
        return Opened::Failed;
    };
    Opened opened = prepare();
    if (opened == Opened::Damaged) {
        db.close();
        const QString aside = moveAside(file);
        if (!aside.isEmpty()) {
            std::fprintf(stderr, "marvolt: %s was damaged; it is kept as %s and a new history is started\n",
                         qUtf8Printable(shownPath(file)), qUtf8Printable(shownPath(aside)));
            opened = prepare();
        }
    }
    if (opened == Opened::Ok)
        return true;
    warnOnce(QStringLiteral("cannot open the game history %1 (%2); games are not recorded")
                 .arg(shownPath(file), error));
    db = QSqlDatabase();
    close();
    return false;
}

bool HistoryStore::ensureOpen()
{
    if (state_ != State::Closed)
        return state_ == State::Open;
    state_ = State::Unavailable;
    // A link is followed as the settings file's are, or not at all (which
    // that rule reports itself).
    const QString file = profile::writeTarget(path_);
    if (file.isEmpty()) {
        warned_ = true;
        return false;
    }
    QDir().mkpath(QFileInfo(file).path());
    if (openAndCheck(file))
        state_ = State::Open;
    return state_ == State::Open;
}

bool HistoryStore::append(const HistoryGame &game)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.transaction() && insertHistoryGame(db, game) && db.commit())
        return true;
    const QString error = db.lastError().text();
    db.rollback();
    warnOnce(QStringLiteral("cannot write the game history %1 (%2); a game is not recorded")
                 .arg(shownPath(path_), error));
    return false;
}

std::optional<HistoryGames> HistoryStore::games()
{
    HistoryGames games;
    if (!readGames([&games](const HistoryGame &game) { games.append(game); }))
        return std::nullopt;
    return games;
}

bool HistoryStore::readGames(const std::function<void(const HistoryGame &)> &visit)
{
    if (!ensureOpen())
        return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM games ORDER BY id").arg(kColumns)))
        return false;
    while (query.next())
        visit(gameFrom(query));
    return true;
}

std::optional<GamePage> HistoryStore::page(GameOrder order, bool includeTyped,
                                           const std::optional<PageMark> &after, int count)
{
    if (!ensureOpen())
        return std::nullopt;
    const OrderKey &o = kOrderKeys[static_cast<int>(order)];
    const QString key = QString::fromLatin1(o.key);
    const QChar beyond = o.descending ? u'<' : u'>';
    // Written as an OR rather than a row value, which SQLite would not seek
    // in the index; ties between equal keys go newest first in both
    // directions.
    QStringList where;
    if (!includeTyped)
        where << QStringLiteral("typed = 0");
    if (after)
        where << QStringLiteral("(%1 %2 :key OR (%1 = :key AND id < :id))").arg(key, beyond);
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1, %2 FROM games %3 ORDER BY %2 %4, id DESC LIMIT :count")
                      .arg(kColumns, key,
                           where.isEmpty() ? QString()
                                           : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")),
                           o.descending ? QStringLiteral("DESC") : QStringLiteral("ASC")));
    if (after) {
        query.bindValue(QStringLiteral(":key"), after->key);
        query.bindValue(QStringLiteral(":id"), after->id);
    }
    query.bindValue(QStringLiteral(":count"), count);
    if (!query.exec())
        return std::nullopt;
    GamePage page;
    constexpr int kKeyColumn = 8;
    while (query.next()) {
        page.games.append(gameFrom(query));
        page.last = PageMark{query.value(kKeyColumn), page.games.back().id};
    }
    return page;
}

bool HistoryStore::remove(qint64 id)
{
    if (!ensureOpen())
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM games WHERE id = ?"));
    query.addBindValue(id);
    if (db.transaction() && query.exec() && query.numRowsAffected() == 1 && db.commit())
        return true;
    db.rollback();
    return false;
}
