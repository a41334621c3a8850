// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/dayspage.h"

#include "history/statistics.h"
#include "statsview/statspage.h"
#include "statsview/totalschart.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kAverageDecimals = 1;
// The columns take the width of this many rows' texts, not every day's: a
// long history has thousands of days, all of the same form.
constexpr int kSizedRows = 64;
}  // namespace

DaysPage::DaysPage(QWidget *parent)
    : QWidget(parent), chart_(new TotalsChart), table_(new QTableWidget(0, kColumnCount))
{
    chart_->setMeaning({tr("日ごとの平均")}, kAverageDecimals,
                       [this](int i) { return dates_.value(i).toString(tr("M月d日")); });
    table_->setHorizontalHeaderLabels({tr("日付"), tr("ゲーム数"), tr("平均")});
    styleStatsTable(table_);
    table_->horizontalHeader()->setResizeContentsPrecision(kSizedRows);
    auto *box = new QVBoxLayout(this);
    box->addWidget(chart_, 3);
    box->addWidget(table_, 2);
}

void DaysPage::showFigures(const Statistics &s)
{
    QVector<double> averages;
    dates_.clear();
    for (const DayFigures &day : s.days) {
        averages.append(day.average);
        dates_.append(day.date);
    }
    chart_->setSeries(averages, {}, s.bestDayIndex);

    const int days = int(s.days.size());
    table_->setRowCount(days);
    for (int i = 0; i < days; ++i) {
        const DayFigures &day = s.days[days - 1 - i];
        const bool best = days - 1 - i == s.bestDayIndex;
        const QString date = day.date.toString(tr("yyyy年MM月dd日"));
        const QString cells[] = {best ? tr("%1（最高）").arg(date) : date, QString::number(day.games),
                                 QString::number(day.average, 'f', kAverageDecimals)};
        for (int column = 0; column < kColumnCount; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment((column == DateColumn ? Qt::AlignLeft : Qt::AlignRight) |
                                   Qt::AlignVCenter);
            table_->setItem(i, column, item);
        }
    }
    table_->resizeColumnsToContents();
}
