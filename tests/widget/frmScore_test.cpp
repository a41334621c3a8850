#include "score/frmScore.h"

#include "common/tempsettings.h"
#include "game/frmLane.h"
#include "game/gamevars.h"
#include "lane/screenmetrics.h"
#include "platform/fonts.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "shapes/mod_RGN_Data.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kSheetHeightTwips = 675;
constexpr int kMarkTop = 18;
constexpr int kMarkBottom = 28;   // LineH: marks end above it
constexpr int kCircleY = 22;
constexpr int kTotalTop = 29;
constexpr int kBoxBottom = 39;
const QPoint kCloseButton{312, 7};

int BoxLeft(int frame) { return 4 + 28 * (frame - 1); }

// The smallest rectangle holding every pixel of `area` that `hit` accepts.
template <class Hit>
QRect BoundingBox(const QRect &area, Hit hit)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (hit(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Text, circles and mark pictures are black; grid lines on a red sheet and
// the light panel are not.
QRect InkBox(const QImage &image, const QRect &area)
{
    return BoundingBox(area, [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
    });
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ScoreSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallFontSubstitutions();
        BuildRegionData();
        ResetGameVars();
    }
    void TearDown() override
    {
        UnloadScoreSheet();
        FlushDeletes();
    }
    std::unique_ptr<frmScore> replaySheet(const QString &score, const QString &sprit)
    {
        auto sheet = std::make_unique<frmScore>(frmScore::kReplayLineColor);
        sheet->DisplayScore(score, sprit);
        return sheet;
    }
    static void savePng(const frmScore &sheet, const char *name)
    {
        QDir().mkpath(QStringLiteral(MARVOLT_TEST_OUTPUT_DIR));
        sheet.backBuffer().save(QStringLiteral(MARVOLT_TEST_OUTPUT_DIR "/%1.png").arg(QLatin1String(name)));
    }
    TempSettings settings_;
};

// ---------------------------------------------------------------------------
// Drawing: each row lists where things must land (left edges and centres
// from the layout table).

enum class Kind { Text, Strike, Spare, Circle, Total, NoTotal };
struct Expect
{
    Kind kind;
    int at;  // left edge, circle centre, or frame number for totals
};

struct DrawCase
{
    const char *name;
    const char *score;
    const char *sprit;
    std::vector<Expect> expect;
};
void PrintTo(const DrawCase &c, std::ostream *os) { *os << c.name; }

// The picture's opaque pixels must sit exactly at (left, top).
void ExpectPicture(const QImage &sheet, const char *name, int left, int top)
{
    const QImage pic = PictureImage(name);
    ASSERT_FALSE(pic.isNull()) << name;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x)
            if (qAlpha(pic.pixel(x, y)) == 255)
                ASSERT_EQ(sheet.pixel(left + x, top + y), pic.pixel(x, y))
                    << name << " at " << left << " pixel " << x << "," << y;
}

