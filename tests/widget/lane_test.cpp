// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include "platform/pictures.h"
#include "platform/regionmask.h"

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
        windows().ToggleScreenMode();
        windows().lane().show();
    }
    QRegion shape(int index) { return RegionFromRects(*RegionRects(windows().regions()[index])); }
};
}  // namespace

TEST_F(LaneTest, ThrowButtonWalksThroughTheAimingStates)
{
    // clang-format off
    const struct { const char *name; GameState from; bool press; Qt::MouseButton button; GameState to; bool held; } rows[] = {
        {"press fixes the start", GameState::Location1, true, Qt::LeftButton, GameState::Location2, false},
        {"press fixes the target and holds", GameState::Location2, true, Qt::LeftButton, GameState::Location3, true},
        {"release in the grace period throws", GameState::Location3, false, Qt::LeftButton, GameState::ThrowS, false},
        {"right release only lets go", GameState::Location3, false, Qt::RightButton, GameState::Location3, false},
        {"release while hooking only lets go", GameState::Location4, false, Qt::LeftButton, GameState::Location4, false},
        {"press while rolling does nothing", GameState::ThrowT, true, Qt::LeftButton, GameState::ThrowT, false},
    };
    // clang-format on
    frmLane &lane = windows().lane();
    for (const auto &row : rows) {  // a press, else a release
        game().state = row.from;
        game().aim.ButtonHeld = !row.press;
        row.press ? QTest::mousePress(&lane, row.button, {}, kThrowButton)
                  : QTest::mouseRelease(&lane, row.button, {}, kThrowButton);
        EXPECT_EQ(game().state, row.to) << row.name;
        EXPECT_EQ(game().aim.ButtonHeld, row.held) << row.name;
        QTest::mouseRelease(&lane, Qt::MiddleButton, {}, QPoint(200, 20));  // clear the held press
    }
}

TEST_F(LaneTest, ScoreButtonTogglesTheSheetOnLeftPressesWhileNoBalloonIsUp)
{
    frmLane &lane = windows().lane();
    game().BalloonBusy = true;
    game().state = GameState::Location1;
    QTest::mouseClick(&lane, Qt::LeftButton, {}, kThrowButton);
    QTest::mouseClick(&lane, Qt::LeftButton, {}, kScoreButton);
    EXPECT_EQ(game().state, GameState::Location1);
    EXPECT_FALSE(windows().scoreSheetLoaded());
    game().BalloonBusy = false;
    QTest::mousePress(&lane, Qt::RightButton, {}, kScoreButton);
    EXPECT_FALSE(windows().scoreSheetLoaded());
    QTest::mousePress(&lane, Qt::LeftButton, {}, kScoreButton);
    ASSERT_TRUE(windows().scoreSheetShown());
    QTest::mousePress(&lane, Qt::LeftButton, {}, kScoreButton);
    EXPECT_FALSE(windows().scoreSheetShown());
}

TEST_F(LaneTest, StartMarkerRunsUpAndDownAndAShortClickThrowsStraight)
{
    fastClock();
    game().state = GameState::NextThrow;
    NextThrowBranch(windows());
    frmLane &lane = windows().lane();
    std::vector<int> shown;  // red row after each pass, -1 for none
    for (int pass = 0; pass < 12; ++pass) {
        Location1Branch(windows());
        const QImage image = lane.grab().toImage();
        shown.push_back(-1);
        for (int row = 0; row < 9; ++row)
            shown.back() = image.pixel(25, 6 + 2 * row) == qRgb(255, 0, 0) ? row : shown.back();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 8, 7}));
    QTest::mouseClick(&lane, Qt::LeftButton, {}, kThrowButton);
    Location2Branch(windows());
    QTest::mouseClick(&lane, Qt::LeftButton, {}, kThrowButton);  // press and release at once
    ASSERT_EQ(game().state, GameState::ThrowS);
    ThrowSBranch(windows());
    EXPECT_EQ(game().roll.HookValue, 0);
    EXPECT_EQ(game().state, GameState::ThrowT);
}

