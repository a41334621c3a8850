#include "common/gamefixture.h"
#include "common/menuprobe.h"
#include "game/MainSource.h"
#include "game/branches.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class MenuTest : public GameFixture {};

// The menu as a list: "-" for a separator, "name>" for a submenu followed by
// its items indented, "*" after a checked item.
QStringList Tree(const QMenu *menu, const QString &indent = QString())
{
    QStringList lines;
    for (const QAction *a : menu->actions()) {
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
}  // namespace

TEST_F(MenuTest, Tree)
{
    settings_.write("[BALL]\r\nCOLOR=2\r\n");
    StartUp(QString());
    EXPECT_EQ(Tree(frmMenu::instance()->mpop()),
              (QStringList{"ハイスコア>", "  １位：(なし)", "  ２位：(なし)", "  ３位：(なし)", "  ４位：(なし)",
                           "  ５位：(なし)", "-", "ボール>", "  黒", "  赤", "  青*", "  緑", "  無", "-",
                           "画面モード切替", "-", "バージョン情報", "-", "ゲーム終了"}));
}

TEST_F(MenuTest, ChosenColourIsTheOnlyTickStoredAndKeptOverARestart)
{
    const struct { const char *name; int stored, chosen; } rows[] = {
        {"another colour", 0, 3},
        {"the colour already ticked", 2, 2},
        {"pale cyan, the last", 1, 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        WriteIniValue("BALL", "COLOR", QString::number(row.stored));
        restart();
        // A click on the item, which also toggles a checkable item already ticked.
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
    QTest::mouseClick(StartDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    for (int pass = 0; pass < 4 && GameState != State::Location1; ++pass)
        RunPass(branches);
    ASSERT_EQ(GameState, State::Location1);
    RunPass(branches);

    QTimer::singleShot(0, [] {  // fires inside the menu's own event loop
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(popup);
        for (QAction *a : popup->actions())
            if (a->text() == QStringLiteral("ゲーム終了"))
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(a).center());
        if (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
    });
    QTest::mousePress(LaneWindow(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    QTest::mouseRelease(LaneWindow(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    EXPECT_EQ(GameState, State::GameOver);

    RunPass(branches);
    EXPECT_FALSE(LaneWindowLoaded() || PinBoardLoaded() || ScoreSheetLoaded());
    RunPass(branches);
    EXPECT_EQ(GameState, State::StartWait);
    EXPECT_TRUE(StartDialog()->isVisible());
}
