// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/leavespage.h"

#include "history/statistics.h"
#include "statsview/pinleavemap.h"
#include "statsview/statspage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}
}  // namespace

LeavesPage::LeavesPage(QWidget *parent)
    : QWidget(parent), map_(new PinLeaveMap), note_(new QLabel), table_(new QTableWidget(0, kColumnCount))
{
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignHCenter);
    auto *title = new QLabel(tr("第1投のあとに残ったピン"));
    title->setAlignment(Qt::AlignHCenter);
    auto *mapBox = new QVBoxLayout;
    mapBox->addWidget(title);
    mapBox->addWidget(map_, 1);
    mapBox->addWidget(note_);

    table_->setHorizontalHeaderLabels({tr("残ったピン"), tr("回数"), tr("メイク"), tr("メイク率")});
    styleStatsTable(table_);
    auto *box = new QHBoxLayout(this);
    box->addLayout(mapBox, 1);
    box->addWidget(table_, 1);
}

void LeavesPage::showFigures(const Statistics &s)
{
    std::array<double, PinLeaveMap::kPins> shares{};
    for (int pin = 1; pin <= PinLeaveMap::kPins; ++pin)
        shares[pin - 1] = s.leaves.share(pin);
    // Only a map of mostly known leaves says which pins the player leaves;
    // rolled games tell little more than the balls that felled nothing.
    map_->setShares(shares, s.leaves.known > 0 && s.leaves.known >= s.leaves.unknown);
    note_->setText(tr("残ったピンが記録から分かる第1投: %1 / %2")
                       .arg(s.leaves.known)
                       .arg(s.leaves.known + s.leaves.unknown));

    table_->setRowCount(int(s.leaveRows.size()));
    for (int row = 0; row < s.leaveRows.size(); ++row) {
        const LeaveRow &leave = s.leaveRows[row];
        const QString pins = leaveText(leave.pins);
        table_->setItem(row, LeaveColumn,
                        cell(leave.split ? tr("%1（スプリット）").arg(pins) : pins, Qt::AlignLeft));
        table_->setItem(row, LeftColumn, cell(QString::number(leave.left), Qt::AlignRight));
        table_->setItem(row, ConvertedColumn, cell(QString::number(leave.converted), Qt::AlignRight));
        table_->setItem(row, ShareColumn,
                        cell(QStringLiteral("%1%").arg(qRound(100 * leave.share())), Qt::AlignRight));
    }
    table_->resizeColumnsToContents();
}
