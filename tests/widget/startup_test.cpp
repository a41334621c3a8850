// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/menuprobe.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace {
using StartUpTest = GameFixture;
}  // namespace

// How a switch, a stored colour or a stored game reads is the core's; here
// they reach the game, the menu and the ball, and nothing shows before the
// loop runs.
TEST_F(StartUpTest, CommandLineStoredColourAndHighScores)
{
    // clang-format off
    const struct { const char *name, *args, *file; int colour; bool debug; QString firstPlace; } rows[] = {
        {"no file", "", nullptr, 0, false, "１位：(なし)"},
        {"a switch, a colour and a game stored", "/x", "[BALL]\r\nCOLOR=3.5\r\n[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,087\r\n",
         4, true, "１位：2003年07月15日 21:04:09  スコア:087"},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(settings_.path());
        if (row.file)
            settings_.write(row.file);
        restart(QString::fromLatin1(row.args));
        EXPECT_EQ(checkedColour(), row.colour);
        EXPECT_EQ(settings_.read("BALL", "COLOR"), QString::number(row.colour));
        EXPECT_TRUE(ballWears(windows(), row.colour));
        EXPECT_EQ(menuItem(QStringLiteral("ハイスコア"), 0)->text(), row.firstPlace);
        EXPECT_EQ(std::tuple(game().DebugMode, game().ScoreSheetOnly, game().state(), game().SolidLane),
                  std::tuple(row.debug, row.debug, GameState::StartDlg, true));
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}
