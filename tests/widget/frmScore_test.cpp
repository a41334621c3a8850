// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include "desktop/pictures.h"
#include "desktop/screen.h"

#include <QDir>
#include <QTest>

namespace {

constexpr int kMarkTop = 18, kMarkBottom = 28, kCircleY = 22, kTotalTop = 29, kBoxBottom = 39;

// The smallest rectangle around the pixels of `area` that `hit` accepts.
template <class Hit>
QRect BoundingBox(const QRect &area, Hit hit)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            box |= hit(x, y) ? QRect(x, y, 1, 1) : QRect();
    return box;
}

// Text, circles and mark pictures are black; grid lines on a red sheet and
// the light panel are not.
auto Dark(const QImage &image)
{
    return [&image](int x, int y) { return QColor(image.pixel(x, y)).value() < 100; };
}

// A game drawn on a replay sheet, whose red grid tells apart from the ink.
QImage Drawn(const QString &score, const QString &sprit)
{
    frmScore sheet(frmScore::kReplayLineColor);
    sheet.DisplayScore(score, sprit);
    return sheet.grab().toImage();
}

using ScoreSheetTest = GameFixture;

// How the sheet paints what the layout places, e.g. "T9 /21 X34 O67 #1 -4":
// a text mark with its left edge at x 9, a spare picture at 21, a strike
// picture at 34, a split circle centred at 67, a total in frame 1 and none
// in frame 4; `plain` drawn without split marks, `split` with them.
void Check(const QImage &plain, const QImage &split, const QString &expected)
{
    for (const QString &item : expected.split(u' ')) {
        SCOPED_TRACE(item.toStdString());
        const int at = item.mid(1).toInt();
        if (item[0] == u'T') {
            const QRect ink = BoundingBox(QRect(at - 4, kMarkTop - 2, 13, kMarkBottom - kMarkTop + 2), Dark(plain));
            EXPECT_TRUE(!ink.isNull() && ink.left() <= at + 3 && QRect(at, kMarkTop, 9, kMarkBottom - kMarkTop).contains(ink));
        } else if (item[0] == u'X' || item[0] == u'/') {  // the picture's opaque pixels sit exactly at (at, kMarkTop)
            const QImage pic = pictureImage(item[0] == u'X' ? "strike" : "spare");
            const auto wrong = [&](int x, int y) {
                return qAlpha(pic.pixel(x, y)) == 255 && plain.pixel(at + x, kMarkTop + y) != pic.pixel(x, y);
            };
            EXPECT_TRUE(BoundingBox(pic.rect(), wrong).isNull());
        } else if (item[0] == u'O') {
            // Grid lines are drawn over the circle: a right edge that falls on
            // a line does not show. No tabled circle has its left edge on one.
            const QRect ring = BoundingBox(plain.rect(), [&](int x, int y) { return plain.pixel(x, y) != split.pixel(x, y); });
            EXPECT_TRUE(ring.left() == at - 6 && ring.right() >= at + 5 && ring.right() <= at + 6 &&
                        qAbs(ring.top() + ring.bottom() - 2 * kCircleY) <= 1)
                << ring.x() << "," << ring.y() << " " << ring.width();
        } else {
            const int left = 4 + 28 * (at - 1);
            const QRect ink = BoundingBox(QRect(left + 1, kTotalTop, 27, kBoxBottom - kTotalTop), Dark(plain));
            EXPECT_TRUE(item[0] == u'-' ? ink.isNull() : !ink.isNull() && qAbs(ink.left() + ink.right() - 2 * (left + 14)) <= 1);
        }
    }
}

TEST_F(ScoreSheetTest, PaintsEveryKindOfItemWhereTheLayoutPutsIt)
{
    const QImage split = Drawn("7*! 81", "    O ");
    Check(Drawn("7*! 81", "      "), split, "T9 /21 X34 T65 O67 T79 #1 #2 #3 -4");
    // Text is smoothed in grey only, keeping the panel's hue, also where the
    // desktop asks for colour fringes (CTest runs this again on such fonts).
    const auto fringe = [&split](int x, int y) {
        const QColor c = split.pixel(x, y);
        return c.red() < c.green() || c.green() < c.blue();
    };
    EXPECT_TRUE(BoundingBox(QRect(5, 5, 290, 34), fringe).isNull());
    QDir().mkpath(QStringLiteral(MARVOLT_TEST_OUTPUT_DIR));
    split.save(QStringLiteral(MARVOLT_TEST_OUTPUT_DIR "/score_worked_example.png"));
}