// `plain` is the record drawn without split marks, `split` with them.
void Check(const QImage &plain, const QImage &split, const Expect &e)
{
    switch (e.kind) {
    case Kind::Text: {
        const QRect ink = InkBox(plain, QRect(e.at - 4, kMarkTop - 2, 13, kMarkBottom - kMarkTop + 2));
        ASSERT_FALSE(ink.isNull()) << "no mark at " << e.at;
        EXPECT_GE(ink.left(), e.at);
        EXPECT_LE(ink.left(), e.at + 3);
        EXPECT_GE(ink.top(), kMarkTop);
        EXPECT_LT(ink.bottom(), kMarkBottom);
        break;
    }
    case Kind::Strike:
        ExpectPicture(plain, "strike", e.at, kMarkTop);
        break;
    case Kind::Spare:
        ExpectPicture(plain, "spare", e.at, kMarkTop);
        break;
    case Kind::Circle: {
        // Grid lines are drawn over the circle: a right edge that falls on a
        // line does not show. No tabled circle has its left edge on one.
        const QRect ring = BoundingBox(
            plain.rect(), [&](int x, int y) { return plain.pixel(x, y) != split.pixel(x, y); });
        ASSERT_FALSE(ring.isNull()) << "no circle at " << e.at;
        EXPECT_EQ(ring.left(), e.at - 6) << "circle at " << e.at;
        EXPECT_GE(ring.right(), e.at + 5) << "circle at " << e.at;
        EXPECT_LE(ring.right(), e.at + 6) << "circle at " << e.at;
        EXPECT_NEAR((ring.top() + ring.bottom()) / 2.0, kCircleY, 0.5);
        break;
    }
    case Kind::Total:
    case Kind::NoTotal: {
        const int left = BoxLeft(e.at);
        const QRect ink = InkBox(plain, QRect(left + 1, kTotalTop, 27, kBoxBottom - kTotalTop));
        if (e.kind == Kind::NoTotal) {
            EXPECT_TRUE(ink.isNull()) << "total in frame " << e.at;
            break;
        }
        ASSERT_FALSE(ink.isNull()) << "no total in frame " << e.at;
        EXPECT_NEAR((ink.left() + ink.right()) / 2.0, left + 14, 2.0) << "frame " << e.at;
        break;
    }
    }
}

class SheetDrawing : public ScoreSheetTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(SheetDrawing, LandsAtTabledPositions)
{
    const DrawCase &c = GetParam();
    const QString score = QString::fromUtf8(c.score);
    const auto plain = replaySheet(score, QString(score.size(), u' '));
    const auto split = replaySheet(score, QString::fromUtf8(c.sprit));
    for (const Expect &e : c.expect)
        Check(plain->backBuffer(), split->backBuffer(), e);
    savePng(*split, (std::string("score_") + c.name).c_str());
}

