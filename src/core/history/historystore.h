// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historygame.h"

#include <QString>

#include <QVariant>

#include <functional>
#include <optional>

// The orders the list of games can be read in; equal keys newest first.
enum class GameOrder { NewestFirst, OldestFirst, HighestFirst, LowestFirst };

// Where the next page of a list starts: after the game `id`, whose sort key
// was `key`.
struct PageMark
{
    QVariant key;
    qint64 id = 0;
};

struct GamePage
{
    HistoryGames games;
    std::optional<PageMark> last;  // none for an empty page
};

// The game history: every finished game, in an SQLite database beside the
// settings file or in the user's data folder. The database is opened on
// first use, not at start-up, and stays open while the store lives.
//
// Faults never stop the game. A database that cannot be opened (a read-only
// or missing folder, a directory in its place, a link the settings file's
// rule refuses) leaves the store unavailable for its lifetime; a game that
// cannot be written is lost. Each says so in one line on standard error, once.
// A file that is no SQLite database or fails its quick check is renamed to
// "<name>.corrupt-<yyyyMMdd-hhmmss>" (with its -wal and -shm files), never
// deleted, and a fresh history is started in its place.
//
// Writes go through a write-ahead log with synchronous=FULL: a game is on
// disk when append returns, so neither a killed program nor a power cut
// loses it, and two running games share the file (each waits a moment for
// the other's transaction).
class HistoryStore
{
public:
    // The games a newly created history starts with (the stored high
    // scores); asked only when the database is created.
    using FirstGames = std::function<HistoryGames()>;

    explicit HistoryStore(QString path, FirstGames firstGames = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Appends one finished game in its own transaction; false when the
    // history cannot be written (the game plays on regardless).
    bool append(const HistoryGame &game);
    // Every stored game, oldest first; nothing when the history cannot be
    // opened.
    std::optional<HistoryGames> games();
    // Hands every stored game to `visit`, oldest first, one row at a time
    // (the game handed over is valid only during the call); false when the
    // history cannot be read.
    bool readGames(const std::function<void(const HistoryGame &)> &visit);
    // Up to `count` games in `order`, starting after `after` (from the first
    // for none), typed-in games only when `includeTyped`. Each page is one
    // short query over an index, however far into the list it lies; a row's
    // unreadable time sorts as the oldest.
    std::optional<GamePage> page(GameOrder order, bool includeTyped, const std::optional<PageMark> &after,
                                 int count);
    // Removes the one game `id` in its own transaction; false when it could
    // not be written or no such game is stored.
    bool remove(qint64 id);

    QString path() const { return path_; }

private:
    enum class State { Closed, Open, Unavailable };
    bool ensureOpen();
    bool openAndCheck(const QString &file);
    void close();
    void warnOnce(const QString &what);

    QString path_;
    FirstGames firstGames_;
    QString connection_;
    State state_ = State::Closed;
    bool warned_ = false;
};
