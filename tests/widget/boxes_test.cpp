// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"

#include "desktop/captionbar.h"
#include "desktop/dialogs.h"
#include "desktop/steadyicons.h"
#include "scoreview/frm_Version.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <functional>

// A 263-pixel client area with every label inside it and a full line high.
// OK has the focus; Tab takes it to the caption's close button, which tools
// see as a named push button and can press.
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
    const auto tabAndPress = [](frm_Version &box) {
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QAccessibleInterface *close = QAccessible::queryAccessibleInterface(box.focusWidget());
        ASSERT_TRUE(close && close->actionInterface());
        EXPECT_EQ(std::tuple(close->role(), close->text(QAccessible::Name)), std::tuple(QAccessible::Button, "閉じる"));
        close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    // clang-format off
    const struct { const char *name; std::function<void(frm_Version &)> act; int result; } rows[] = {
        {"enter", key(Qt::Key_Return), QDialog::Accepted},
        {"space", key(Qt::Key_Space), QDialog::Accepted},
        {"escape", key(Qt::Key_Escape), kStillOpen},
        {"caption's close button", clickCaption(8), QDialog::Accepted},
        {"caption's title", clickCaption(100), kStillOpen},
        {"close button reached by tab, pressed by a tool", tabAndPress, QDialog::Accepted},
    };
    // clang-format on
    for (const auto &row : rows) {
        frm_Version box;
        QTimer::singleShot(0, [&box, &row] {
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

// The boxes themselves, not their hooks: the program's title as caption and
// the exact text (line breaks shown as "\n"), the debug prompt's digits and
// Japanese from one font. A shape that cannot be built or set ends the
// program, as a failure, once its box is closed.
TEST_F(GameFixture, BoxesCarryTheProgramTitleAndTheirTexts)
{
    int exitCode = 0;
    windows().dialogs().hooks.endProgram = [&exitCode](int code) { exitCode = code; };
    // clang-format off
    const struct { const char *name; std::function<void()> open; QString text; bool fails, oneFont; } rows[] = {
        {"debug prompt", [this] { runBranch(GameState::Debug); },
         "0～10で倒した本数\n-2でスプリット(１投目だけにしてね！）\n-1で強制終了", false, true},
        {"region not built", [this] { ShapedWindow window; windows().shaper().ApplyRegion(window, kShapeNone); },
         "リージョンデータの読み込みに失敗しました。", true, false},
        {"region not set", [this] { windows().shaper().reportShape(ShapedWindow::ShapeResult::SetFailed); },
         "ウィンドウの整形に失敗しました。", true, false},
    };
    // clang-format on
    for (const auto &row : rows) {
        QString title, text, lacks;
        exitCode = 0;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            for (const QLabel *label : box->findChildren<QLabel *>())
                text += label->text(), lacks += lacking(label->font(), label->text());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        row.open();
        EXPECT_EQ(std::tuple(title, text, exitCode != 0), std::tuple(QStringLiteral("Marvolt"), row.text, row.fails)) << row.name;
        EXPECT_TRUE(!row.oneFont || lacks.isEmpty()) << row.name << " lacks " << lacks.toStdString();
    }
}

// Boxes with icons on their buttons, as on X desktops (offscreen shows none).
struct IconButtonsStyle : QProxyStyle
{
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *out) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, out);
    }
};

// A box shown again draws the very icons the last one drew: fresh icons would
// each leave copies in the pixmap cache, and the game grow with every box.
TEST(BoxIcons, BoxesShownAgainDrawTheSameButtonIcons)
{
    const QString before = QApplication::style()->name();
    QApplication::setStyle(new IconButtonsStyle(QStyleFactory::create(QStringLiteral("windows"))));
    installSteadyIcons();
    QList<qint64> keys[2];
    for (QList<qint64> &shown : keys) {
        QTimer::singleShot(0, [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
                shown << (button->icon().isNull() ? 0 : button->icon().cacheKey());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Dialogs().askYesNo(QStringLiteral("?"));
    }
    EXPECT_FALSE(keys[0].isEmpty() || keys[0].contains(0)) << "no icons: the chosen style is not in force";
    EXPECT_EQ(keys[0], keys[1]);
    QApplication::setStyle(QStyleFactory::create(before));
}
