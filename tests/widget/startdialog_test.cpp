#include "common/gamefixture.h"
#include "game/branches.h"
#include "lane/screenmetrics.h"
#include "menu/frmMenu.h"
#include "platform/regionmask.h"
#include "platform/screen.h"
#include "score/frm_Version.h"
#include "shapes/mod_RGN_Proc.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Runs `check` on the next modal window once it is up, then closes it.
void whenModalOpens(std::function<void(QWidget *)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            modal = QApplication::activePopupWidget();
        check(modal);
        if (modal)
            modal->close();
    });
}

class StartDialogTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        GameState = State::StartDlg;
        StartDlgBranch();
    }
    void TearDown() override
    {
        frmMenu::instance()->setFullView();
        GameFixture::TearDown();
    }
};
}  // namespace

TEST_F(StartDialogTest, StandsAtTheBottomLeftCutToItsShape)
{
    frmStart *dialog = StartDialog();
    EXPECT_EQ(GameState, State::StartWait);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->size(), QSize(81, 30));
    EXPECT_EQ(dialog->x(), 0);
    EXPECT_EQ(PixelsToTwips(dialog->y() + dialog->height()), ScreenHeightTwips());
    EXPECT_EQ(dialog->mask(), RegionFromRects(*RegionRects(RegionData[1])));
}

TEST_F(StartDialogTest, ClicksOnTheBallsChooseTheNextState)
{
    struct Row {
        const char *name;
        QPoint at;
        QString state;
    };
    const Row rows[] = {
        {"S starts a game", {10, 14}, State::Start},
        {"E ends the program", {69, 14}, State::End},
    };
    for (const Row &row : rows) {
        GameState = State::StartWait;
        QTest::mouseClick(StartDialog(), Qt::LeftButton, {}, row.at);
        EXPECT_EQ(GameState, row.state) << row.name;
    }
}

TEST_F(StartDialogTest, RightClickOpensTheShortMenuAndSRestoresTheFullOne)
{
    QStringList shown;
    whenModalOpens([&shown](QWidget *) {
        for (QAction *a : frmMenu::instance()->mpop()->actions())
            if (a->isVisible() && !a->isSeparator())
                shown << a->text();
            else if (a->isVisible())
                shown << QStringLiteral("-");
    });
    QTest::mousePress(StartDialog(), Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(shown, (QStringList{"ハイスコア", "-", "画面モード切替"}));

    QTest::mouseClick(StartDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    int visible = 0;
    for (QAction *a : frmMenu::instance()->mpop()->actions())
        visible += a->isVisible();
    EXPECT_EQ(visible, frmMenu::instance()->mpop()->actions().size());
}

TEST_F(StartDialogTest, LeftClickElsewhereOpensTheAboutBoxAndTheDialogStays)
{
    QString title;
    whenModalOpens([&title](QWidget *w) { title = w ? w->windowTitle() : QString(); });
    QTest::mousePress(StartDialog(), Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(title, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(GameState, State::StartWait);
    EXPECT_TRUE(StartDialogLoaded() && StartDialog()->isVisible());
}

TEST(AboutBox, OpensCentredAndClosesWithOkOrEnter)
{
    InstallFontSubstitutions();
    for (const char *how : {"click", "enter", "space"}) {
        frm_Version box;
        QTimer::singleShot(0, [&box, how] {
            const QRect screen = PrimaryScreenRect();
            const QRect outer = box.frameGeometry();
            EXPECT_LE(std::abs(outer.center().x() - screen.center().x()), 1) << how;
            EXPECT_LE(std::abs(outer.center().y() - screen.center().y()), 1) << how;
            EXPECT_EQ(box.size(), QSize(263, 75));
            if (std::string(how) == "click")
                QTest::mouseClick(box.Command1(), Qt::LeftButton);
            else
                QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, std::string(how) == "enter" ? Qt::Key_Return
                                                                                          : Qt::Key_Space);
        });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        QObject::connect(&failsafe, &QTimer::timeout, &box, &QDialog::reject);
        failsafe.start(3000);
        EXPECT_EQ(box.exec(), QDialog::Accepted) << how;
    }
}

TEST_F(GameFixture, ARegionThatCannotBeBuiltEndsTheProgramAfterSayingSo)
{
    struct Row {
        const char *name;
        std::function<void(RegionRecord &)> corrupt;
    };
    const Row rows[] = {
        {"never filled", [](RegionRecord &r) { r = RegionData[4]; }},
        {"byte count off", [](RegionRecord &r) { r.rdh.nRgnSize += 1; }},
        {"count beyond the record", [](RegionRecord &r) { r.rdh.nCount = 344; r.rdh.nRgnSize = 344 * 16; }},
    };
    for (const Row &row : rows) {
        QStringList told;
        int exitCode = -1;
        SetDialogHooks({[&told](const QString &t) { told << t; }, {}, {}, [&exitCode](int c) { exitCode = c; }});
        RegionRecord record = RegionData[1];
        row.corrupt(record);
        QWidget window;
        ApplyRegionRecord(record, &window);
        EXPECT_EQ(told, QStringList{QString::fromUtf8(kRegionBuildFailed)}) << row.name;
        EXPECT_NE(exitCode, -1) << row.name << ": the program must end";
        EXPECT_NE(exitCode, 0) << row.name << ": a failure, not a normal end";
    }
}
