// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QStackedWidget>

class QLabel;
class QTableView;

// One page of the statistics window: its content, or in its place one
// sentence when there is nothing to show (an empty or unreadable history).
class StatsPage : public QStackedWidget
{
    Q_OBJECT
public:
    explicit StatsPage(QWidget *content, QWidget *parent = nullptr);
    void showContent();
    void showMessage(const QString &text);
    // The sentence shown; empty while the content is.
    QString message() const;

private:
    QLabel *message_;
};

// How the window's tables look: whole rows selected, nothing edited, no row
// numbers, rows a line high, the last column filling the width.
void styleStatsTable(QTableView *view);
