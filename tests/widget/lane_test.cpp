// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include <QTest>

namespace {
constexpr QPoint kThrowButton(9, 7);
constexpr QPoint kScoreButton(9, 22);

class LaneTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        windows().presenter().ToggleScreenMode();
        loader().lane().show();
    }
};

// The balloon's pieces on screen, left to right.
std::vector<QRect> BalloonPieces()
{
    std::vector<QRect> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && QStringList{"LEFT", "CENTER", "RIGHT"}.contains(w->windowTitle()))
            shown.push_back(w->geometry());
    std::sort(shown.begin(), shown.end(), [](QRect a, QRect b) { return a.x() < b.x(); });
    return shown;
}
}  // namespace

// Which state a press leads to is the core's; here presses reach it from their place, with their button.
TEST_F(LaneTest, ButtonClicksReachTheGame)
{
    const QPoint T = kThrowButton, S = kScoreButton, off(200, 20), none(-1, -1);
    // clang-format off
    const struct { const char *name; GameState from; bool held, sheet; Qt::MouseButton button; QPoint press, release; GameState to; bool heldAfter, sheetAfter; } rows[] = {
        {"left click on the throw button fixes the start", GameState::Location1, false, false, Qt::LeftButton, T, T, GameState::Location2, false, false},
        {"a held press let go off the button throws", GameState::Location2, false, false, Qt::LeftButton, T, off, GameState::ThrowS, false, false},
        {"a right release only lets go", GameState::Location3, true, false, Qt::RightButton, none, T, GameState::Location3, false, false},
        {"a release off the button is not the button's", GameState::Location3, true, false, Qt::LeftButton, none, off, GameState::Location3, true, false},
        {"a click beside the buttons does nothing", GameState::Location1, false, false, Qt::LeftButton, off, off, GameState::Location1, false, false},
        {"left click on the score button shows the sheet", GameState::Location1, false, false, Qt::LeftButton, S, S, GameState::Location1, false, true},
        {"left click on it again hides the sheet", GameState::Location1, false, true, Qt::LeftButton, S, S, GameState::Location1, false, false},
        {"right click on it leaves the sheet", GameState::Location1, false, false, Qt::RightButton, S, S, GameState::Location1, false, false},
    };
    // clang-format on
    frmLane &lane = loader().lane();
    for (const auto &row : rows) {
        game().setUpState(row.from);
        game().aim.ButtonHeld = row.held;
        row.sheet ? loader().scoreSheet().show() : loader().unloadScoreSheet();
        if (row.press != none)
            QTest::mousePress(&lane, row.button, {}, row.press);
        QTest::mouseRelease(&lane, row.button, {}, row.release);
        EXPECT_EQ(std::tuple(game().state(), game().aim.ButtonHeld, loader().scoreSheetShown()),
                  std::tuple(row.to, row.heldAfter, row.sheetAfter))
            << row.name;
    }
}

// The rows and colours are the core's; the lane draws them on its rows and
// again as they stood when its look changes.
TEST_F(LaneTest, AimingMarkersAreDrawnOnTheirRowsAndKeptOverALookChange)
{
    constexpr int kStart = 25, kAim = 52, kHook = 30;  // x of each column
    const auto markers = [this] {                      // row 0 of each column, then the start column's row 8
        const QImage image = loader().lane().grab().toImage();
        return std::vector<QRgb>{image.pixel(kStart, 6), image.pixel(kAim, 6), image.pixel(kHook, 6), image.pixel(kStart, 22)};
    };
    const QRgb darkRed = qRgb(128, 0, 0), red = qRgb(255, 0, 0), peach = qRgb(255, 217, 179);
    EXPECT_EQ(markers(), (std::vector<QRgb>{darkRed, qRgb(0, 128, 128), peach, darkRed})) << "idle on a new lane";
    fastClock();
    runBranch(GameState::NextThrow);
    std::vector<int> shown;  // red row of the start column after each pass, -1 for none
    for (int pass = 0; pass < 11; ++pass) {
        location1Branch(game(), loader().lane());
        const QImage image = loader().lane().grab().toImage();
        shown.push_back(-1);
        for (int row = 0; row < 9; ++row)
            shown.back() = image.pixel(kStart, 6 + 2 * row) == red ? row : shown.back();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, -1, 8}));
    location2Branch(game(), loader().lane());
    windows().presenter().ToggleScreenMode();
    EXPECT_EQ(markers(), (std::vector<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), peach, red})) << "frozen start, current aim";
}

