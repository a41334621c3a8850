#include "common/gamefixture.h"
#include "game/branches.h"
#include "lane/screenmetrics.h"
#include "platform/regionmask.h"
#include "shapes/mod_RGN_Proc.h"
#include "shapes/mod_RGN_pop.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
constexpr QPoint kThrowButton(9, 7);
constexpr QPoint kScoreButton(9, 22);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhitePixel = qRgb(255, 255, 255);

class LaneTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ToggleScreenMode();
        lane = LaneWindow();
        lane->show();
    }
    QRgb pixel(int x, int y) { return lane->grab().toImage().pixel(x, y); }

    frmLane *lane = nullptr;
};
}  // namespace

TEST_F(LaneTest, ThrowButtonWalksThroughTheAimingStates)
{
    struct Row {
        const char *name;
        QString from;
        bool press;  // else release
        Qt::MouseButton button;
        QString to;
        qint16 held;
    };
    const Row rows[] = {
        {"press fixes the start", State::Location1, true, Qt::LeftButton, State::Location2, 0},
        {"press fixes the target and holds", State::Location2, true, Qt::LeftButton, State::Location3, -1},
        {"release in the grace period throws", State::Location3, false, Qt::LeftButton, State::ThrowS, 0},
        {"release while hooking only lets go", State::Location4, false, Qt::LeftButton, State::Location4, 0},
        {"right release lets go too", State::Location4, false, Qt::RightButton, State::Location4, 0},
        {"press while rolling does nothing", State::ThrowT, true, Qt::LeftButton, State::ThrowT, 0},
        {"press in debug mode does nothing", State::Debug, true, Qt::LeftButton, State::Debug, 0},
    };
    for (const Row &row : rows) {
        GameState = row.from;
        ButtonHeld = row.press ? kFalse : kTrue;
        if (row.press)
            QTest::mousePress(lane, row.button, {}, kThrowButton);
        else
            QTest::mouseRelease(lane, row.button, {}, kThrowButton);
        EXPECT_EQ(GameState, row.to) << row.name;
        EXPECT_EQ(ButtonHeld, row.held) << row.name;
        QTest::mouseRelease(lane, Qt::MiddleButton, {}, QPoint(200, 20));  // clear the held press
    }
}

TEST_F(LaneTest, PressesAreIgnoredWhileTheBalloonIsUp)
{
    BalloonBusy = kTrue;
    GameState = State::Location1;
    QTest::mouseClick(lane, Qt::LeftButton, {}, kThrowButton);
    QTest::mouseClick(lane, Qt::LeftButton, {}, kScoreButton);
    EXPECT_EQ(GameState, State::Location1);
    EXPECT_FALSE(ScoreSheetLoaded());
}

TEST_F(LaneTest, ScoreButtonTogglesTheSheetWithTheLeftButtonOnly)
{
    QTest::mousePress(lane, Qt::RightButton, {}, kScoreButton);
    EXPECT_FALSE(ScoreSheetLoaded());
    QTest::mousePress(lane, Qt::LeftButton, {}, kScoreButton);
    ASSERT_TRUE(ScoreSheetLoaded());
    EXPECT_TRUE(ScoreSheet()->isVisible());
    QTest::mousePress(lane, Qt::LeftButton, {}, kScoreButton);
    EXPECT_FALSE(ScoreSheetLoaded() && ScoreSheet()->isVisible());
}

TEST_F(LaneTest, StartMarkerRunsUpAndDownAndOvershootsAtTheTurns)
{
    StartPos = 0;
    StartDir = 1;
    GameState = State::Location1;
    std::vector<int> shown;  // highlighted row after each pass, -1 for none
    for (int pass = 0; pass < 12; ++pass) {
        Location1Branch();
        int red = -1;
        for (int row = 0; row < 9; ++row) {
            const QRgb p = pixel(25, 6 + 2 * row);
            EXPECT_TRUE(p == kRed || p == kWhitePixel) << "row " << row;
            if (p == kRed)
                red = row;
        }
        shown.push_back(red);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 8, 7}));
}

