// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/menuprobe.h"
#include "languages.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRawFont>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {
using MenuTest = GameFixture;

// The menu as a list: "-" for a separator, "name>" for a submenu followed by
// its items indented, "*" after an item with a tick, "[]" after one drawn
// with a box for a tick (none should be: the ticked colour has a tick icon
// and the others nothing beside their caption).
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
            lines << indent + a->text() + (a->icon().isNull() ? "" : "*") + (a->isCheckable() ? "[]" : "");
        }
    }
    return lines;
}
}  // namespace

TEST_F(MenuTest, TreeInJapaneseAndEnglish)
{
    settings_.write("[BALL]\r\nCOLOR=2\r\n");
    restart();
    // clang-format off
    EXPECT_EQ(Tree(popupMenu()),
              (QStringList{"ハイスコア>", "  １位：(なし)", "  ２位：(なし)", "  ３位：(なし)", "  ４位：(なし)",
                           "  ５位：(なし)", "成績", "-", "ボール>", "  黒", "  赤", "  青*", "  緑", "  無", "-",
                           "画面モード切替", "-", "バージョン情報", "-", "ゲーム終了"}));
    // clang-format on
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/marvolt_en.qm")));
    QCoreApplication::installTranslator(&english);
    restart();
    const QStringList tree = Tree(popupMenu());
    QCoreApplication::removeTranslator(&english);
    // clang-format off
    EXPECT_EQ(tree, (QStringList{"High Scores>", "  1. (none)", "  2. (none)", "  3. (none)", "  4. (none)", "  5. (none)",
                                 "Statistics", "-", "Ball>", "  Black", "  Red", "  Blue*", "  Green", "  Clear", "-",
                                 "Switch Lane Look", "-", "About Marvolt", "-", "End Game"}));
    // clang-format on
}

// A line that mixes Japanese with digits takes both from one font: the
// font the line asks for has the Japanese itself, so no fallback font of
// another look draws part of it.
TEST_F(MenuTest, DigitsAndJapaneseOfALineComeFromOneFont)
{
    settings_.write("[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,087\r\n");
    restart();
    const QMenu *hiscores = popupMenu()->actions().first()->menu();
    QString debugPrompt;
    QFont debugFont;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        const QLabel *prompt = box->findChild<QLabel *>();
        debugPrompt = prompt->text();
        debugFont = prompt->font();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    game().setUpState(GameState::Debug);
    runBranch();
    // clang-format off
    const struct { const char *name; QFont font; QString line; } rows[] = {
        {"high-score menu", hiscores->font(), hiscores->actions().first()->text()},
        {"debug box", debugFont, debugPrompt},
    };
    // clang-format on
    for (const auto &row : rows) {
        const QRawFont font = QRawFont::fromFont(row.font);
        QString missing;
        for (const QChar c : row.line)
            if (!c.isSpace() && !font.supportsCharacter(c))
                missing += c;
        EXPECT_TRUE(row.line.contains(u'0') && missing.isEmpty())
            << row.name << ": " << font.familyName().toStdString() << " lacks \"" << missing.toStdString() << "\" of \""
            << row.line.toStdString() << '"';
    }
}

TEST(Languages, EnglishOnlyWhenTheFirstUiLanguageIsEnglish)
{
    // clang-format off
    const struct { const char *name; QStringList uiLanguages; bool english; } rows[] = {
        {"English desktop", {"en-US", "en-Latn-US", "en"}, true},
        {"English second", {"de-DE", "en"}, false},
        {"none at all", {}, false},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(prefersEnglish(row.uiLanguages), row.english) << row.name;
}

// The stored colour is read back at start-up; see the start-up tests.
TEST_F(MenuTest, ChosenColourIsTheOnlyTickAndIsStoredAndTheLaneLookSwitches)
{
    // clang-format off
    const struct { const char *name; int stored, chosen; } rows[] = {
        {"another colour", 0, 3},
        {"the colour already ticked", 2, 2},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        settings_.set("BALL", "COLOR", QString::number(row.stored));
        restart();
        // A click on the item, which also toggles a checkable item already ticked.
        menuItem(QStringLiteral("ボール"), row.chosen)->trigger();
        EXPECT_EQ(checkedColour(), row.chosen);
        EXPECT_EQ(settings_.read("BALL", "COLOR"), QString::number(row.chosen));
        EXPECT_TRUE(ballWears(windows(), row.chosen));
    }
    for (QAction *a : popupMenu()->actions())
        if (a->text() == QStringLiteral("画面モード切替"))
            a->trigger();
    EXPECT_FALSE(game().SolidLane);
}

TEST_F(MenuTest, EndingTheGameWhileAimingReturnsToTheStartDialog)
{
    fastClock();
    restart();
    const BranchTable branches = gameBranches(windows());
    runPass(game(), pacer(), branches);
    QTest::mouseClick(&loader().startDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    for (int pass = 0; pass < 4 && game().state() != GameState::Location1; ++pass)
        runPass(game(), pacer(), branches);
    ASSERT_EQ(game().state(), GameState::Location1);
    runPass(game(), pacer(), branches);

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

    runPass(game(), pacer(), branches);
    for (const QWidget *top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<const frmLane *>(top) || qobject_cast<const frmDenkou *>(top))
            << top->metaObject()->className();
    EXPECT_FALSE(loader().scoreSheetLoaded());
    runPass(game(), pacer(), branches);
    EXPECT_EQ(game().state(), GameState::StartWait);
    EXPECT_TRUE(loader().startDialog().isVisible());
}