TEST_F(LaneTest, ScreenModeSwitchesShapeAndPinBoardColoursAndANewGameKeepsThem)
{
    using Look = std::tuple<int, bool, QRgb, QRgb>;  // shape, solid, ground colour, lamp colour
    const Look solid{0, true, qRgb(0, 0, 255), qRgb(255, 255, 255)}, skeleton{3, false, qRgb(0, 0, 0), qRgb(128, 128, 128)};
    loader().board().setLamp(0, true);
    for (const auto &[shapeIndex, solidLane, ground, lamp] : {skeleton, solid, skeleton}) {
        windows().presenter().ToggleScreenMode();
        const QImage board = loader().board().grab().toImage();
        QSet<QRgb> belowLamps;  // the frame label, drawn crisp in the lamp colour, on the ground
        for (int y = 19; y < board.height(); ++y)
            for (int x = 1; x < 23; ++x)
                belowLamps << board.pixel(x, y);
        EXPECT_EQ(std::tuple(game().SolidLane, loader().lane().mask(), board.pixel(12, 16), belowLamps),
                  std::tuple(solidLane, shape(shapeIndex), lamp, QSet<QRgb>{ground, lamp}));
    }
    game().DebugMode = true;
    runBranch(GameState::Init);
    EXPECT_EQ(std::tuple(game().SolidLane, loader().lane().mask()), std::tuple(false, shape(3))) << "a new game keeps the look";
}

// The game's announcement, for 2000 ms: its left piece 130 twips (9 pixels)
// from the screen's left edge, its top 230 twips (15 pixels) above the
// lane's. The pieces join up: the centre, as wide as the text, one pixel
// lower so that its lines meet the end pieces' rows 1 and 15.
TEST_F(LaneTest, MessageBalloonStandsItsTimeAboveTheLaneThenGoes)
{
    const QString text = QStringLiteral("Game Start!!");
    qint64 firstUp = -1, lastUp = -1;
    std::vector<QRect> whileUp;
    tickClock(100, [&](qint64 now) {
        if (game().BalloonBusy && !BalloonPieces().empty())
            firstUp = firstUp < 0 ? now : firstUp, lastUp = now, whileUp = BalloonPieces();
    });
    windows().presenter().ShowMessageBalloon(text, 2000);
    EXPECT_TRUE(lastUp - firstUp >= 2000 && lastUp - firstUp <= 2100) << lastUp - firstUp << " ms, one tick is 100";
    EXPECT_FALSE(game().BalloonBusy);
    EXPECT_TRUE(BalloonPieces().empty());
    const int top = loader().lane().y() - 15, width = QFontMetrics(gameFont(kPGothic, 8.25)).horizontalAdvance(text);
    EXPECT_EQ(whileUp, (std::vector<QRect>{{9, top, 8, 18}, {17, top + 1, width, 15}, {17 + width, top, 7, 18}}));
}

// The board stands 60 twips (4 pixels) right of the lane, centred on it in
// twips: the 7 twips it stands lower round away, so the tops meet. After a
// strike its mark blinks with the blank three times, 200 ms each, and goes
// 600 ms later. Every wait may end one tick (1 ms here) late.
TEST_F(LaneTest, PinBoardBesideTheLaneBlinksItsMark)
{
    const QRect lane = loader().lane().frameGeometry();
    EXPECT_EQ(loader().board().frameGeometry(), QRect(lane.right() + 1 + 4, lane.top(), 24, 28));
    frmDenkou &board = loader().board();
    std::vector<QImage> looks;  // what the board shows: the strike mark 'S', the blank 'B', no mark '-'
    for (const int mark : {kMarkStrike, kMarkBlank})
        board.setMarkVisible(mark, true), looks.push_back(board.grab().toImage()), board.setMarkVisible(mark, false);
    looks.push_back(board.grab().toImage());
    const auto shown = [&] { return "SB-?"[std::find(looks.begin(), looks.end(), board.grab().toImage()) - looks.begin()]; };
    std::vector<std::pair<char, int>> runs;  // what shows, for how many ticks
    tickClock(1, [&](qint64) {
        if (const char top = shown(); runs.empty() || runs.back().first != top)
            runs.emplace_back(top, 0);
        ++runs.back().second;
    });
    board.setMarkVisible(kMarkStrike, true);
    windows().presenter().playBoard(BlinkMark(PinMark::Strike));
    std::string seen;  // to the nearest 10 ms
    for (const auto &[mark, ticks] : runs)
        seen += mark + std::to_string((ticks + 5) / 10 * 10) + " ";
    EXPECT_EQ(seen, "S200 B200 S200 B200 S200 B200 S600 ");
    EXPECT_EQ(shown(), '-');
}

TEST_F(LaneTest, BallIsDrawnOnTheRowThePinsFeel)
{
    Roll &roll = game().roll;
    roll.BallDrawnLeft = 100;
    roll.BallVisible = false;
    const QImage bare = loader().lane().grab().toImage();
    const std::tuple<const char *, float, int> rows[] = {
        {"just below", 10.4f, 10},
        {"half way, centre 14.5 goes to even", 11.5f, 11},
        {"half way, centre 13.5 goes to even", 10.5f, 11},
    };
    roll.BallVisible = true;
    for (const auto &[name, top, row] : rows) {  // the ball's top as the roll has it, the first row drawn
        roll.BallDrawnTop = top;
        const QImage shown = loader().lane().grab().toImage();
        int first = 0;
        while (first < shown.height() && shown.copy(100, first, kBallSize, 1) == bare.copy(100, first, kBallSize, 1))
            ++first;
        EXPECT_EQ(first, row) << name;
    }
}
