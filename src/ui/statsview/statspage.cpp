// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "statsview/statspage.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableView>

namespace {
enum Layer { kContent = 0, kMessage = 1 };
constexpr int kRowPadding = 6;
}  // namespace

StatsPage::StatsPage(QWidget *content, QWidget *parent) : QStackedWidget(parent), message_(new QLabel)
{
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    // On a small screen, or at a large scale, the window may be smaller
    // than its figures: they scroll.
    auto *scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    insertWidget(kContent, scroll);
    insertWidget(kMessage, message_);
}

void StatsPage::showContent() { setCurrentIndex(kContent); }

void StatsPage::showMessage(const QString &text)
{
    message_->setText(text);
    setCurrentIndex(kMessage);
}

QString StatsPage::message() const { return currentIndex() == kMessage ? message_->text() : QString(); }

void styleStatsTable(QTableView *view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + kRowPadding);
    view->horizontalHeader()->setStretchLastSection(true);
}
