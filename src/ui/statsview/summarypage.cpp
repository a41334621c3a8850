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

struct Count
{
    const char *name, *caption;
};
// The counts of the page's left column: a label's name, its caption.
constexpr Count kLeftCounts[] = {
    {"games", QT_TRANSLATE_NOOP("SummaryPage", "ゲーム数")},
    {"average", QT_TRANSLATE_NOOP("SummaryPage", "平均")},
    {"averageRecentShort", QT_TRANSLATE_NOOP("SummaryPage", "直近10ゲームの平均")},
    {"averageRecentLong", QT_TRANSLATE_NOOP("SummaryPage", "直近50ゲームの平均")},
    {"best", QT_TRANSLATE_NOOP("SummaryPage", "最高")},
    {"bestSeries", QT_TRANSLATE_NOOP("SummaryPage", "3ゲームシリーズの最高")},
    {"firstBallAverage", QT_TRANSLATE_NOOP("SummaryPage", "第1投の平均")},
    {"fillBallAverage", QT_TRANSLATE_NOOP("SummaryPage", "10フレームの追加投球の平均")},
    {"strikes", QT_TRANSLATE_NOOP("SummaryPage", "ストライク")},
    {"longestStrikeRun", QT_TRANSLATE_NOOP("SummaryPage", "最長の連続ストライク")},
    {"turkeys", QT_TRANSLATE_NOOP("SummaryPage", "ターキー")},
};
// The counts of the page's right column: a label's name, its caption.
constexpr Count kRightCounts[] = {
    {"spares", QT_TRANSLATE_NOOP("SummaryPage", "スペア")},
    {"singlePinSpares", QT_TRANSLATE_NOOP("SummaryPage", "1本残りのスペア")},
    {"multiPinSpares", QT_TRANSLATE_NOOP("SummaryPage", "2本以上残りのスペア（スプリット以外）")},
    {"splits", QT_TRANSLATE_NOOP("SummaryPage", "スプリット")},
    {"splitsConverted", QT_TRANSLATE_NOOP("SummaryPage", "スプリットのメイク")},
    {"openFrames", QT_TRANSLATE_NOOP("SummaryPage", "オープンフレーム")},
    {"gutters", QT_TRANSLATE_NOOP("SummaryPage", "ガター")},
    {"cleanGames", QT_TRANSLATE_NOOP("SummaryPage", "クリーンゲーム（オープンなし）")},
    {"perfectGames", QT_TRANSLATE_NOOP("SummaryPage", "パーフェクトゲーム")},
    {"unreadableGames", QT_TRANSLATE_NOOP("SummaryPage", "記録の読めないゲーム（合計のみ）")},
};

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
    const auto column = [this](const auto &table) {
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(kCountSpacing);
        for (const Count &c : table)
            addCount(grid, c.name, tr(c.caption));
        grid->setRowStretch(grid->rowCount(), 1);
        return grid;
    };
    auto *counts = new QHBoxLayout;
    counts->addLayout(column(kLeftCounts));
    counts->addSpacing(kCountSpacing * 2);
    counts->addLayout(column(kRightCounts));
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
