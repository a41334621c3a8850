// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "history/gamelistmodel.h"

#include "score/notation.h"
#include "score/recordcheck.h"

GameListModel::GameListModel(HistoryStore &store, int pageSize, QObject *parent)
    : QAbstractTableModel(parent), store_(store), pageSize_(pageSize)
{
}

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int GameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const HistoryGame &g = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() == TotalColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case DateColumn:
        return g.endedAt.isValid() ? g.endedAt.toString(tr("yyyy年MM月dd日 HH:mm")) : g.storedEndedAt;
    case TotalColumn:
        return g.total;
    case GameColumn:
        return drawable_.at(index.row()) ? bowlerNotation(g.record, g.marks) : g.record;
    case KindColumn:
        return g.imported ? tr("ハイスコアから") : g.typed ? tr("手入力") : QString();
    default:
        return {};
    }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return tr("日時");
    case TotalColumn:
        return tr("合計");
    case GameColumn:
        return tr("スコア");
    case KindColumn:
        return tr("種類");
    default:
        return {};
    }
}

bool GameListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !exhausted_;
}

void GameListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || exhausted_)
        return;
    const std::optional<GamePage> page = store_.page(order_, includeTyped_, last_, pageSize_);
    unavailable_ = !page;
    exhausted_ = !page || page->games.size() < pageSize_;
    if (!page || page->games.isEmpty())
        return;
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(page->games.size()) - 1);
    for (const HistoryGame &g : page->games) {
        rows_.append(g);
        drawable_.append(isWrittenGame(g.record, g.marks));
    }
    last_ = page->last;
    endInsertRows();
}

void GameListModel::sort(int column, Qt::SortOrder order)
{
    const bool descending = order == Qt::DescendingOrder;
    if (column == DateColumn)
        order_ = descending ? GameOrder::NewestFirst : GameOrder::OldestFirst;
    else if (column == TotalColumn)
        order_ = descending ? GameOrder::HighestFirst : GameOrder::LowestFirst;
    else
        return;
    reload();
}

void GameListModel::setIncludeTyped(bool include)
{
    includeTyped_ = include;
    reload();
}

void GameListModel::reload()
{
    beginResetModel();
    rows_.clear();
    drawable_.clear();
    last_.reset();
    exhausted_ = false;
    unavailable_ = false;
    endResetModel();
    fetchMore({});
}
