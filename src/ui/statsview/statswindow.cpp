// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/statswindow.h"

#include "statsview/firstballchart.h"
#include "statsview/pinleavemap.h"
#include "statsview/totalschart.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
constexpr QSize kFirstSize(760, 560);
enum Page { kMessagePage = 0, kFiguresPage = 1 };

QString ratioText(int part, int whole)
{
    if (whole == 0)
        return QStringLiteral("0 / 0");
    return QStringLiteral("%1 / %2 (%3%)").arg(part).arg(whole).arg(qRound(100.0 * part / whole));
}

QString oneDecimal(double value) { return QString::number(value, 'f', 1); }
}  // namespace

StatsWindow::StatsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("成績"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kFirstSize);

    message_ = new QLabel;
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);

    auto *counts = new QGridLayout;
    counts->setHorizontalSpacing(16);
    addCount(counts, QStringLiteral("games"), tr("ゲーム数"));
    addCount(counts, QStringLiteral("average"), tr("平均"));
    addCount(counts, QStringLiteral("averageRecentShort"), tr("直近10ゲームの平均"));
    addCount(counts, QStringLiteral("averageRecentLong"), tr("直近50ゲームの平均"));
    addCount(counts, QStringLiteral("best"), tr("最高"));
    addCount(counts, QStringLiteral("firstBallAverage"), tr("第1投の平均"));
    addCount(counts, QStringLiteral("strikes"), tr("ストライク"));
    addCount(counts, QStringLiteral("spares"), tr("スペア"));
    addCount(counts, QStringLiteral("splits"), tr("スプリット"));
    addCount(counts, QStringLiteral("splitsConverted"), tr("スプリットのメイク"));
    addCount(counts, QStringLiteral("openFrames"), tr("オープンフレーム"));
    addCount(counts, QStringLiteral("gutters"), tr("ガター"));
    counts->setRowStretch(counts->rowCount(), 1);

    leaves_ = new PinLeaveMap;
    leavesNote_ = new QLabel;
    leavesNote_->setWordWrap(true);
    leavesNote_->setAlignment(Qt::AlignHCenter);
    auto *leavesTitle = new QLabel(tr("第1投のあとに残ったピン"));
    leavesTitle->setAlignment(Qt::AlignHCenter);
    auto *leavesBox = new QVBoxLayout;
    leavesBox->addWidget(leavesTitle);
    leavesBox->addWidget(leaves_, 1);
    leavesBox->addWidget(leavesNote_);

    auto *top = new QHBoxLayout;
    top->addLayout(counts);
    top->addLayout(leavesBox, 1);
    totals_ = new TotalsChart;
    firstBalls_ = new FirstBallChart;
    auto *figures = new QWidget;
    auto *figuresBox = new QVBoxLayout(figures);
    figuresBox->setContentsMargins(0, 0, 0, 0);
    figuresBox->addLayout(top);
    figuresBox->addWidget(totals_, 3);
    figuresBox->addWidget(firstBalls_, 2);

    pages_ = new QStackedWidget;
    pages_->insertWidget(kMessagePage, message_);
    // On a small screen, or at a large scale, the window may be smaller
    // than its figures: they scroll.
    auto *scroll = new QScrollArea;
    scroll->setWidget(figures);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pages_->insertWidget(kFiguresPage, scroll);

    includeTyped_ = new QCheckBox(tr("手入力のゲームも含める"));
    export_ = new QPushButton(tr("CSVに書き出す…"));
    exportNote_ = new QLabel;
    exportNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exportNote_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long path must not widen the window; the whole sentence is its tip.
    exportNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(includeTyped_);
    bottom->addWidget(exportNote_, 1);
    bottom->addWidget(export_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);

    connect(includeTyped_, &QCheckBox::toggled, this, &StatsWindow::showSelected);
    connect(export_, &QPushButton::clicked, this, &StatsWindow::chooseExportFile);
    showSelected();
}

