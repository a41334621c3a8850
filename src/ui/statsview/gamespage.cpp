// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/gamespage.h"

#include "history/gamelistmodel.h"
#include "statsview/statspage.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

GamesPage::GamesPage(QWidget *parent) : QWidget(parent), view_(new QTableView)
{
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setAlternatingRowColors(true);
    styleStatsTable(view_);
    view_->horizontalHeader()->setSortIndicator(GameListModel::DateColumn, Qt::DescendingOrder);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(view_);

    connect(view_, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { Q_EMIT sheetRequested(index.row()); });
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const QModelIndex index = view_->indexAt(at);
        if (index.isValid())
            rowMenu(index.row())->popup(view_->viewport()->mapToGlobal(at));
    });
    connect(view_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &GamesPage::keepSortableIndicator);
}

void GamesPage::setModel(GameListModel *model)
{
    view_->setModel(model);
    view_->setSortingEnabled(true);
    view_->horizontalHeader()->setStretchLastSection(false);
    view_->horizontalHeader()->setSectionResizeMode(GameListModel::GameColumn, QHeaderView::Stretch);
    // Sized to the first page of every fresh list; later pages keep the widths.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first) {
        if (first == 0)
            view_->resizeColumnsToContents();
    });
}

QMenu *GamesPage::rowMenu(int row)
{
    view_->selectRow(row);
    auto *menu = new QMenu(view_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("このゲームを削除"), this, [this, row] { Q_EMIT removeRequested(row); });
    return menu;
}

// Only the date and the total sort; a click on another heading leaves the
// indicator where it was.
void GamesPage::keepSortableIndicator(int section, Qt::SortOrder order)
{
    if (section == GameListModel::DateColumn || section == GameListModel::TotalColumn) {
        sortedBy_ = section;
        sortOrder_ = order;
        return;
    }
    view_->horizontalHeader()->setSortIndicator(sortedBy_, sortOrder_);
}
