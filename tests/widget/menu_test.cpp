#include "common/gamefixture.h"
#include "common/menuprobe.h"
#include "game/MainSource.h"
#include "game/branches.h"
#include "hiscore/hiscoretable.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MenuTest : public GameFixture
{
protected:
    void TearDown() override
    {
        SetHighScoreListingHook({});
        frmMenu::instance()->setFullView();
        GameFixture::TearDown();
    }
    // A fresh run of the program up to the loop, on the same settings file.
    void restart()
    {
        UnloadPinBoard();
        UnloadLaneWindow();
        ResetGameVars();
        StartUp(QString());
    }
};

// The menu as a list: "-" for a separator, "name>" for a submenu followed by
// its items indented, "*" after a checked item. Hidden items are left out.
QStringList Tree(const QMenu *menu, const QString &indent = QString())
{
    QStringList lines;
    for (const QAction *a : menu->actions()) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator()) {
            lines << indent + u'-';
        } else if (a->menu()) {
            lines << indent + a->text() + u'>';
            lines += Tree(a->menu(), indent + QStringLiteral("  "));
        } else {
            lines << indent + a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
        }
    }
    return lines;
}

bool ballWears(int colour)
{
    BallVisible = true;
    BallDrawnLeft = 100;
    BallDrawnTop = 10;
    const QImage shown = LaneWindow()->grab().toImage();
    LaneWindow()->setBallColour(colour);
    return shown == LaneWindow()->grab().toImage();
}

}  // namespace

TEST_F(MenuTest, TreeInBothViews)
{
    settings_.write("[BALL]\r\nCOLOR=2\r\n");
    StartUp(QString());
    const QMenu *mpop = frmMenu::instance()->mpop();
    EXPECT_EQ(mpop->title(), QStringLiteral("mpop"));
    EXPECT_EQ(Tree(mpop), (QStringList{
                              "ハイスコア>", "  １位：(なし)", "  ２位：(なし)", "  ３位：(なし)", "  ４位：(なし)",
                              "  ５位：(なし)", "-", "ボール>", "  黒", "  赤", "  青*", "  緑", "  無", "-",
                              "画面モード切替", "-", "バージョン情報", "-", "ゲーム終了"}));
    frmMenu::instance()->setStartDialogView();
    EXPECT_EQ(Tree(mpop).filter(QRegularExpression("^\\S")), (QStringList{"ハイスコア>", "-", "画面モード切替"}));
    frmMenu::instance()->setFullView();
    EXPECT_EQ(Tree(mpop).filter(QRegularExpression("^\\S")).size(), 9);
}

TEST_F(MenuTest, ChosenColourIsTheOnlyTickStoredAndKeptOverARestart)
{
    struct Row {
        const char *name;
        int stored;
        int chosen;
    };
    const Row rows[] = {
        {"another colour", 0, 3},
        {"the colour already ticked", 2, 2},
        {"pale cyan", 1, 4},
        {"back to black", 4, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WriteIniValue("BALL", "COLOR", QString::number(row.stored));
        restart();
        // What a click on the item does, including the toggle of a checkable
        // item that is already ticked.
        frmMenu::instance()->mcolor(row.chosen)->trigger();
        EXPECT_EQ(checkedColour(), row.chosen);
        EXPECT_EQ(ReadIniValue("BALL", "COLOR"), QString::number(row.chosen));
        EXPECT_TRUE(ballWears(row.chosen));
        restart();
        EXPECT_EQ(checkedColour(), row.chosen) << "after a restart";
        EXPECT_TRUE(ballWears(row.chosen)) << "after a restart";
    }
}

TEST_F(MenuTest, EndingTheGameWhileAimingReturnsToTheStartDialog)
{
    fastClock();
    const BranchTable branches = GameBranches();
    StartUp(QString());
    RunPass(branches);
    ASSERT_EQ(GameState, State::StartWait);
    QTest::mouseClick(StartDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    for (int pass = 0; pass < 4 && GameState != State::Location1; ++pass)
        RunPass(branches);
    ASSERT_EQ(GameState, State::Location1);
    RunPass(branches);
    ASSERT_TRUE(LaneWindow()->isVisible());

    QTimer choose;  // fires inside the menu's own event loop
    choose.setSingleShot(true);
    QObject::connect(&choose, &QTimer::timeout, [] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(popup);
        for (QAction *a : popup->actions())
            if (a->text() == QStringLiteral("ゲーム終了"))
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(a).center());
        if (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
    });
    choose.start(0);
    QTest::mousePress(LaneWindow(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    QTest::mouseRelease(LaneWindow(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    EXPECT_EQ(GameState, State::GameOver);

    RunPass(branches);
    EXPECT_EQ(GameState, State::StartDlg);
    EXPECT_FALSE(LaneWindowLoaded());
    EXPECT_FALSE(PinBoardLoaded());
    EXPECT_FALSE(ScoreSheetLoaded());
    RunPass(branches);
    EXPECT_EQ(GameState, State::StartWait);
    EXPECT_TRUE(StartDialog()->isVisible());
}
