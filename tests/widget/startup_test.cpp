// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "common/gamefixture.h"
#include "common/menuprobe.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace {
class StartUpTest : public GameFixture
{
};
}  // namespace

TEST_F(StartUpTest, CommandLineAndStoredColour)
{
    // clang-format off
    const struct { const char *name, *args, *stored; int colour; bool debug; } rows[] = {
        // stored: nullptr for no file
        {"no file", "", nullptr, 0, false},
        {"half rounds up to even", "/x", "3.5", 4, true},
        {"spaces around, a second word", "-x extra", "  3 ", 3, false},
        {"no such colour", "-X", "7", 0, true},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(settings_.path());
        if (row.stored)
            settings_.write(QByteArray("[BALL]\r\nCOLOR=") + row.stored + "\r\n");
        restart(QString::fromLatin1(row.args));
        EXPECT_EQ(checkedColour(windows().menu()), row.colour);
        EXPECT_EQ(settings_.read("BALL", "COLOR"), QString::number(row.colour));
        EXPECT_TRUE(ballWears(windows(), row.colour));
        EXPECT_EQ(game().DebugMode, row.debug);
        EXPECT_EQ(game().ScoreSheetOnly, row.debug);
        EXPECT_EQ(game().state, GameState::StartDlg);
        EXPECT_TRUE(game().SolidLane);
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

TEST_F(StartUpTest, FillsTheHighScoreCaptionsFromTheFile)
{
    settings_.write("[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,087\r\n"
                    "HISCORE2=2003/07/16 08:00:00,8-,  ,080\r\n");
    restart();
    QStringList captions;
    for (int i = 0; i < frmMenu::kPlaces; ++i)
        captions << windows().menu().mhiscore(i)->text();
    EXPECT_EQ(captions, (QStringList{"１位：2003年07月15日 21:04:09  スコア:087", "２位：2003年07月16日 08:00:00  スコア:080",
                                     "３位：(なし)", "４位：(なし)", "５位：(なし)"}));
}
