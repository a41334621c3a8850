// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/menuprobe.h"

#include "desktop/captionbar.h"
#include "desktop/dialogs.h"
#include "desktop/steadyicons.h"
#include "scoreview/frm_Version.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>

namespace {
class StartDialogTest : public GameFixture
{
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        game().setUpState(GameState::StartDlg);
        runBranch();
    }
};
}  // namespace

TEST_F(StartDialogTest, RightClickOpensTheShortMenuAndSStartsWithTheFullOne)
{
    QStringList shown;  // "-" for a separator
    QTimer::singleShot(0, [this, &shown] {
        for (QAction *a : popupMenu()->actions())
            if (a->isVisible())
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    QTest::mousePress(&loader().startDialog(), Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(shown, (QStringList{"ハイスコア", "成績", "-", "画面モード切替"}));
    EXPECT_EQ(game().state(), GameState::StartWait);

    QTest::mouseClick(&loader().startDialog(), Qt::LeftButton, {}, QPoint(10, 14));
    EXPECT_EQ(game().state(), GameState::Start);
    for (QAction *a : popupMenu()->actions())
        EXPECT_TRUE(a->isVisible()) << a->text().toStdString();
}

TEST(AboutBox, ClosesWithEnterSpaceOrItsCloseButtonButNotEscape)
{
    installFontSubstitutions();
    constexpr int kStillOpen = 2;
    const auto key = [](Qt::Key k) { return [k](frm_Version &box) { QTest::keyClick(box.focusWidget(), k); }; };
    const auto clickCaption = [](int fromRight) {
        return [fromRight](frm_Version &box) {
            auto *caption = box.findChild<CaptionBar *>();
            const QPoint at(caption->width() - fromRight, caption->height() / 2);
            QWidget *target = caption->childAt(at) ? caption->childAt(at) : caption;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(caption, at));
        };
    };
    // clang-format off
    const struct { const char *name; std::function<void(frm_Version &)> act; int result; } rows[] = {
        {"enter", key(Qt::Key_Return), QDialog::Accepted},
        {"space", key(Qt::Key_Space), QDialog::Accepted},
        {"escape", key(Qt::Key_Escape), kStillOpen},
        {"caption's close button", clickCaption(8), QDialog::Accepted},
        {"caption's title", clickCaption(100), kStillOpen},
    };
    // clang-format on
    for (const auto &row : rows) {
        frm_Version box;
        QTimer::singleShot(0, [&box, &row] {
            // A 263-pixel client area; every line whole: each label inside
            // it and a full line high.
            const QWidget *client = box.findChild<QPushButton *>()->parentWidget();
            EXPECT_EQ(client->width(), 263);
            EXPECT_TRUE(box.rect().contains(client->geometry()));
            for (const QLabel *l : client->findChildren<QLabel *>())
                EXPECT_TRUE(client->rect().contains(l->geometry()) &&
                            (l->text().isEmpty() || l->height() >= QFontMetrics(l->font()).height()))
                    << l->text().toStdString();
            row.act(box);
        });
        QTimer::singleShot(300, &box, [&box] { box.done(kStillOpen); });
        EXPECT_EQ(box.exec(), row.result) << row.name;
    }
}

// Tab takes the keyboard from OK to the caption's close button, which tools
// see as a named push button and can press.
TEST(AboutBox, CloseButtonIsReachedByTabAndIsANamedButton)
{
    frm_Version box;
    QTimer::singleShot(0, [&box] {
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QAccessibleInterface *close = QAccessible::queryAccessibleInterface(box.focusWidget());
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->role(), QAccessible::Button);
        EXPECT_EQ(close->text(QAccessible::Name), QStringLiteral("閉じる"));
        ASSERT_NE(close->actionInterface(), nullptr);
        close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QTimer::singleShot(1000, &box, [&box] { box.done(2); });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}

// The box's texts are written in Japanese and translated like every other.
TEST(AboutBox, TextsInJapaneseAndEnglish)
{
    // clang-format off
    const struct { const char *translation; QString title, notice, close; } rows[] = {
        {nullptr, "ﾊﾞｰｼﾞｮﾝ情報", "デスクトップでボウリング。", "閉じる"},
        {":/i18n/marvolt_en.qm", "About Marvolt", "Bowling on your desktop.", "Close"},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTranslator translator;
        if (row.translation) {
            ASSERT_TRUE(translator.load(QString::fromLatin1(row.translation)));
            QCoreApplication::installTranslator(&translator);
        }
        const frm_Version box;
        QCoreApplication::removeTranslator(&translator);
        QStringList labels;
        for (const QLabel *l : box.findChildren<QLabel *>())
            labels << l->text();
        EXPECT_EQ(box.windowTitle(), row.title);
        EXPECT_TRUE(labels.contains(row.notice)) << labels.join(u'|').toStdString();
        EXPECT_EQ(box.findChild<CaptionBar *>()->closeButton()->accessibleName(), row.close);
    }
}

// The boxes themselves, not their hooks: the program's title as caption and
// the exact text (line breaks shown as "\n"). A shape that cannot be built
// or set ends the program, as a failure, once its box is closed.
TEST_F(GameFixture, BoxesCarryTheProgramTitleAndTheirTexts)
{
    int exitCode = 0;
    windows().dialogs().hooks.endProgram = [&exitCode](int code) { exitCode = code; };
    // clang-format off
    const struct { const char *name; std::function<void()> open; QString text; bool fails; } rows[] = {
        {"debug prompt", [this] { game().setUpState(GameState::Debug); runBranch(); },
         "0～10で倒した本数\n-2でスプリット(１投目だけにしてね！）\n-1で強制終了", false},
        {"region not built", [this] { ShapedWindow window; windows().shaper().ApplyRegion(window, kShapeNone); },
         "リージョンデータの読み込みに失敗しました。", true},
        {"region not set", [this] { windows().shaper().reportShape(ShapedWindow::ShapeResult::SetFailed); },
         "ウィンドウの整形に失敗しました。", true},
    };
    // clang-format on
    for (const auto &row : rows) {
        QString title, text;
        exitCode = 0;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            for (const QLabel *label : box->findChildren<QLabel *>())
                text += label->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        row.open();
        EXPECT_EQ(std::tuple(title, text, exitCode != 0), std::tuple(QStringLiteral("Marvolt"), row.text, row.fails)) << row.name;
    }
}

// A desktop whose boxes show icons on their buttons (as X desktops do; the
// offscreen platform shows none), whatever style the player chose.
class IconButtonsStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Every box shown again draws the very icons the last one drew: fresh icons
// would fill the pixmap cache with copies no later box finds.
TEST(BoxIcons, BoxesShownAgainDrawTheSameButtonIcons)
{
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle(QStyleFactory::create(QStringLiteral("windows"))));
    installSteadyIcons();
    const Dialogs dialogs;
    // clang-format off
    const struct { const char *name; std::function<void()> open; } rows[] = {
        {"debug box", [&] { dialogs.inputBox(QStringLiteral("?")); }},
        {"question", [&] { dialogs.askYesNo(QStringLiteral("?")); }},
        {"message", [&] { dialogs.showOkMessage(QStringLiteral("!")); }},
    };
    // clang-format on
    for (const auto &row : rows) {
        QList<qint64> keys[2];
        for (QList<qint64> &shown : keys) {
            QTimer::singleShot(0, [&shown] {
                QWidget *box = QApplication::activeModalWidget();
                ASSERT_NE(box, nullptr);
                for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
                    shown << (button->icon().isNull() ? 0 : button->icon().cacheKey());
                QTest::keyClick(box, Qt::Key_Escape);
            });
            row.open();
        }
        // Icons at all: the chosen style is still the one in force.
        EXPECT_FALSE(keys[0].isEmpty() || keys[0].contains(0)) << row.name;
        EXPECT_EQ(keys[0], keys[1]) << row.name;
    }
    QApplication::setStyle(QStyleFactory::create(before));
}