TEST_F(ScoreSheetTest, EmptySheetShowsShapeGridInTheSheetColourAndFrameNumbers)
{
    const QImage empty = Drawn({}, {});
    for (int left = 4; left < 4 + 28 * 10; left += 28) {  // frame numbers 2 right of centre, nothing below
        const QRect number = BoundingBox(QRect(left + 1, 5, 27, 11), Dark(empty)),
                    below = BoundingBox(QRect(left + 1, 17, 27, 22), Dark(empty));
        EXPECT_TRUE(qAbs(number.left() + number.right() - 2 * (left + 16)) <= 4 && below.isNull()) << "box at " << left;
    }
    frmScore &live = loader().scoreSheet();
    EXPECT_EQ(live.mask(), shape(kShapeScoreSheet));
    for (const QPoint p : {QPoint(10, 16), QPoint(4, 20), QPoint(18, 20), QPoint(10, 28), QPoint(269, 20), QPoint(297, 20)})
        EXPECT_TRUE(empty.pixel(p) == qRgb(255, 0, 0) && live.grab().toImage().pixel(p) == qRgb(0, 0, 0))
            << p.x() << "," << p.y();
    // Boxes 10 and 11 only hold positions: no line of their own inside the tenth frame.
    EXPECT_TRUE(QColor(empty.pixel(284, 33)) != Qt::red && QColor(empty.pixel(270, 33)) != Qt::red);
    // A redraw clears only what the last one drew, even with junk split marks.
    frmScore sheet(frmScore::kReplayLineColor);
    sheet.DisplayScore(QStringLiteral("! ! ! ! ! ! ! ! ! !!!"), QString(21, u'O'));
    sheet.DisplayScore(QString(), QString());
    EXPECT_EQ(sheet.grab().toImage(), empty);
}

// The sheet's place in KVZ.ini, in twips (15 to a pixel): read when it
// loads, brought back above the lane unless 8 x 8 pixels of its shape show
// (its column 0 is cut away), else moved wholly onto the screen (a place
// stored at another scale), and written back when it closes, which any
// button on its close button does; only the left button drags it. The
// sheet-only mode's place in the corner is never stored.
TEST_F(ScoreSheetTest, PlaceIsReadFromTheSettingsAndWrittenBack)
{
    const auto stored = [this] { return settings_.read("SCOREBOARD", "LEFT") + "," + settings_.read("SCOREBOARD", "TOP"); };
    const auto twips = [](QPoint pixels) { return QString("%1,%2").arg(pixels.x() * 15).arg(pixels.y() * 15); };
    const QPoint aboveLane = loader().lane().pos() - QPoint(0, 45);
    const auto atColumnsShown = [](int columns) {
        return QStringLiteral("LEFT=%1\nTOP=0\n").arg((primaryScreenRect().width() - 1 - columns) * 15);
    };
    const QRect screen = primaryScreenRect();
    const QPoint rightEdge(screen.width() - 321, 0), bottomEdge(0, screen.height() - 45);
    const std::tuple<const char *, QString, QPoint, QString> rows[] = {
        {"nothing_stored", "", aboveLane, twips(aboveLane)},
        {"seven_columns_shown_come_back", atColumnsShown(7), aboveLane, twips(aboveLane)},
        {"eight_columns_shown_come_in", atColumnsShown(8), rightEdge, twips(rightEdge)},
        {"half_below_the_screen_comes_up", QString("LEFT=-30\nTOP=%1\n").arg(screen.height() * 15 - 300), bottomEdge,
         twips(bottomEdge)},
        {"nearest_pixel_shown_twips_kept", "LEFT=1501\nTOP=1508\n", {100, 101}, "1501,1508"},
    };
    for (const auto &[name, ini, pixels, place] : rows) {  // KVZ.ini lines, where the sheet loads, its place stored
        loader().unloadScoreSheet();                       // stores its place: before the row's settings
        settings_.write("[SCOREBOARD]\n" + ini.toUtf8());
        EXPECT_EQ(loader().scoreSheet().pos(), pixels) << name;  // loading stores the place
        EXPECT_EQ(stored(), place) << name;
    }
    frmScore *sheet = &loader().scoreSheet();
    sheet->show(), sheet->move(150, 120);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        QTest::mousePress(sheet, button, {}, QPoint(100, 30));
        EXPECT_EQ(QWidget::mouseGrabber(), button == Qt::LeftButton ? sheet : nullptr);
        QTest::mouseRelease(sheet, button, {}, QPoint(100, 30));
    }
    QTest::mousePress(sheet, Qt::RightButton, {}, QPoint(312, 7));
    EXPECT_FALSE(loader().scoreSheetLoaded());
    EXPECT_EQ(stored(), "2250,1800");
    EXPECT_EQ(loader().scoreSheet().pos(), QPoint(150, 120));
    loader().unloadScoreSheet();
    game().ScoreSheetOnly = true;
    EXPECT_EQ(loader().scoreSheet().pos().x(), 0);
    loader().unloadScoreSheet();
    EXPECT_EQ(stored(), "2250,1800");
}

}  // namespace
