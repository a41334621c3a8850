// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/historygames.h"
#include "languages.h"

#include "desktop/screen.h"
#include "game/ballcolour.h"
#include "history/historystore.h"
#include "statsview/statswindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <map>
#include <string>

namespace {
class MenuTest : public GameFixture
{
protected:
    // The ticked ball colour: its index, -1 for none, -2 for more than one.
    static int checkedColour()
    {
        int checked = -1;
        for (int i = 0; i < kBallColours; ++i)
            if (!menuItem(QStringLiteral("ボール"), i)->icon().isNull())
                checked = checked == -1 ? i : -2;
        return checked;
    }
    // Whether the ball drawn on the lane wears `colour`: the ball is the
    // only thing that differs between the colours.
    bool ballWears(int colour)
    {
        game().roll.BallVisible = true, game().roll.BallDrawnLeft = 100, game().roll.BallDrawnTop = 10;
        const QImage shown = loader().lane().grab().toImage();
        loader().lane().setBallColour(colour);
        return shown == loader().lane().grab().toImage();
    }
    // Chooses the menu item of `place`; a modal replay that comes up is handed
    // to `whileUp` and closed with its close button. Returns whether one came up.
    bool choose(int place, const std::function<void(frmScore &)> &whileUp = {})
    {
        bool opened = false;
        const QObject scope;  // the check fires only inside the item's handler, if it waits
        QTimer::singleShot(0, &scope, [&] {
            if (auto *replay = qobject_cast<frmScore *>(QApplication::activeModalWidget())) {
                opened = true;
                if (whileUp)
                    whileUp(*replay);
                QTest::mouseClick(replay, Qt::LeftButton, {}, SheetLayout::kLabel1.center());
                if (replay->isVisible())  // else the test would wait for ever
                    replay->close();
            }
        });
        menuItem(QStringLiteral("ハイスコア"), place - 1)->trigger();
        return opened;
    }
};

// The menu as a list: "-" for a separator, "name>" for a submenu followed by
// its items indented, "*" after an item with a tick icon, "[]" after one
// drawn with a tick box (only the sound switch).
QStringList Tree(const QMenu *menu, const QString &indent = QString())
{
    QStringList lines;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            lines << indent + u'-';
        else if (a->menu())
            lines << indent + a->text() + u'>' << Tree(a->menu(), indent + QStringLiteral("  "));
        else
            lines << indent + a->text() + (a->icon().isNull() ? "" : "*") + (a->isCheckable() ? "[]" : "");
    }
    return lines;
}

const QString kRecord87 = QStringLiteral("! 7*5-7-7-7-7-7-6-6-");
const QString kMarks87 = QStringLiteral("    O               ");
const QString kEntry87 = QStringLiteral("2003/07/15 21:04:09,") + kRecord87 + u',' + kMarks87 + QStringLiteral(",087");

}  // namespace

// Every caption is translated, the stored colour ticked, a stored score
// written without its leading zeros. A text changed without its translation
// shows here too.
TEST_F(MenuTest, MenuInEnglish)
{
    settings_.write("[BALL]\r\nCOLOR=2\r\n[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,063\r\n");
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/marvolt_en.qm")));
    QCoreApplication::installTranslator(&english);
    restart();
    const QStringList tree = Tree(popupMenu());
    QCoreApplication::removeTranslator(&english);
    // clang-format off
    EXPECT_EQ(tree, (QStringList{"High Scores>", "  1. 2003-07-15 21:04:09  Score: 63", "  2. (none)", "  3. (none)", "  4. (none)", "  5. (none)",
                                 "Statistics", "-", "Ball>", "  Black", "  Red", "  Blue*", "  Green", "  Clear", "-",
                                 "Switch Lane Look", "Sound effects[]", "-", "About Marvolt", "-", "End Game"}));
    // clang-format on
}

TEST(Languages, EnglishOnlyWhenTheFirstUiLanguageIsEnglish)
{
    const std::tuple<const char *, QStringList, bool> rows[] = {
        {"English desktop", {"en-US", "en-Latn-US", "en"}, true},
        {"English second", {"de-DE", "en"}, false},
        {"none at all", {}, false},
    };
    for (const auto &[name, uiLanguages, english] : rows)
        EXPECT_EQ(prefersEnglish(uiLanguages), english) << name;
}

