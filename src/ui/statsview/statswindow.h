// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/statistics.h"

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class FirstBallChart;
class PinLeaveMap;
class TotalsChart;

// The statistics window: an ordinary resizable window with the window
// manager's frame that shows figures computed elsewhere. It holds two sets,
// over the rolled games and over every game, and shows one by its check box.
class StatsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StatsWindow(QWidget *parent = nullptr);

    void showFigures(const Statistics &rolled, const Statistics &withTyped);
    // The history cannot be read: the window says so and offers nothing.
    void showUnavailable();

    bool includesTyped() const;
    // The shown text of one count, by its name ("games", "average", …);
    // empty for an unknown name.
    QString countText(const QString &name) const;
    QString message() const;
    // Says in the window where the export wrote, or with `error` why it
    // could not.
    void showExported(const QString &path, const QString &error);
    QString exportNote() const;

Q_SIGNALS:
    // The player chose a file to write every game into.
    void exportRequested(const QString &path);
    void closing(const QRect &geometry);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showSelected();
    void chooseExportFile();
    QLabel *addCount(QGridLayout *grid, const QString &name, const QString &caption);

    Statistics rolled_, withTyped_;
    QStackedWidget *pages_;
    QLabel *message_;
    QCheckBox *includeTyped_;
    QPushButton *export_;
    QLabel *exportNote_;
    TotalsChart *totals_;
    FirstBallChart *firstBalls_;
    PinLeaveMap *leaves_;
    QLabel *leavesNote_;
};
