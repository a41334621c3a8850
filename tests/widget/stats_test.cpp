// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/historygames.h"

#include "desktop/fonts.h"
#include "history/historystore.h"
#include "history/statistics.h"
#include "statsview/firstballchart.h"
#include "statsview/gamespage.h"
#include "statsview/pinleavemap.h"
#include "statsview/statswindow.h"
#include "statsview/totalschart.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QTranslator>
#include <QVector2D>
#include <gtest/gtest.h>

namespace {
constexpr qreal kSlack = 0.01;  // pixels: rounding in the layout's arithmetic

// Rolled games whose stored leaves make the map show its shares.
Statistics leaveFigures()
{
    HistoryGame g = historyGame("7-9-9-9-9-9-9-9-9-9-", "                    ", 88);
    g.leaves = QStringLiteral("0001001001") + QString(QStringLiteral("0000000001")).repeated(9);
    return computeStatistics({g, g}, false);
}

// Shows the window in the language `english` asks for at `size`; the
// translator stays installed while the returned window lives.
struct ShownWindow
{
    explicit ShownWindow(bool english)
    {
        installFontSubstitutions();
        if (english && translator.load(QStringLiteral(":/i18n/marvolt_en.qm")))
            QCoreApplication::installTranslator(&translator);
        window = std::make_unique<StatsWindow>();
        window->showFigures(leaveFigures(), leaveFigures());
        window->setCurrentPage(StatsWindow::kLeaves);
        window->show();
    }
    ~ShownWindow() { QCoreApplication::removeTranslator(&translator); }
    void resize(const QSize &size)
    {
        window->resize(size);
        QApplication::processEvents();
    }
    QTranslator translator;
    std::unique_ptr<StatsWindow> window;
};
}  // namespace

// Every circle of the leave map, and its text, stands whole inside the map at
// the window's smallest, first and a large size, in both languages.
TEST(StatsWindowTest, LeaveMapCirclesAndTextsStayWhole)
{
    for (const bool english : {false, true}) {
        ShownWindow shown(english);
        const auto *map = shown.window->findChild<PinLeaveMap *>();
        ASSERT_TRUE(map);
        for (const QSize size : {shown.window->minimumSizeHint(), QSize(760, 560), QSize(1000, 760)}) {
            SCOPED_TRACE(std::to_string(english) + " " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
            shown.resize(size);
            const QFontMetricsF metrics(map->labelFont());
            for (int pin = 1; pin <= PinLeaveMap::kPins; ++pin) {
                const QRectF circle = map->pinCircle(pin);
                EXPECT_TRUE(QRectF(map->rect()).adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(circle)) << "pin " << pin;
                const QRectF text = metrics.boundingRect(circle, Qt::AlignCenter, map->label(pin));
                for (const QPointF corner : {text.topLeft(), text.topRight(), text.bottomLeft(), text.bottomRight()})
                    EXPECT_LE(QVector2D(corner - circle.center()).length(), circle.width() / 2) << "pin " << pin;
            }
        }
    }
}

// The rack as bowlers draw it: the back row 7-8-9-10 from left to right, the
// head pin in front; each circle says which pin it is.
TEST(StatsWindowTest, LeaveMapShowsTheRackAsBowlersDo)
{
    ShownWindow shown(false);
    const auto *map = shown.window->findChild<PinLeaveMap *>();
    const auto centre = [map](int pin) { return map->pinCircle(pin).center(); };
    for (const auto &row : {std::vector<int>{7, 8, 9, 10}, {4, 5, 6}, {2, 3}, {1}}) {
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_LT(centre(row[i - 1]).x(), centre(row[i]).x()) << row[i - 1] << " left of " << row[i];
        for (int pin : row)
            EXPECT_EQ(centre(pin).y(), centre(row[0]).y()) << pin;
    }
    EXPECT_TRUE(centre(7).y() < centre(4).y() && centre(4).y() < centre(2).y() && centre(2).y() < centre(1).y());
    EXPECT_EQ(map->label(10), QStringLiteral("10\n100%"));
    EXPECT_EQ(map->label(4), QStringLiteral("4\n10%"));
}

// Both charts' value axes run in round steps that take in the highest bar or
// total and the lowest total.
TEST(StatsWindowTest, ChartAxesRunInRoundSteps)
{
    // clang-format off
    const struct { const char *name; QVector<int> firstBalls, totals; std::tuple<int, int, int> axis; } rows[] = {
        {"first balls, highest bar 55%", {0, 0, 0, 0, 0, 0, 0, 9, 0, 11, 0}, {}, {0, 60, 10}},
        {"first balls, highest bar 15%", {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}, {}, {0, 15, 5}},
        {"first balls, all strikes", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}, {}, {0, 100, 20}},
        {"totals 87 to 203", {}, {87, 150, 203}, {75, 225, 25}},
        {"one total", {}, {151}, {150, 160, 10}},
        {"totals 0 to 300", {}, {0, 300}, {0, 300, 50}},
    };
    // clang-format on
    for (const auto &row : rows) {
        FirstBallChart firstBalls;
        TotalsChart totals;
        firstBalls.setCounts(row.firstBalls);
        totals.setSeries(QVector<double>(row.totals.begin(), row.totals.end()), {}, 0);
        const chart::ValueAxis axis = row.totals.isEmpty() ? firstBalls.valueAxis() : totals.valueAxis();
        EXPECT_EQ(std::tuple(axis.low, axis.high, axis.step), row.axis) << row.name;
    }
}