std::vector<Expect> TwelveStrikes()
{
    std::vector<Expect> e;
    for (int f = 1; f <= 17; f += 2)
        e.push_back({Kind::Strike, 14 * f - 8});
    for (int left : {258, 272, 286})
        e.push_back({Kind::Strike, left});
    for (int frame = 1; frame <= 10; ++frame)
        e.push_back({Kind::Total, frame});
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Records, SheetDrawing,
    ::testing::Values(
        DrawCase{"WorkedExample", "7*! 81", "    O ",
                 {{Kind::Text, 9}, {Kind::Spare, 21}, {Kind::Strike, 34}, {Kind::Text, 65},
                  {Kind::Circle, 67}, {Kind::Text, 79}, {Kind::Total, 1}, {Kind::Total, 2},
                  {Kind::Total, 3}, {Kind::NoTotal, 4}}},
        DrawCase{"SpareWaits", "7*", "  ", {{Kind::Text, 9}, {Kind::Spare, 21}, {Kind::NoTotal, 1}}},
        DrawCase{"SplitInFrameOne", "8", "O", {{Kind::Text, 9}, {Kind::Circle, 11}}},
        DrawCase{"GutterAndMiss", "G-", "  ", {{Kind::Text, 9}, {Kind::Text, 23}, {Kind::Total, 1}}},
        DrawCase{"TwelveStrikes", "! ! ! ! ! ! ! ! ! !!!", "                     ", TwelveStrikes()},
        DrawCase{"TenthFirstBallSplit", "------------------7", "                  O",
                 {{Kind::Text, 261}, {Kind::Circle, 263}, {Kind::NoTotal, 10}}},
        DrawCase{"TenthSecondBallSplit", "------------------!7", "                   O",
                 {{Kind::Strike, 258}, {Kind::Text, 275}, {Kind::Circle, 276}}},
        DrawCase{"TenthThirdBallSplit", "------------------9*7", "                    O",
                 {{Kind::Text, 261}, {Kind::Spare, 273}, {Kind::Text, 289}, {Kind::Circle, 291},
                  {Kind::Total, 10}}},
        DrawCase{"TenthThirdBallClearsFreshRack", "------------------!-*", "                     ",
                 {{Kind::Strike, 258}, {Kind::Text, 275}, {Kind::Spare, 287}, {Kind::Total, 10}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScoreSheetTest, EmptySheetShowsOnlyGridAndFrameNumbers)
{
    const auto sheet = replaySheet(QString(), QString());
    const QImage &img = sheet->backBuffer();
    for (int frame = 1; frame <= 10; ++frame) {
        const int left = BoxLeft(frame);
        const QRect number = InkBox(img, QRect(left + 1, 5, 27, 11));
        ASSERT_FALSE(number.isNull()) << "frame number " << frame;
        EXPECT_NEAR((number.left() + number.right()) / 2.0, left + 16, 2.0) << frame;
        EXPECT_TRUE(InkBox(img, QRect(left + 1, 17, 27, 22)).isNull()) << "frame " << frame;
    }
    EXPECT_TRUE(InkBox(img, QRect(285, 17, 12, 22)).isNull());
    savePng(*sheet, "score_empty");
}

TEST_F(ScoreSheetTest, RedrawClearsOnlyWhatWasDrawn)
{
    const auto sheet = replaySheet(QString(), QString());
    const QImage empty = sheet->backBuffer();
    sheet->DisplayScore(QStringLiteral("! ! ! ! ! ! ! ! ! !!!"), QString(21, u'O'));
    savePng(*sheet, "score_junk_splits");
    sheet->DisplayScore(QString(), QString());
    EXPECT_EQ(sheet->backBuffer(), empty);
}

TEST_F(ScoreSheetTest, GridTakesTheSheetColour)
{
    const auto replay = replaySheet(QString(), QString());
    frmScore live;
    for (const QPoint p : {QPoint(10, 16), QPoint(4, 20), QPoint(18, 20), QPoint(10, 28), QPoint(270, 16),
                           QPoint(269, 20), QPoint(283, 20), QPoint(297, 20)}) {
        EXPECT_EQ(QColor(replay->backBuffer().pixel(p)), QColor(255, 0, 0)) << p.x() << "," << p.y();
        EXPECT_EQ(QColor(live.backBuffer().pixel(p)), QColor(0, 0, 0)) << p.x() << "," << p.y();
    }
    // Boxes 10 and 11 only hold positions: no line of their own inside the tenth frame.
    EXPECT_NE(QColor(replay->backBuffer().pixel(284, 33)), QColor(255, 0, 0));
    EXPECT_NE(QColor(replay->backBuffer().pixel(270, 33)), QColor(255, 0, 0));
}

// ---------------------------------------------------------------------------
// Window, position and closing.

TEST_F(ScoreSheetTest, MaskIsShapeTwo)
{
    frmScore sheet;
    EXPECT_EQ(sheet.size(), QSize(321, 45));
    QRegion shape;
    shape.setRects(std::vector<QRect>{{1, 0, 305, 1}, {1, 1, 321, 15}, {1, 16, 304, 29}}.data(), 3);
    EXPECT_EQ(sheet.mask().intersected(sheet.rect()), shape.intersected(sheet.rect()));
}

struct StoredCase
{
    const char *name;
    const char *ini;  // nullptr: no settings file
    QPoint pixels;    // where the sheet must land; (-1, -1): above the lane
};
void PrintTo(const StoredCase &c, std::ostream *os) { *os << c.name; }

class StoredPosition : public ScoreSheetTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredPosition, LoadsFromSettings)
{
    if (GetParam().ini)
        settings_.write(QByteArray("[SCOREBOARD]\n") + GetParam().ini);
    frmScore sheet;
    const TwipsRect lane = LaneWindowGeometryTwips();
    const QPoint expected = GetParam().pixels.x() >= 0
                                ? GetParam().pixels
                                : QPoint(TwipsToPixels(lane.left), TwipsToPixels(lane.top - kSheetHeightTwips));
    EXPECT_EQ(sheet.pos(), expected);
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "LEFT"), QString::number(PixelsToTwips(expected.x())));
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "TOP"), QString::number(PixelsToTwips(expected.y())));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredPosition,
    ::testing::Values(StoredCase{"NoSettingsFile", nullptr, {-1, -1}},
                      StoredCase{"Plain", "LEFT=1500\nTOP=3000\n", {100, 200}},
                      StoredCase{"LeadingNumber", "LEFT=1500abc\nTOP=x\n", {100, 0}},
                      StoredCase{"EmptyLeftMeansDefault", "LEFT=\nTOP=3000\n", {-1, -1}},
                      StoredCase{"OffEveryScreenComesBack", "LEFT=-99999\nTOP=-99999\n", {-1, -1}},
                      StoredCase{"HugeValueComesBack", "LEFT=1e999\nTOP=5e30\n", {-1, -1}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScoreSheetTest, ScoreSheetOnlySitsBottomLeft)
{
    ScoreSheetOnly = kTrue;
    frmScore sheet;
    EXPECT_EQ(WindowTwips(&sheet).left, 0);
    EXPECT_EQ(WindowTwips(&sheet).top, ScreenHeightTwips() - kSheetHeightTwips);
}

TEST_F(ScoreSheetTest, CloseButtonUnloadsLiveSheetAndStoresPosition)
{
    frmScore *sheet = ScoreSheet();
    QPointer<frmScore> watch(sheet);
    sheet->show();
    sheet->move(150, 120);
    QTest::mousePress(sheet, Qt::RightButton, {}, kCloseButton);
    EXPECT_FALSE(ScoreSheetLoaded());
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "LEFT"), QStringLiteral("2250"));
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "TOP"), QStringLiteral("1800"));
    FlushDeletes();
    EXPECT_TRUE(watch.isNull());
    // The next use loads a fresh sheet where the old one was.
    EXPECT_EQ(ScoreSheet()->pos(), QPoint(150, 120));
}

