// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kRecord87 = QStringLiteral("! 7*5-7-7-7-7-7-6-6-");
const QString kMarks87 = QStringLiteral("    O               ");
const QString kEntry87 = QStringLiteral("2003/07/15 21:04:09,") + kRecord87 + u',' + kMarks87 + QStringLiteral(",087");

class ListingTest : public GameFixture
{
protected:
    // Chooses the menu item of `place`; `whileUp` runs once a modal window is
    // up, which is then closed with the sheet's close button. Returns whether
    // one came up.
    bool choose(int place, const std::function<void(QWidget *)> &whileUp = {})
    {
        bool opened = false;
        QTimer check;  // fires only inside the item's handler, if it waits
        check.setSingleShot(true);
        QObject::connect(&check, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) {
                // A sheet shown without being modal would leave the test waiting.
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w->isVisible() && dynamic_cast<frmScore *>(w) &&
                        !(windows().scoreSheetLoaded() && w == &windows().scoreSheet()))
                        w->close();
                return;
            }
            opened = true;
            if (whileUp)
                whileUp(modal);
            QTest::mouseClick(modal, Qt::LeftButton, {}, ScoreSheetLayout::kLabel1.center());
            if (modal->isVisible())
                modal->close();
        });
        check.start(0);
        windows().menu().mhiscore(place - 1)->trigger();
        return opened;
    }
};

}  // namespace

TEST_F(ListingTest, ChoosingAnEmptyPlaceShowsAndWritesNothing)
{
    windows().ListHighScores();
    for (int place = 1; place <= 5; ++place)
        EXPECT_FALSE(choose(place)) << place;
    EXPECT_FALSE(windows().scoreSheetLoaded());
    EXPECT_TRUE(settings_.bytes().isEmpty());
}

TEST_F(ListingTest, ReplayLiesRedOverTheLiveSheetWhichIsHiddenMeanwhile)
{
    // clang-format off
    const struct { const char *name; QString entry; bool liveShown; } rows[] = {
        {"87 points, live sheet shown", kEntry87, true},
        {"87 points, live sheet hidden", kEntry87, false},
        {"no commas", "junk", true},
        {"junk record", "x," + QString(30, u'!') + QString(15, u'*') + "Z9G-," + QString(40, u'O') + ",abc", true},
    };
    // clang-format on
    frmScore reference(frmScore::kReplayLineColor);
    reference.DisplayScore(kRecord87, kMarks87);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings_.set("Data", "HISCORE1", row.entry);
        windows().unloadScoreSheet();
        frmScore &live = windows().scoreSheet();
        live.move(200, 300);
        live.setVisible(row.liveShown);
        EXPECT_TRUE(choose(1, [&](QWidget *modal) {
            const auto *sheet = dynamic_cast<frmScore *>(modal);
            ASSERT_TRUE(sheet && windows().scoreSheetLoaded() && sheet != &windows().scoreSheet());
            EXPECT_FALSE(windows().scoreSheet().isVisible());
            EXPECT_EQ(sheet->pos(), windows().scoreSheet().pos());
            EXPECT_EQ(sheet->nColor(), QColor(255, 0, 0));
            if (row.entry == kEntry87) {
                EXPECT_TRUE(sheet->backBuffer() == reference.backBuffer()) << "the stored game";
            }
        })) << "no replay came up";
        ASSERT_TRUE(windows().scoreSheetLoaded());
        EXPECT_EQ(windows().scoreSheet().isVisible(), row.liveShown);
        EXPECT_EQ(windows().scoreSheet().nColor(), QColor(0, 0, 0));
    }
}