// The window says where the export wrote, or why it could not: here a path
// through a plain file, which no user can write to.
TEST_F(GameFixture, StatisticsExportSaysWhereItWroteOrWhyNot)
{
    ASSERT_TRUE(HistoryStore(settings_.settings().historyFilePath()).append(historyGame("9-", "  ", 9)));
    windows().menu().mstats()->trigger();
    StatsWindow *window = windows().statistics().window();
    const QString written = QDir(settings_.dir()).filePath(QStringLiteral("games.csv"));
    Q_EMIT window->exportRequested(written);
    EXPECT_EQ(window->exportNote(), written + QStringLiteral(" に書き出しました。"));
    const QString refused = settings_.settings().historyFilePath() + QStringLiteral("/games.csv");
    Q_EMIT window->exportRequested(refused);
    EXPECT_TRUE(window->exportNote().startsWith(refused + QStringLiteral(" に書き出せませんでした（")))
        << window->exportNote().toStdString();
    EXPECT_GT(window->exportNote().size(), refused.size() + 16) << "a reason is given";
}

namespace {
class GamesListTest : public GameFixture
{
protected:
    // Three games: rolled, typed in with a split, and one edited by hand.
    void SetUp() override
    {
        GameFixture::SetUp();
        HistoryStore store(settings_.settings().historyFilePath());
        HistoryGame rolled = historyGame("9-9-9-9-9-9-9-9-9-9-", "                    ", 90);
        rolled.endedAt = QDateTime(QDate(2026, 11, 1), QTime(19, 0), QTimeZone(9 * 3600));
        HistoryGame typed = historyGame("! 9*8-9-9-9-9-9-9-!9-", "    O                ", 119, true);
        typed.endedAt = QDateTime(QDate(2026, 11, 3), QTime(20, 15), QTimeZone(9 * 3600));
        HistoryGame edited = historyGame("junk", "", 50);
        edited.endedAt = typed.endedAt;
        ASSERT_TRUE(store.append(rolled) && store.append(typed) && store.append(edited));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
            db.setDatabaseName(store.path());
            ASSERT_TRUE(db.open() && QSqlQuery(db).exec(QStringLiteral("UPDATE games SET ended_at = 'someday' WHERE id = 3")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("edit"));
        windows().menu().mstats()->trigger();
        window_ = windows().statistics().window();
        window_->setCurrentPage(StatsWindow::kGames);
    }
    QAbstractItemModel *list() { return window_->games()->view()->model(); }
    // Every row as "date|total|game|kind".
    QStringList rows()
    {
        QStringList shown;
        for (int row = 0; row < list()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list()->columnCount(); ++column)
                cells << list()->index(row, column).data().toString();
            shown << cells.join(u'|');
        }
        return shown;
    }
    StatsWindow *window_ = nullptr;
};

const QString kRolled = QStringLiteral("2026年11月01日 19:00|90|9- 9- 9- 9- 9- 9- 9- 9- 9- 9-|");
const QString kTyped = QStringLiteral("2026年11月03日 20:15|119|X 9/ ⑧- 9- 9- 9- 9- 9- 9- X9-|手入力");
const QString kEdited = QStringLiteral("someday|50|junk|");
}  // namespace

