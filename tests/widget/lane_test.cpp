#include "common/gamefixture.h"
#include "game/branches.h"
#include "platform/regionmask.h"
#include "shapes/mod_RGN_Proc.h"
#include "shapes/mod_RGN_pop.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr QPoint kThrowButton(9, 7);
constexpr QPoint kScoreButton(9, 22);

class LaneTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        ToggleScreenMode();
        LaneWindow()->show();
    }
};
}  // namespace

TEST_F(LaneTest, ThrowButtonWalksThroughTheAimingStates)
{
    const struct { const char *name; QString from; bool press; Qt::MouseButton button; QString to; qint16 held; } rows[] = {
        {"press fixes the start", State::Location1, true, Qt::LeftButton, State::Location2, 0},
        {"press fixes the target and holds", State::Location2, true, Qt::LeftButton, State::Location3, -1},
        {"release in the grace period throws", State::Location3, false, Qt::LeftButton, State::ThrowS, 0},
        {"right release only lets go", State::Location3, false, Qt::RightButton, State::Location3, 0},
        {"release while hooking only lets go", State::Location4, false, Qt::LeftButton, State::Location4, 0},
        {"press while rolling does nothing", State::ThrowT, true, Qt::LeftButton, State::ThrowT, 0},
    };
    for (const auto &row : rows) {  // a press, else a release
        GameState = row.from;
        ButtonHeld = row.press ? kFalse : kTrue;
        row.press ? QTest::mousePress(LaneWindow(), row.button, {}, kThrowButton)
                  : QTest::mouseRelease(LaneWindow(), row.button, {}, kThrowButton);
        EXPECT_EQ(GameState, row.to) << row.name;
        EXPECT_EQ(ButtonHeld, row.held) << row.name;
        QTest::mouseRelease(LaneWindow(), Qt::MiddleButton, {}, QPoint(200, 20));  // clear the held press
    }
}

TEST_F(LaneTest, ScoreButtonTogglesTheSheetOnLeftPressesWhileNoBalloonIsUp)
{
    BalloonBusy = kTrue;
    GameState = State::Location1;
    QTest::mouseClick(LaneWindow(), Qt::LeftButton, {}, kThrowButton);
    QTest::mouseClick(LaneWindow(), Qt::LeftButton, {}, kScoreButton);
    EXPECT_EQ(GameState, State::Location1);
    EXPECT_FALSE(ScoreSheetLoaded());
    BalloonBusy = kFalse;
    QTest::mousePress(LaneWindow(), Qt::RightButton, {}, kScoreButton);
    EXPECT_FALSE(ScoreSheetLoaded());
    QTest::mousePress(LaneWindow(), Qt::LeftButton, {}, kScoreButton);
    ASSERT_TRUE(ScoreSheetLoaded() && ScoreSheet()->isVisible());
    QTest::mousePress(LaneWindow(), Qt::LeftButton, {}, kScoreButton);
    EXPECT_FALSE(ScoreSheetLoaded() && ScoreSheet()->isVisible());
}

TEST_F(LaneTest, StartMarkerRunsUpAndDownAndAShortClickThrowsStraight)
{
    fastClock();
    GameState = State::NextThrow;
    NextThrowBranch();
    std::vector<int> shown;  // red row after each pass, -1 for none
    for (int pass = 0; pass < 12; ++pass) {
        Location1Branch();
        const QImage image = LaneWindow()->grab().toImage();
        shown.push_back(-1);
        for (int row = 0; row < 9; ++row)
            shown.back() = image.pixel(25, 6 + 2 * row) == qRgb(255, 0, 0) ? row : shown.back();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 8, 7}));
    QTest::mouseClick(LaneWindow(), Qt::LeftButton, {}, kThrowButton);
    Location2Branch();
    QTest::mouseClick(LaneWindow(), Qt::LeftButton, {}, kThrowButton);  // press and release at once
    ASSERT_EQ(GameState, State::ThrowS);
    ThrowSBranch();
    EXPECT_EQ(HookValue, 0);
    EXPECT_EQ(GameState, State::ThrowT);
}

