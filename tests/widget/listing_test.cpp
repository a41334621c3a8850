// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/menuprobe.h"

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
    // Chooses the menu item of `place`. A replay that comes up is handed to
    // `whileUp`, with whether it is modal, and closed with its close button.
    // Returns whether one came up.
    bool choose(int place, const std::function<void(frmScore &, bool modal)> &whileUp = {})
    {
        bool opened = false;
        QTimer check;  // fires only inside the item's handler, if it waits
        check.setSingleShot(true);
        QObject::connect(&check, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *replay = dynamic_cast<frmScore *>(w);
                    replay && replay->isVisible() && !(loader().scoreSheetLoaded() && replay == &loader().scoreSheet())) {
                    opened = true;
                    if (whileUp)
                        whileUp(*replay, QApplication::activeModalWidget() == replay);
                    QTest::mouseClick(replay, Qt::LeftButton, {}, SheetLayout::kLabel1.center());
                    if (replay->isVisible())  // else the test would wait for ever
                        replay->close();
                }
        });
        check.start(0);
        menuItem(QStringLiteral("ハイスコア"), place - 1)->trigger();
        return opened;
    }
};

}  // namespace

TEST_F(ListingTest, ChoosingAnEmptyPlaceShowsAndWritesNothing)
{
    windows().highScores().ListHighScores();
    for (int place = 1; place <= 5; ++place)
        EXPECT_FALSE(choose(place)) << place;
    EXPECT_FALSE(loader().scoreSheetLoaded());
    EXPECT_TRUE(settings_.bytes().isEmpty());
}

// The stored game drawn red, modal, over the live sheet, which is hidden
// meanwhile and shown again only if it was; a junk entry with more marks than
// the sheet has places is drawn as far as it goes.
TEST_F(ListingTest, ReplayLiesRedOverTheLiveSheetWhichIsHiddenMeanwhile)
{
    // clang-format off
    const struct { const char *name; QString entry; bool liveShown; } rows[] = {
        {"87 points, live sheet shown", kEntry87, true},
        {"87 points, live sheet hidden", kEntry87, false},
        {"junk record", "x," + QString(30, u'!') + QString(15, u'*') + "Z9G-," + QString(40, u'O') + ",abc", true},
    };
    // clang-format on
    frmScore reference(frmScore::kReplayLineColor);
    reference.DisplayScore(kRecord87, kMarks87);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings_.set("Data", "HISCORE1", row.entry);
        loader().unloadScoreSheet();
        frmScore &live = loader().scoreSheet();
        live.move(200, 300);
        live.setVisible(row.liveShown);
        EXPECT_TRUE(choose(1, [&](frmScore &replay, bool modal) {
            EXPECT_TRUE(modal);
            EXPECT_FALSE(live.isVisible());
            EXPECT_EQ(std::tuple(replay.pos(), replay.mask()), std::tuple(live.pos(), live.mask()));
            EXPECT_TRUE(replay.nColor() == QColor(255, 0, 0) &&
                        (row.entry != kEntry87 || replay.grab().toImage() == reference.grab().toImage()));
        })) << "no replay came up";
        ASSERT_TRUE(loader().scoreSheetLoaded());
        EXPECT_EQ(std::tuple(&loader().scoreSheet(), live.isVisible()), std::tuple(&live, row.liveShown));
        EXPECT_EQ(live.nColor(), QColor(0, 0, 0));
    }
}