// How a switch, a stored colour or a stored game reads is the core's; here
// they reach the game, the menu (its lines' digits from the font of their
// Japanese) and the ball, and nothing shows before the loop runs. A colour chosen from the menu (a click, which also toggles a
// checkable item already ticked) is the only tick and is stored.
TEST_F(MenuTest, StartUpAndAChosenColourReachTheMenuTheBallAndTheFile)
{
    // clang-format off
    const struct { const char *name, *args, *file; int chosen, colour; bool debug; QString firstPlace; } rows[] = {
        {"no file", "", nullptr, -1, 0, false, "１位：(なし)"},
        {"a switch, a colour and a game stored", "/x", "[BALL]\r\nCOLOR=3.5\r\n[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,087\r\n",
         -1, 4, true, "１位：2003年07月15日 21:04:09  スコア:087"},
        {"another colour chosen", "", "[BALL]\r\nCOLOR=0\r\n", 3, 3, false, "１位：(なし)"},
        {"the colour already ticked chosen", "", "[BALL]\r\nCOLOR=2\r\n", 2, 2, false, "１位：(なし)"},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(settings_.path());
        if (row.file)
            settings_.write(row.file);
        restart(QString::fromLatin1(row.args));
        if (row.chosen >= 0)
            menuItem(QStringLiteral("ボール"), row.chosen)->trigger();
        EXPECT_EQ(checkedColour(), row.colour);
        EXPECT_EQ(settings_.read("BALL", "COLOR"), QString::number(row.colour));
        EXPECT_TRUE(ballWears(row.colour));
        const QMenu *hiscores = popupMenu()->actions().first()->menu();
        EXPECT_EQ(hiscores->actions().first()->text(), row.firstPlace);
        EXPECT_EQ(lacking(hiscores->font(), row.firstPlace).toStdString(), "");
        EXPECT_EQ(std::tuple(game().DebugMode, game().ScoreSheetOnly, game().state(), game().SolidLane),
                  std::tuple(row.debug, row.debug, GameState::StartDlg, true));
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    for (QAction *a : popupMenu()->actions())
        if (a->text() == QStringLiteral("画面モード切替"))
            a->trigger();
    EXPECT_FALSE(game().SolidLane) << "the lane look switched from the menu";
}

// A game's course through the menus: a right click on the start dialog
// opens the short menu, S starts with the full one, and End Game chosen
// while aiming takes the lane, the board and the sheet away and brings the
// start dialog back.
TEST_F(MenuTest, StartDialogShortMenuThenEndingTheGameWhileAiming)
{
    fastClock();
    restart();
    const BranchTable branches = gameBranches(windows());
    runPass(game(), pacer_, branches);
    QStringList shown;  // "-" for a separator
    QTimer::singleShot(0, [&shown] {
        for (QAction *a : popupMenu()->actions())
            if (a->isVisible())
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    QTest::mousePress(&loader().startDialog(), Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(shown, (QStringList{"ハイスコア", "成績", "-", "画面モード切替", "効果音"}));
    EXPECT_EQ(game().state(), GameState::StartWait);
    QTest::mouseClick(&loader().startDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    EXPECT_EQ(game().state(), GameState::Start);
    for (QAction *a : popupMenu()->actions())
        EXPECT_TRUE(a->isVisible()) << a->text().toStdString();
    for (int pass = 0; pass < 4 && game().state() != GameState::Location1; ++pass)
        runPass(game(), pacer_, branches);
    ASSERT_EQ(game().state(), GameState::Location1);
    runPass(game(), pacer_, branches);

    QTimer::singleShot(0, [] {  // fires inside the menu's own event loop
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(popup);
        for (QAction *a : popup->actions())
            if (a->text() == QStringLiteral("ゲーム終了"))
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(a).center());
        if (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->close();
    });
    QTest::mousePress(&loader().lane(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    QTest::mouseRelease(&loader().lane(), Qt::RightButton, {}, frmLane::kCtrlButton.center());
    EXPECT_EQ(game().state(), GameState::GameOver);

    runPass(game(), pacer_, branches);
    for (const QWidget *top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const frmLane *>(top) || qobject_cast<const frmDenkou *>(top))
            << top->metaObject()->className();
    EXPECT_FALSE(loader().scoreSheetLoaded());
    runPass(game(), pacer_, branches);
    EXPECT_EQ(game().state(), GameState::StartWait);
    EXPECT_TRUE(loader().startDialog().isVisible());
}

TEST_F(MenuTest, ChoosingAnEmptyPlaceShowsAndWritesNothing)
{
    windows().highScores().ListHighScores();
    for (int place = 1; place <= 5; ++place)
        EXPECT_FALSE(choose(place)) << place;
    EXPECT_FALSE(loader().scoreSheetLoaded());
    EXPECT_TRUE(settings_.bytes().isEmpty());
}

// The stored game drawn red, modal (or `choose` finds none), over the live
// sheet, which is hidden meanwhile and shown again only if it was, at the
// place the player dragged the replay to; a junk entry with more marks than
// the sheet has places is drawn as far as it goes.
TEST_F(MenuTest, ReplayLiesRedOverTheLiveSheetWhichIsHiddenMeanwhile)
{
    // clang-format off
    const struct { const char *name; QString entry; bool liveShown; } rows[] = {
        {"87 points, live sheet shown", kEntry87, true},
        {"87 points, live sheet hidden", kEntry87, false},
        {"junk record", "x," + QString(30, u'!') + QString(15, u'*') + "Z9G-," + QString(40, u'O') + ",abc", true},
    };
    // clang-format on
    frmScore reference(frmScore::kReplayLineColor);
    reference.DisplayScore(kRecord87, kMarks87);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings_.set("Data", "HISCORE1", row.entry);
        loader().unloadScoreSheet();
        frmScore &live = loader().scoreSheet();
        live.move(200, 300);
        live.setVisible(row.liveShown);
        EXPECT_TRUE(choose(1, [&](frmScore &replay) {
            EXPECT_FALSE(live.isVisible());
            EXPECT_EQ(std::tuple(replay.pos(), replay.mask()), std::tuple(live.pos(), live.mask()));
            EXPECT_TRUE(replay.nColor() == QColor(255, 0, 0) &&
                        (row.entry != kEntry87 || replay.grab().toImage() == reference.grab().toImage()));
            replay.move(230, 260);
        })) << "no replay came up";
        ASSERT_TRUE(loader().scoreSheetLoaded());
        EXPECT_EQ(std::tuple(&loader().scoreSheet(), live.isVisible()), std::tuple(&live, row.liveShown));
        EXPECT_EQ(live.nColor(), QColor(0, 0, 0));
        loader().unloadScoreSheet();
        EXPECT_EQ(settings_.read("SCOREBOARD", "LEFT") + "," + settings_.read("SCOREBOARD", "TOP"), "3450,3900");
    }
}

// The menu item opens the window: a sentence while no game is stored; a
// second choice shows the same window with the counts of the games stored
// since, rolled ones only or typed-in ones too. The history exports, and a
// closed window comes back where it was.
TEST_F(GameFixture, StatisticsOpenFromTheMenuOnTheHistoryAndKeepTheirPlace)
{
    windows().menu().mstats()->trigger();
    StatsWindow *window = windows().statistics().window();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->message(), QStringLiteral("ゲームを最後まで投げると、ここに成績が表示されます。"));
    {
        HistoryStore store(settings_.settings().historyFilePath());
        ASSERT_TRUE(store.append(historyGame("G-8*81! 9--*72! ! !-*", "  O O                ", 151, false)) &&
                    store.append(historyGame("! ! ! ! ! ! ! ! ! !!!", "                     ", 300, true)));
    }
    windows().menu().mstats()->trigger();
    EXPECT_EQ(windows().statistics().window(), window);
    // clang-format off
    const struct { const char *name; bool typed; std::map<std::string, std::string> counts; } rows[] = {
        {"rolled only", false,
         {{"games", "1"}, {"average", "151.0"}, {"averageRecentShort", "151.0"}, {"best", "151"},
          {"firstBallAverage", "6.5"}, {"strikes", "4 / 11 (36%)"}, {"spares", "3 / 7 (43%)"}, {"splits", "2"},
          {"splitsConverted", "1 / 2 (50%)"}, {"openFrames", "4"}, {"gutters", "1"}}},
        {"typed-in games too", true,
         {{"games", "2"}, {"average", "225.5"}, {"averageRecentLong", "225.5"}, {"best", "300"},
          {"strikes", "16 / 23 (70%)"}, {"spares", "3 / 7 (43%)"}}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        window->findChild<QCheckBox *>()->setChecked(row.typed);
        EXPECT_EQ(window->message(), QString());
        for (const auto &[name, text] : row.counts)
            EXPECT_EQ(window->countText(QString::fromStdString(name)).toStdString(), text) << name;
    }
    const QString csv = QDir(settings_.dir()).filePath(QStringLiteral("games.csv"));
    Q_EMIT window->exportRequested(csv);
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().count('\n'), 3);  // the column names and both games

    const QRect place(100, 90, 560, 640);
    window->setGeometry(place);
    window->close();
    EXPECT_EQ(settings_.read(QStringLiteral("STATS"), QStringLiteral("WIDTH")), QStringLiteral("8400"));
    restart();
    windows().menu().mstats()->trigger();
    EXPECT_EQ(windows().statistics().window()->geometry(), place);
    // A size stored at a smaller scale: cut, with its frame, to the screen.
    windows().statistics().window()->close();
    settings_.set("STATS", "WIDTH", "30000"), settings_.set("STATS", "HEIGHT", "30000");
    restart();
    windows().menu().mstats()->trigger();
    StatsWindow *shown = windows().statistics().window();
    EXPECT_TRUE(primaryAvailableRect().contains(shown->frameGeometry()));
    // Put off the screen while the window manager places it, it comes back;
    // once it has settled the player may put it anywhere.
    for (const bool settled : {false, true}) {
        shown->move(-300, -300);
        QTest::qWait(600);
        EXPECT_EQ(primaryAvailableRect().contains(shown->frameGeometry()), !settled) << "settled " << settled;
    }
}

// An ordinary window, framed and not modal, which says so on every page when
// the history cannot be opened and then offers no choice.
TEST_F(GameFixture, StatisticsSayWhenTheHistoryCannotBeOpened)
{
    ASSERT_TRUE(QDir().mkpath(settings_.settings().historyFilePath()));  // a directory in its place
    windows().menu().mstats()->trigger();
    const StatsWindow *window = windows().statistics().window();
    EXPECT_TRUE(window->isWindow() && !(window->windowFlags() & Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    for (int page = 0; page < StatsWindow::kPageCount; ++page) {
        windows().statistics().window()->setCurrentPage(page);
        EXPECT_EQ(window->message(), QStringLiteral("ゲームの履歴を開けないため、成績を表示できません。")) << page;
    }
    EXPECT_FALSE(window->findChild<QCheckBox *>()->isEnabled());
}

// The switch is ticked as stored, and start-up writes nothing of it; the
// sound output is made only once sound is on. Chosen from the menu it is
// stored and in force at once, mid-roll too: the rumble stops there.
TEST_F(MenuTest, SoundSwitchIsTickedAsStoredAndChosenInForceAtOnce)
{
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"never used", "[BALL]\r\nCOLOR=1\r\n", false},
        {"stored on", "[SOUND]\r\nON=1\r\n", true},
        {"stored as anything else", "[SOUND]\r\nON=yes\r\n", false},
    };
    for (const auto &[name, file, on] : rows) {
        settings_.write(file);
        outputs_ = 0;
        restart();
        EXPECT_EQ(std::tuple(windows().menu().msound()->isChecked(), outputs_), std::tuple(on, on ? 1 : 0)) << name;
        EXPECT_EQ(settings_.bytes().contains("SOUND"), QByteArray(file).contains("SOUND")) << name;
    }
    fastClock();
    windows().menu().msound()->trigger();
    EXPECT_EQ(std::tuple(windows().menu().msound()->isChecked(), settings_.read("SOUND", "ON")), std::tuple(true, QString("1")));
    game().aim = {4, 4, 4, 1, 1, 1, 1, false};  // straight down the middle, into the pins
    runBranch(GameState::ThrowS);
    while (game().state() == GameState::ThrowT &&
           !heard_.join(u' ').contains(u'+' + QString::number(static_cast<int>(SoundId::Crash1))))
        runBranch();
    EXPECT_EQ(heard_.mid(0, 2), (QStringList{"+0", "+2"})) << "the rumble, then the head pin's crash";
    windows().menu().msound()->trigger();
    const QStringList offAt = heard_;
    while (game().state() == GameState::ThrowT)
        runBranch();
    EXPECT_EQ(std::tuple(heard_, settings_.read("SOUND", "ON")), std::tuple(offAt, QString("0")));
    EXPECT_EQ(heard_.last(), "stop");
}
