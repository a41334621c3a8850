// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "history/statistics.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class DaysPage;
class GameListModel;
class GamesPage;
class LeavesPage;
class StatsPage;
class SummaryPage;

// The statistics window: an ordinary resizable window with the window
// manager's frame, in four pages, that shows figures computed elsewhere and
// the history's list of games. It holds two sets of figures, over the rolled
// games and over every game, and shows one by its check box, which the list
// follows too.
class StatsWindow : public QWidget
{
    Q_OBJECT
public:
    enum Page { kSummary, kGames, kLeaves, kDays, kPageCount };

    explicit StatsWindow(QWidget *parent = nullptr);

    void showFigures(const Statistics &rolled, const Statistics &withTyped);
    // The history cannot be read: every page says so and nothing is offered.
    void showUnavailable();
    // The list of games; the model stays the caller's.
    void setGameList(GameListModel *model);

    bool includesTyped() const;
    int currentPage() const;
    void setCurrentPage(int page);
    // The shown text of one count on the summary page, by its name ("games",
    // "average", …); empty for an unknown name.
    QString countText(const QString &name) const;
    // The sentence shown in place of the current page's content, if any.
    QString message() const;
    // Says in the window where the export wrote, or with `error` why it
    // could not.
    void showExported(const QString &path, const QString &error);
    // One sentence under the pages: what became of the player's last request.
    void showNote(const QString &sentence);
    QString exportNote() const;

    SummaryPage *summary() const { return summary_; }
    GamesPage *games() const { return games_; }
    LeavesPage *leaves() const { return leaves_; }
    DaysPage *days() const { return days_; }

Q_SIGNALS:
    // The player chose a file to write every game into.
    void exportRequested(const QString &path);
    // The player asked for the sheet of the list's row, or to remove its game.
    void sheetRequested(int row);
    void removeRequested(int row);
    void closing(const QRect &geometry);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showSelected();
    void showEverywhere(const QString &message);
    void openSheet(int row);
    void chooseExportFile();

    Statistics rolled_, withTyped_;
    bool unavailable_ = false;
    GameListModel *model_ = nullptr;
    QTabWidget *tabs_;
    StatsPage *pages_[kPageCount];
    SummaryPage *summary_;
    GamesPage *games_;
    LeavesPage *leaves_;
    DaysPage *days_;
    QCheckBox *includeTyped_;
    QPushButton *export_;
    QLabel *exportNote_;
};