TEST_F(LaneTest, AppliedLookRedrawsTheMarkersAsTheyStood)
{
    // Row 0 of each column, then the start column's row 2.
    const auto markers = [this] {
        const QImage image = windows().lane().grab().toImage();
        return std::vector<QRgb>{image.pixel(25, 6), image.pixel(52, 6), image.pixel(30, 6), image.pixel(25, 10)};
    };
    const QRgb darkRed = qRgb(128, 0, 0), teal = qRgb(0, 128, 128), peach = qRgb(255, 217, 179);
    EXPECT_EQ(markers(), (std::vector<QRgb>{darkRed, teal, peach, darkRed})) << "idle on a new lane";
    fastClock();
    NextThrowBranch(windows());
    for (int pass = 0; pass < 3; ++pass)
        Location1Branch(windows());
    Location2Branch(windows());
    windows().ToggleScreenMode();
    EXPECT_EQ(markers(), (std::vector<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), peach, qRgb(255, 0, 0)}))
        << "frozen start, current aim";
}

TEST_F(LaneTest, ScreenModeSwitchesShapeAndPinBoardColoursAndANewGameKeepsThem)
{
    // clang-format off
    struct Look { int shape; bool solid; QRgb ground, lamp; };  // below the lamps; lamp of the head pin
    // clang-format on
    const Look solid{0, true, qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const Look skeleton{3, false, qRgb(0, 0, 0), qRgb(128, 128, 128)};
    windows().board().setLamp(0, true);
    for (const Look &look : {skeleton, solid, skeleton}) {
        windows().ToggleScreenMode();
        EXPECT_EQ(game().SolidLane, look.solid);
        EXPECT_EQ(windows().lane().mask(), shape(look.shape));
        const QImage board = windows().board().grab().toImage();
        EXPECT_EQ(board.pixel(23, 27), look.ground);
        EXPECT_EQ(board.pixel(12, 16), look.lamp);
        // The frame label is drawn crisp in the lamp colour.
        int lampPixels = 0;
        for (int y = 19; y < board.height(); ++y)
            for (int x = 1; x < 23; ++x) {
                lampPixels += board.pixel(x, y) == look.lamp;
                EXPECT_TRUE(board.pixel(x, y) == look.lamp || board.pixel(x, y) == look.ground) << x << "," << y;
            }
        EXPECT_GT(lampPixels, 20);
    }
    // Every lamp lit covers exactly the dots of the background.
    const QImage dots = Picture("denkou_bg").toImage();
    for (int lamp = 0; lamp < kBoardLamps; ++lamp)
        windows().board().setLamp(lamp, true);
    const QImage lit = windows().board().grab().toImage();
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            EXPECT_EQ(lit.pixel(x, y) == skeleton.lamp, dots.pixel(x, y) != solid.ground) << x << "," << y;
    game().DebugMode = true;
    InitBranch(windows());
    EXPECT_FALSE(game().SolidLane);
    EXPECT_EQ(windows().lane().mask(), shape(3));
}

// The game's announcement: a balloon with its tail at 130 twips, 80 twips
// above the lane, for 2000 ms, during which presses are ignored.
TEST_F(LaneTest, MessageBalloonStandsItsTimeAboveTheLaneThenGoes)
{
    const auto pieces = [] {
        std::vector<QRect> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (QStringList{"LEFT", "CENTER", "RIGHT"}.contains(w->windowTitle()))
                shown.push_back(w->isVisible() ? w->geometry() : QRect());
        std::sort(shown.begin(), shown.end(), [](QRect a, QRect b) { return a.x() < b.x(); });
        return shown;
    };
    qint64 now = 0, firstUp = -1, lastUp = -1;
    std::vector<QRect> whileUp;
    pacer().SetTickSource([&] {
        now += 100;
        if (game().BalloonBusy && windows().balloon().isUp()) {
            firstUp = firstUp < 0 ? now : firstUp;
            lastUp = now;
            whileUp = pieces();
        }
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));  // no real wait between readings
        return now;
    });
    windows().ShowMessageBalloon(QStringLiteral("Game Start!!"), 2000);
    EXPECT_TRUE(lastUp - firstUp >= 2000 && lastUp - firstUp <= 2100) << lastUp - firstUp << " ms, one tick is 100";
    EXPECT_FALSE(game().BalloonBusy);
    EXPECT_TRUE(pieces().empty());
    Balloon expected;
    expected.show(QStringLiteral("Game Start!!"), 130, windows().lane().geometryTwips().top - 80, Balloon::kTailLeft);
    EXPECT_EQ(whileUp, pieces());
    EXPECT_EQ(whileUp.size(), 3u);
}