// Newest first (a time that cannot be read as the oldest), typed-in games
// with the check box, by total from the heading; the edited row as it stands.
TEST_F(GamesListTest, RowsInTheirOrders)
{
    EXPECT_EQ(rows(), QStringList({kRolled, kEdited}));
    window_->findChild<QCheckBox *>()->setChecked(true);
    EXPECT_EQ(rows(), QStringList({kTyped, kRolled, kEdited}));
    window_->games()->view()->sortByColumn(1, Qt::AscendingOrder);
    EXPECT_EQ(rows(), QStringList({kEdited, kRolled, kTyped}));
    window_->games()->view()->sortByColumn(2, Qt::AscendingOrder);  // the record does not sort
    EXPECT_EQ(window_->games()->view()->horizontalHeader()->sortIndicatorSection(), 1);
    window_->close();
    EXPECT_EQ(settings_.read(QStringLiteral("STATS"), QStringLiteral("PAGE")), QStringLiteral("1"));
}

// Enter on a row opens its game on the red sheet over the live one, as the
// high-score replay does; the edited row opens nothing and says why.
TEST_F(GamesListTest, EnterOpensTheGameOnTheRedSheet)
{
    frmScore &live = loader().scoreSheet();
    live.move(200, 300);
    live.show();
    QTableView *view = window_->games()->view();
    bool opened = false;
    const QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        auto *replay = qobject_cast<frmScore *>(QApplication::activeModalWidget());
        opened = replay && replay->nColor() == QColor(255, 0, 0) && replay->pos() == live.pos() && !live.isVisible();
        if (replay)
            replay->close();
    });
    view->setCurrentIndex(list()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(live.isVisible());
    view->setCurrentIndex(list()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window_->exportNote(), QStringLiteral("このゲームの記録は読めないため、スコアシートを表示できません。"));
}

// The row's menu removes its game after Yes, and only after Yes; the
// question names the game.
TEST_F(GamesListTest, RemovalAsksFirst)
{
    QString asked;
    for (const bool yes : {false, true}) {
        windows().dialogs().hooks.yesNo = [&](const QString &text) { return asked = text, yes; };
        window_->games()->rowMenu(0)->actions().first()->trigger();
        EXPECT_EQ(asked, QStringLiteral("2026年11月01日 19:00 の 90 点のゲームを履歴から削除しますか？"));
        EXPECT_EQ(rows().size(), yes ? 1 : 2);
        EXPECT_EQ(windows().history().store().games()->size(), yes ? 2 : 3);
    }
    EXPECT_EQ(window_->countText(QStringLiteral("games")), QStringLiteral("1"));
}

// Every page says that there is nothing yet, and none draws an empty chart.
TEST_F(GameFixture, StatisticsPagesOnAnEmptyHistory)
{
    windows().menu().mstats()->trigger();
    StatsWindow *window = windows().statistics().window();
    for (int page = 0; page < StatsWindow::kPageCount; ++page) {
        window->setCurrentPage(page);
        EXPECT_EQ(window->message(), QStringLiteral("ゲームを最後まで投げると、ここに成績が表示されます。")) << page;
    }
}