TEST_F(ScoreSheetTest, UnloadingHiddenSheetStoresPosition)
{
    ScoreSheet()->move(30, 40);
    UnloadScoreSheet();
    EXPECT_FALSE(ScoreSheetLoaded());
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "LEFT"), QStringLiteral("450"));
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "TOP"), QStringLiteral("600"));
}

TEST_F(ScoreSheetTest, ModalReplayEndsAtItsCloseButtonAndLeavesLiveSheet)
{
    frmScore *live = ScoreSheet();
    auto replay = replaySheet(QString(), QString());
    replay->move(60, 90);
    QWidget *modal = nullptr;
    QTimer whileUp;  // fires inside ShowModal's wait
    whileUp.setSingleShot(true);
    QObject::connect(&whileUp, &QTimer::timeout, [&] {
        modal = QApplication::activeModalWidget();
        QTest::mousePress(replay.get(), Qt::LeftButton, {}, kCloseButton);
    });
    whileUp.start(0);
    replay->ShowModal();
    EXPECT_EQ(modal, replay.get());
    EXPECT_FALSE(replay->isVisible());
    EXPECT_EQ(ReadIniValue("SCOREBOARD", "LEFT"), QStringLiteral("900"));
    EXPECT_EQ(ScoreSheet(), live);
}

TEST_F(ScoreSheetTest, OnlyLeftButtonDrags)
{
    frmScore sheet;
    sheet.show();
    QTest::mousePress(&sheet, Qt::RightButton, {}, QPoint(100, 30));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(&sheet, Qt::RightButton, {}, QPoint(100, 30));
    QTest::mousePress(&sheet, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(QWidget::mouseGrabber(), &sheet);
    QTest::mouseRelease(&sheet, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

}  // namespace
