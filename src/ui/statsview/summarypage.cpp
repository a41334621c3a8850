// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/summarypage.h"

#include "history/statistics.h"
#include "statsview/firstballchart.h"
#include "statsview/totalschart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kCountSpacing = 16;

QString ratioText(int part, int whole)
{
    if (whole == 0)
        return QStringLiteral("0 / 0");
    return QStringLiteral("%1 / %2 (%3%)").arg(part).arg(whole).arg(qRound(100.0 * part / whole));
}

QString oneDecimal(double value) { return QString::number(value, 'f', 1); }
}  // namespace

SummaryPage::SummaryPage(QWidget *parent) : QWidget(parent)
{
    auto *left = new QGridLayout;
    left->setHorizontalSpacing(kCountSpacing);
    addCount(left, "games", tr("ゲーム数"));
    addCount(left, "average", tr("平均"));
    addCount(left, "averageRecentShort", tr("直近10ゲームの平均"));
    addCount(left, "averageRecentLong", tr("直近50ゲームの平均"));
    addCount(left, "best", tr("最高"));
    addCount(left, "bestSeries", tr("3ゲームシリーズの最高"));
    addCount(left, "firstBallAverage", tr("第1投の平均"));
    addCount(left, "fillBallAverage", tr("10フレームの追加投球の平均"));
    addCount(left, "strikes", tr("ストライク"));
    addCount(left, "longestStrikeRun", tr("最長の連続ストライク"));
    addCount(left, "turkeys", tr("ターキー"));
    left->setRowStretch(left->rowCount(), 1);
    auto *right = new QGridLayout;
    right->setHorizontalSpacing(kCountSpacing);
    addCount(right, "spares", tr("スペア"));
    addCount(right, "singlePinSpares", tr("1本残りのスペア"));
    addCount(right, "multiPinSpares", tr("2本以上残りのスペア（スプリット以外）"));
    addCount(right, "splits", tr("スプリット"));
    addCount(right, "splitsConverted", tr("スプリットのメイク"));
    addCount(right, "openFrames", tr("オープンフレーム"));
    addCount(right, "gutters", tr("ガター"));
    addCount(right, "cleanGames", tr("クリーンゲーム（オープンなし）"));
    addCount(right, "perfectGames", tr("パーフェクトゲーム"));
    addCount(right, "unreadableGames", tr("記録の読めないゲーム（合計のみ）"));
    right->setRowStretch(right->rowCount(), 1);

    auto *counts = new QHBoxLayout;
    counts->addLayout(left);
    counts->addSpacing(kCountSpacing * 2);
    counts->addLayout(right);
    totals_ = new TotalsChart;
    firstBalls_ = new FirstBallChart;
    auto *charts = new QHBoxLayout;
    charts->addWidget(totals_, 3);
    charts->addWidget(firstBalls_, 2);
    auto *box = new QVBoxLayout(this);
    box->addLayout(counts);
    box->addLayout(charts, 1);
}

void SummaryPage::addCount(QGridLayout *grid, const char *name, const QString &caption)
{
    const int row = grid->rowCount();
    auto *value = new QLabel;
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *label = new QLabel(caption);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    values_.insert(QLatin1String(name), value);
    captions_.insert(QLatin1String(name), label);
}

void SummaryPage::setCount(const char *name, const QString &text)
{
    values_.value(QLatin1String(name))->setText(text);
}

QString SummaryPage::countText(const QString &name) const
{
    const QLabel *label = values_.value(name);
    return label ? label->text() : QString();
}

void SummaryPage::showFigures(const Statistics &s)
{
    setCount("games", QString::number(s.games));
    setCount("average", oneDecimal(s.average));
    setCount("averageRecentShort", oneDecimal(s.averageRecentShort));
    setCount("averageRecentLong", oneDecimal(s.averageRecentLong));
    setCount("best", QString::number(s.best));
    setCount(
        "bestSeries",
        s.bestSeries.date.isValid()
            ? tr("%1（%2）").arg(s.bestSeries.total).arg(s.bestSeries.date.toString(tr("yyyy年MM月dd日")))
            : tr("なし"));
    setCount("firstBallAverage", oneDecimal(s.firstBallAverage()));
    setCount("fillBallAverage", s.fillBalls > 0 ? oneDecimal(s.fillBallAverage()) : tr("なし"));
    setCount("strikes", ratioText(s.strikes, s.strikeChances));
    setCount("longestStrikeRun", QString::number(s.strikeRuns.longest));
    setCount("turkeys", QString::number(s.strikeRuns.turkeys));
    setCount("spares", ratioText(s.spares, s.spareChances));
    setCount("singlePinSpares", ratioText(s.singlePinSpares, s.singlePinChances));
    setCount("multiPinSpares", ratioText(s.multiPinSpares, s.multiPinChances));
    setCount("splits", QString::number(s.splits));
    setCount("splitsConverted", ratioText(s.splitsConverted, s.splits));
    setCount("openFrames", QString::number(s.openFrames));
    setCount("gutters", QString::number(s.gutters));
    setCount("cleanGames", QString::number(s.cleanGames));
    setCount("perfectGames", QString::number(s.perfectGames));
    setCount("unreadableGames", QString::number(s.unreadableGames));
    // Only a history edited by hand has such games; the line is for it alone.
    captions_.value(QStringLiteral("unreadableGames"))->setVisible(s.unreadableGames > 0);
    values_.value(QStringLiteral("unreadableGames"))->setVisible(s.unreadableGames > 0);

    totals_->setSeries(QVector<double>(s.totals.begin(), s.totals.end()), s.movingAverage, s.bestIndex);
    firstBalls_->setCounts(QVector<int>(s.firstBallCounts.begin(), s.firstBallCounts.end()));
}