// The board stands 60 twips right of the lane, centred on it; after a
// strike its mark blinks with the blank three times, 200 ms each, and goes
// 600 ms later. Every wait may end one tick (1 ms here) late.
TEST_F(LaneTest, PinBoardBesideTheLaneBlinksItsMark)
{
    const TwipsRect lane = windows().lane().geometryTwips();
    EXPECT_EQ(windows().board().pos(),
              QPoint(TwipsToPixels(lane.left + lane.width + 60), TwipsToPixels(lane.top + (lane.height - 420) / 2)));
    frmDenkou &shown = windows().board();
    std::vector<std::pair<char, int>> runs;  // what shows, for how long
    pacer().SetTickSource([&, now = qint64(0)]() mutable {
        const char top = shown.markVisible(kMarkBlank) ? 'B' : shown.markVisible(kMarkStrike) ? 'S' : '-';
        if (runs.empty() || runs.back().first != top)
            runs.emplace_back(top, 0);
        ++runs.back().second;
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));  // no real wait between readings
        return ++now;
    });
    shown.setMarkVisible(kMarkStrike, true);
    windows().PlayBoard(BlinkMark(PinMark::Strike));
    const std::vector<std::pair<char, int>> expected = {{'S', 200}, {'B', 200}, {'S', 200}, {'B', 200},
                                                        {'S', 200}, {'B', 200}, {'S', 600}};
    ASSERT_EQ(runs.size(), expected.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].first, expected[i].first) << i;
        EXPECT_NEAR(runs[i].second, expected[i].second, 2) << i;
    }
    EXPECT_FALSE(shown.markVisible(kMarkStrike) || shown.markVisible(kMarkBlank));
}

TEST_F(LaneTest, BalloonLayoutFollowsItsStyle)
{
    // clang-format off
    struct Row { const char *name; int style; const char *text; };
    // clang-format on
    for (const Row &row : {Row{"tail left", Balloon::kTailLeft, "Game Start!!"}, Row{"tail right", Balloon::kTailRight, "Hi"}}) {
        Balloon balloon;
        balloon.show(QString::fromUtf8(row.text), 1500, 2770, row.style);  // 80 twips above a lane top
        QList<QWidget *> pieces;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && QStringList{"LEFT", "CENTER", "RIGHT"}.contains(w->windowTitle()))
                pieces.append(w);
        std::sort(pieces.begin(), pieces.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        ASSERT_EQ(pieces.size(), 3) << row.name;
        EXPECT_EQ(pieces[row.style == Balloon::kTailLeft ? 0 : 2]->x(), 100) << row.name << ": the tail at 1500 twips";
        EXPECT_EQ(pieces[0]->x() + pieces[0]->width(), pieces[1]->x()) << row.name;
        EXPECT_EQ(pieces[1]->x() + pieces[1]->width(), pieces[2]->x()) << row.name;
        EXPECT_EQ(pieces[1]->width(), QFontMetrics(GameFont(kPGothic, 8.25)).horizontalAdvance(row.text)) << row.name;
        EXPECT_EQ(pieces[0]->height(), 18) << row.name;
        EXPECT_EQ(pieces[1]->y(), pieces[0]->y() + 1) << row.name << ": the centre's lines meet the ends' rows 1 and 15";
        EXPECT_EQ(pieces[2]->y(), pieces[0]->y()) << row.name;
    }
}

TEST_F(LaneTest, BallIsDrawnOnTheRowThePinsFeel)
{
    Roll &roll = game().roll;
    roll.BallDrawnLeft = 100;
    roll.BallVisible = false;
    const QImage bare = windows().lane().grab().toImage();
    // clang-format off
    const struct { const char *name; float top; int row; } rows[] = {
        {"whole row", 10.0f, 10},
        {"just below", 10.4f, 10},
        {"nearer the next row", 10.6f, 11},
        {"half way, centre 14.5 goes to even", 11.5f, 11},
        {"half way, centre 13.5 goes to even", 10.5f, 11},
    };
    // clang-format on
    for (const auto &row : rows) {
        roll.BallDrawnTop = row.top;
        roll.BallVisible = true;
        const QImage shown = windows().lane().grab().toImage();
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
