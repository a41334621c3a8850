// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/statswindow.h"

#include "history/gamelistmodel.h"
#include "statsview/dayspage.h"
#include "statsview/gamespage.h"
#include "statsview/leavespage.h"
#include "statsview/statspage.h"
#include "statsview/summarypage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr QSize kFirstSize(760, 560);
}  // namespace

StatsWindow::StatsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("成績"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kFirstSize);

    summary_ = new SummaryPage;
    games_ = new GamesPage;
    leaves_ = new LeavesPage;
    days_ = new DaysPage;
    tabs_ = new QTabWidget;
    const std::pair<QWidget *, QString> pages[kPageCount] = {{summary_, tr("概要")},
                                                             {games_, tr("ゲーム一覧")},
                                                             {leaves_, tr("残りピン")},
                                                             {days_, tr("日ごと")}};
    for (int i = 0; i < kPageCount; ++i) {
        pages_[i] = new StatsPage(pages[i].first);
        tabs_->addTab(pages_[i], pages[i].second);
    }

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
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);

    connect(includeTyped_, &QCheckBox::toggled, this, [this](bool include) {
        if (model_)
            model_->setIncludeTyped(include);
        showSelected();
    });
    connect(export_, &QPushButton::clicked, this, &StatsWindow::chooseExportFile);
    connect(games_, &GamesPage::sheetRequested, this, &StatsWindow::openSheet);
    connect(games_, &GamesPage::removeRequested, this, &StatsWindow::removeRequested);
    showSelected();
}

void StatsWindow::setGameList(GameListModel *model)
{
    model_ = model;
    model_->setIncludeTyped(includesTyped());
    games_->setModel(model);
}

void StatsWindow::showFigures(const Statistics &rolled, const Statistics &withTyped)
{
    rolled_ = rolled;
    withTyped_ = withTyped;
    unavailable_ = false;
    includeTyped_->setEnabled(true);
    showSelected();
}

void StatsWindow::showUnavailable()
{
    rolled_ = withTyped_ = Statistics();
    unavailable_ = true;
    includeTyped_->setEnabled(false);
    export_->setEnabled(false);
    showEverywhere(tr("ゲームの履歴を開けないため、成績を表示できません。"));
}

bool StatsWindow::includesTyped() const { return includeTyped_->isChecked(); }

int StatsWindow::currentPage() const { return tabs_->currentIndex(); }

void StatsWindow::setCurrentPage(int page) { tabs_->setCurrentIndex(page); }

QString StatsWindow::countText(const QString &name) const { return summary_->countText(name); }

QString StatsWindow::message() const { return pages_[tabs_->currentIndex()]->message(); }

void StatsWindow::showExported(const QString &path, const QString &error)
{
    const QString shown = QDir::toNativeSeparators(path);
    showNote(error.isEmpty() ? tr("%1 に書き出しました。").arg(shown)
                             : tr("%1 に書き出せませんでした（%2）。").arg(shown, error));
}

void StatsWindow::showNote(const QString &sentence)
{
    exportNote_->setText(sentence);
    exportNote_->setToolTip(sentence);
}

QString StatsWindow::exportNote() const { return exportNote_->text(); }

void StatsWindow::showEverywhere(const QString &message)
{
    for (StatsPage *page : pages_)
        page->showMessage(message);
}

void StatsWindow::showSelected()
{
    if (unavailable_)
        return;
    const Statistics &s = includesTyped() ? withTyped_ : rolled_;
    export_->setEnabled(withTyped_.games > 0);
    if (s.games == 0) {
        showEverywhere(tr("ゲームを最後まで投げると、ここに成績が表示されます。"));
        return;
    }
    summary_->showFigures(s);
    leaves_->showFigures(s);
    days_->showFigures(s);
    for (StatsPage *page : pages_)
        page->showContent();
    if (s.days.isEmpty())
        pages_[kDays]->showMessage(tr("日付の読めるゲームがないため、日ごとの成績を表示できません。"));
}

void StatsWindow::openSheet(int row)
{
    if (model_ && model_->drawable(row))
        Q_EMIT sheetRequested(row);
    else
        showNote(tr("このゲームの記録は読めないため、スコアシートを表示できません。"));
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
