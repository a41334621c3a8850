// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QWidget>

class GameListModel;
class QMenu;
class QTableView;

// The list of games: a table over the history's model, sorted by clicking
// the date or total heading. Activating a row (a double click, Enter) asks
// for its sheet; its context menu offers to remove it.
class GamesPage : public QWidget
{
    Q_OBJECT
public:
    explicit GamesPage(QWidget *parent = nullptr);
    void setModel(GameListModel *model);
    QTableView *view() const { return view_; }
    // The context menu of `row`, as a right click on it opens it.
    QMenu *rowMenu(int row);

Q_SIGNALS:
    void sheetRequested(int row);
    void removeRequested(int row);

private:
    void keepSortableIndicator(int section, Qt::SortOrder order);

    QTableView *view_;
    int sortedBy_ = 0;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};
