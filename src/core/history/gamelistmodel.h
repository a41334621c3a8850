// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/historystore.h"

#include <QAbstractTableModel>

// Every game in the history as a table, read a page at a time as a view
// scrolls to the rows it has not got yet, so that a history of 100,000
// games opens as fast as one of ten. Newest first until sorted by date or
// by total; the other columns do not sort.
class GameListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { DateColumn, TotalColumn, GameColumn, KindColumn, kColumnCount };
    static constexpr int kPageSize = 256;

    // `pageSize` games are read at a time.
    explicit GameListModel(HistoryStore &store, int pageSize = kPageSize, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    void sort(int column, Qt::SortOrder order) override;

    // Typed-in games are listed only when included; the list starts again.
    void setIncludeTyped(bool include);
    // Reads the list again from its first page (after a game was removed).
    void reload();
    // The history could not be read.
    bool unavailable() const { return unavailable_; }
    const HistoryGame &game(int row) const { return rows_.at(row); }
    // A row whose record is as the game writes it: its sheet can be drawn.
    bool drawable(int row) const { return drawable_.at(row); }

private:
    HistoryStore &store_;
    int pageSize_;
    GameOrder order_ = GameOrder::NewestFirst;
    bool includeTyped_ = false;
    HistoryGames rows_;
    QVector<bool> drawable_;
    std::optional<PageMark> last_;
    bool exhausted_ = false;
    bool unavailable_ = false;
};
