#include "common/gamefixture.h"
#include "hiscore/hiscorelisting.h"
#include "menu/frmMenu.h"

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
    QString caption(int i) const { return frmMenu::instance()->mhiscore(i)->text(); }
};

// Chooses the menu item of `place`; `whileUp` runs once a modal window is up,
// which is then closed with the sheet's close button. Returns whether one
// came up.
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
                if (w->isVisible() && dynamic_cast<frmScore *>(w) && !(ScoreSheetLoaded() && w == ScoreSheet()))
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
    frmMenu::instance()->mhiscore(place - 1)->trigger();
    return opened;
}

}  // namespace

TEST_F(ListingTest, EmptyTableListsNothingAndChoosingDoesNothing)
{
    ListHighScores();
    for (int place = 1; place <= 5; ++place) {
        EXPECT_EQ(caption(place - 1), QStringLiteral("%1位：(なし)").arg(QStringLiteral("１２３４５")[place - 1]));
        EXPECT_FALSE(choose(place)) << place;
    }
    EXPECT_FALSE(ScoreSheetLoaded());
    EXPECT_TRUE(settings_.bytes().isEmpty());
}

TEST_F(ListingTest, ReplayLiesRedOverTheLiveSheetWhichIsHiddenMeanwhile)
{
    enum Live { kNotLoaded, kHidden, kShown };
    struct Row {
        const char *name;
        QString entry;
        Live live;
        const char *caption;  // nullptr: any caption of place 1
    };
    const Row rows[] = {
        {"87 points, live sheet shown", kEntry87, kShown, "１位：2003年07月15日 21:04:09  スコア:087"},
        {"87 points, live sheet hidden", kEntry87, kHidden, "１位：2003年07月15日 21:04:09  スコア:087"},
        {"87 points, live sheet not loaded", kEntry87, kNotLoaded, "１位：2003年07月15日 21:04:09  スコア:087"},
        {"no commas", "junk", kShown, nullptr},
        {"empty fields", ",,,", kShown, nullptr},
        {"no date", "2003/02/30 25:61:00,9-,  ,009", kShown, nullptr},
        {"junk record", "x," + QString(30, u'!') + QString(15, u'*') + "Z9G-," + QString(40, u'O') + ",abc",
         kShown, nullptr},
    };
    frmScore reference(frmScore::kReplayLineColor);
    reference.DisplayScore(kRecord87, kMarks87);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WriteIniValue("Data", "HISCORE1", row.entry);
        ListHighScores();
        if (row.caption)
            EXPECT_EQ(caption(0), QString::fromUtf8(row.caption));
        EXPECT_TRUE(caption(0).startsWith(QStringLiteral("１位：")));
        EXPECT_FALSE(caption(0).contains(QStringLiteral("(なし)")));

        UnloadScoreSheet();
        if (row.live != kNotLoaded) {
            ScoreSheet()->move(200, 300);
            ScoreSheet()->setVisible(row.live == kShown);
        }
        const bool opened = choose(1, [&](QWidget *modal) {
            const auto *sheet = dynamic_cast<frmScore *>(modal);
            ASSERT_TRUE(sheet);
            ASSERT_TRUE(ScoreSheetLoaded());
            EXPECT_NE(sheet, ScoreSheet());
            EXPECT_TRUE(sheet->isVisible());
            EXPECT_FALSE(ScoreSheet()->isVisible());
            EXPECT_EQ(sheet->pos(), ScoreSheet()->pos());
            EXPECT_EQ(sheet->nColor(), QColor(255, 0, 0));
            EXPECT_EQ(sheet->backBuffer().pixel(4, 20), qRgb(255, 0, 0)) << "grid of frame 1";
            EXPECT_EQ(sheet->backBuffer().pixel(256, 20), qRgb(255, 0, 0)) << "grid of frame 10";
            if (row.entry == kEntry87)
                EXPECT_TRUE(sheet->backBuffer() == reference.backBuffer()) << "the stored game";
        });
        EXPECT_TRUE(opened);
        ASSERT_TRUE(ScoreSheetLoaded());
        EXPECT_EQ(ScoreSheet()->isVisible(), row.live == kShown);
        EXPECT_EQ(ScoreSheet()->nColor(), QColor(0, 0, 0));
    }
}