TEST_F(LaneTest, AShortClickThrowsStraight)
{
    fastClock();
    GameState = State::NextThrow;
    NextThrowBranch();
    ASSERT_EQ(GameState, State::Location1);
    Location1Branch();
    QTest::mouseClick(lane, Qt::LeftButton, {}, kThrowButton);
    Location2Branch();
    QTest::mouseClick(lane, Qt::LeftButton, {}, kThrowButton);  // press and release at once
    ASSERT_EQ(GameState, State::ThrowS);
    ThrowSBranch();
    EXPECT_EQ(HookValue, 0);
    EXPECT_EQ(GameState, State::ThrowT);
}

TEST_F(LaneTest, ScreenModeSwitchesShapeAndPinBoardColours)
{
    struct Look {
        int shape;
        qint16 solid;
        QRgb ground;  // below the lamp picture
        QRgb lamp;
    };
    const Look solid{0, kTrue, qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const Look skeleton{3, kFalse, qRgb(0, 0, 0), qRgb(128, 128, 128)};
    PinBoard()->setLamp(0, true);
    for (const Look &look : {skeleton, solid, skeleton}) {
        ToggleScreenMode();
        EXPECT_EQ(SolidLane, look.solid);
        EXPECT_EQ(lane->mask(), RegionFromRects(*RegionRects(RegionData[look.shape])));
        const QImage board = PinBoard()->grab().toImage();
        EXPECT_EQ(board.pixel(23, 27), look.ground);
        EXPECT_EQ(board.pixel(12, 16), look.lamp) << "lamp of the head pin";
    }
}

TEST_F(LaneTest, NewGameKeepsTheLook)
{
    ToggleScreenMode();  // skeleton
    DebugMode = kTrue;
    GameState = State::Init;
    InitBranch();
    EXPECT_EQ(SolidLane, kFalse);
    EXPECT_EQ(LaneWindow()->mask(), RegionFromRects(*RegionRects(RegionData[3])));
}

TEST_F(LaneTest, BalloonAnnouncesAndTakesItsPiecesAway)
{
    fastClock();
    GameState = State::Location1;
    bool upDuringWait = false;
    QTimer::singleShot(0, [&] {
        upDuringWait = BalloonUp() && BalloonBusy == kTrue;
        QTest::mouseClick(LaneWindow(), Qt::LeftButton, {}, kThrowButton);
    });
    ShowMessageBalloon(QStringLiteral("Game Start!!"), 2000);
    EXPECT_TRUE(upDuringWait);
    EXPECT_EQ(GameState, State::Location1) << "the press during the balloon was ignored";
    EXPECT_FALSE(BalloonUp());
    EXPECT_EQ(BalloonBusy, kFalse);
}

TEST_F(LaneTest, BalloonLayoutFollowsItsStyle)
{
    struct Row {
        const char *name;
        int style;
        const char *text;
    };
    for (const Row &row : {Row{"tail left", kTailLeft, "Game Start!!"}, Row{"tail right", kTailRight, "Hi"},
                           Row{"longer text", kTailLeft, "Game Start!! Game Start!!"}}) {
        ShowBalloon(QString::fromUtf8(row.text), 1500, 3000, row.style);
        QList<QWidget *> pieces;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w->windowTitle() == "LEFT" || w->windowTitle() == "CENTER" ||
                                   w->windowTitle() == "RIGHT"))
                pieces.append(w);
        std::sort(pieces.begin(), pieces.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        ASSERT_EQ(pieces.size(), 3) << row.name;
        const int anchor = 100;  // 1500 twips
        if (row.style == kTailLeft)
            EXPECT_EQ(pieces[0]->x(), anchor) << row.name;
        else
            EXPECT_EQ(pieces[2]->x(), anchor) << row.name;
        EXPECT_EQ(pieces[0]->x() + pieces[0]->width(), pieces[1]->x()) << row.name;
        EXPECT_EQ(pieces[1]->x() + pieces[1]->width(), pieces[2]->x()) << row.name;
        EXPECT_EQ(pieces[1]->width(), QFontMetrics(GameFont(kPGothic, 8.25)).horizontalAdvance(row.text));
        EXPECT_EQ(pieces[0]->height(), 18) << row.name;
        for (QWidget *w : pieces)
            w->hide();
    }
}