QLabel *StatsWindow::addCount(QGridLayout *grid, const QString &name, const QString &caption)
{
    const int row = grid->rowCount();
    auto *value = new QLabel;
    value->setObjectName(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void StatsWindow::showFigures(const Statistics &rolled, const Statistics &withTyped)
{
    rolled_ = rolled;
    withTyped_ = withTyped;
    includeTyped_->setEnabled(true);
    showSelected();
}

void StatsWindow::showUnavailable()
{
    rolled_ = withTyped_ = Statistics();
    includeTyped_->setEnabled(false);
    export_->setEnabled(false);
    message_->setText(tr("ゲームの履歴を開けないため、成績を表示できません。"));
    pages_->setCurrentIndex(kMessagePage);
}

bool StatsWindow::includesTyped() const { return includeTyped_->isChecked(); }

QString StatsWindow::countText(const QString &name) const
{
    const auto *label = findChild<QLabel *>(name);
    return label ? label->text() : QString();
}

QString StatsWindow::message() const
{
    return pages_->currentIndex() == kMessagePage ? message_->text() : QString();
}

void StatsWindow::showExported(const QString &path, const QString &error)
{
    const QString shown = QDir::toNativeSeparators(path);
    exportNote_->setText(error.isEmpty() ? tr("%1 に書き出しました。").arg(shown)
                                         : tr("%1 に書き出せませんでした（%2）。").arg(shown, error));
    exportNote_->setToolTip(exportNote_->text());
}

QString StatsWindow::exportNote() const { return exportNote_->text(); }

void StatsWindow::showSelected()
{
    const Statistics &s = includesTyped() ? withTyped_ : rolled_;
    export_->setEnabled(withTyped_.games > 0);
    if (s.games == 0) {
        message_->setText(tr("ゲームを最後まで投げると、ここに成績が表示されます。"));
        pages_->setCurrentIndex(kMessagePage);
        return;
    }
    const auto set = [this](const char *name, const QString &text) {
        findChild<QLabel *>(QLatin1String(name))->setText(text);
    };
    set("games", QString::number(s.games));
    set("average", oneDecimal(s.average));
    set("averageRecentShort", oneDecimal(s.averageRecentShort));
    set("averageRecentLong", oneDecimal(s.averageRecentLong));
    set("best", QString::number(s.best));
    set("firstBallAverage", oneDecimal(s.firstBallAverage()));
    set("strikes", ratioText(s.strikes, s.strikeChances));
    set("spares", ratioText(s.spares, s.spareChances));
    set("splits", QString::number(s.splits));
    set("splitsConverted", ratioText(s.splitsConverted, s.splits));
    set("openFrames", QString::number(s.openFrames));
    set("gutters", QString::number(s.gutters));

    totals_->setSeries(s.totals, s.movingAverage, s.bestIndex);
    firstBalls_->setCounts(QVector<int>(s.firstBallCounts.begin(), s.firstBallCounts.end()));
    std::array<double, PinLeaveMap::kPins> shares{};
    for (int pin = 1; pin <= PinLeaveMap::kPins; ++pin)
        shares[pin - 1] = s.leaves.share(pin);
    // Only a map of mostly known leaves says which pins the player leaves;
    // rolled games tell little more than the balls that felled nothing.
    leaves_->setShares(shares, s.leaves.known > 0 && s.leaves.known >= s.leaves.unknown);
    leavesNote_->setText(tr("残ったピンが記録から分かる第1投: %1 / %2")
                             .arg(s.leaves.known)
                             .arg(s.leaves.known + s.leaves.unknown));
    pages_->setCurrentIndex(kFiguresPage);
}

void StatsWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("CSVに書き出す"), QStringLiteral("marvolt-history.csv"), tr("CSV ファイル (*.csv)"));
    if (!path.isEmpty())
        Q_EMIT exportRequested(path);
}

void StatsWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closing(geometry());
    event->accept();
}