TEST_F(LaneTest, ScreenModeSwitchesShapeAndPinBoardColoursAndANewGameKeepsThem)
{
    struct Look { int shape; qint16 solid; QRgb ground, lamp; };  // below the lamps; lamp of the head pin
    const Look solid{0, kTrue, qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const Look skeleton{3, kFalse, qRgb(0, 0, 0), qRgb(128, 128, 128)};
    PinBoard()->setLamp(0, true);
    for (const Look &look : {skeleton, solid, skeleton}) {
        ToggleScreenMode();
        EXPECT_EQ(SolidLane, look.solid);
        EXPECT_EQ(LaneWindow()->mask(), RegionFromRects(*RegionRects(RegionData[look.shape])));
        const QImage board = PinBoard()->grab().toImage();
        EXPECT_EQ(board.pixel(23, 27), look.ground);
        EXPECT_EQ(board.pixel(12, 16), look.lamp);
    }
    DebugMode = kTrue;
    InitBranch();
    EXPECT_EQ(SolidLane, kFalse);
    EXPECT_EQ(LaneWindow()->mask(), RegionFromRects(*RegionRects(RegionData[3])));
}

TEST_F(LaneTest, BalloonLayoutFollowsItsStyle)
{
    struct Row { const char *name; int style; const char *text; };
    for (const Row &row : {Row{"tail left", kTailLeft, "Game Start!!"}, Row{"tail right", kTailRight, "Hi"}}) {
        ShowBalloon(QString::fromUtf8(row.text), 1500, 2770, row.style);  // 80 twips above a lane top
        QList<QWidget *> pieces;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && QStringList{"LEFT", "CENTER", "RIGHT"}.contains(w->windowTitle()))
                pieces.append(w);
        std::sort(pieces.begin(), pieces.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        ASSERT_EQ(pieces.size(), 3) << row.name;
        EXPECT_EQ(pieces[row.style == kTailLeft ? 0 : 2]->x(), 100) << row.name << ": the tail at 1500 twips";
        EXPECT_EQ(pieces[0]->x() + pieces[0]->width(), pieces[1]->x()) << row.name;
        EXPECT_EQ(pieces[1]->x() + pieces[1]->width(), pieces[2]->x()) << row.name;
        EXPECT_EQ(pieces[1]->width(), QFontMetrics(GameFont(kPGothic, 8.25)).horizontalAdvance(row.text)) << row.name;
        EXPECT_EQ(pieces[0]->height(), 18) << row.name;
        EXPECT_EQ(pieces[1]->y(), pieces[0]->y() + 1) << row.name << ": the centre's lines meet the ends' rows 1 and 15";
        EXPECT_EQ(pieces[2]->y(), pieces[0]->y()) << row.name;
        for (QWidget *w : pieces)
            w->hide();
    }
}

TEST_F(LaneTest, BallIsDrawnOnTheRowThePinsFeel)
{
    BallDrawnLeft = 100;
    BallVisible = false;
    const QImage bare = LaneWindow()->grab().toImage();
    const struct { const char *name; float top; int row; } rows[] = {
        {"whole row", 10.0f, 10}, {"just below", 10.4f, 10}, {"nearer the next row", 10.6f, 11},
        {"half way, centre 14.5 goes to even", 11.5f, 11}, {"half way, centre 13.5 goes to even", 10.5f, 11},
    };
    for (const auto &row : rows) {
        BallDrawnTop = row.top;
        BallVisible = true;
        const QImage shown = LaneWindow()->grab().toImage();
        int first = -1;
        for (int y = 0; y < shown.height() && first < 0; ++y)
            for (int x = 100; x < 100 + kBallSize; ++x)
                if (shown.pixel(x, y) != bare.pixel(x, y)) {
                    first = y;
                    break;
                }
        EXPECT_EQ(first, row.row) << row.name;
    }
}
