#include "common/gamefixture.h"
#include "common/menuprobe.h"
#include "game/MainSource.h"
#include "hiscore/hiscoretable.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class StartUpTest : public GameFixture
{
protected:
    void TearDown() override
    {
        SetHighScoreListingHook({});
        GameFixture::TearDown();
    }
};

// The lane as drawn with the ball on it; the ball itself is the only thing
// that differs between the colours.
QImage laneWithBall()
{
    BallVisible = true;
    BallDrawnLeft = 100;
    BallDrawnTop = 10;
    return LaneWindow()->grab().toImage();
}

}  // namespace

TEST_F(StartUpTest, CommandLineAndStoredColour)
{
    struct Row {
        const char *name;
        const char *args;
        const char *stored;  // nullptr: no settings file at all
        int colour;
        qint16 debug;
    };
    const Row rows[] = {
        {"no file", "", nullptr, 0, kFalse},
        {"empty value", "", "", 0, kFalse},
        {"half rounds down to even", "-X", "2.5", 2, kTrue},
        {"half rounds up to even", "/x", "3.5", 4, kTrue},
        {"spaces around", "-x extra", "  3 ", 3, kFalse},
        {"not a number", "", "abc", 0, kFalse},
        {"no such colour", "/X", "7", 0, kTrue},
        {"negative", "", "-1", 0, kFalse},
        {"too large for 16 bits", "", "99999999", 0, kFalse},
        {"pale cyan", "", "4", 4, kFalse},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(settings_.path());
        if (row.stored)
            settings_.write(QByteArray("[BALL]\r\nCOLOR=") + row.stored + "\r\n");
        ResetGameVars();
        StartUp(QString::fromLatin1(row.args));

        EXPECT_EQ(checkedColour(), row.colour);
        EXPECT_EQ(ReadIniValue("BALL", "COLOR"), QString::number(row.colour));
        const QImage shown = laneWithBall();
        LaneWindow()->setBallColour(row.colour);
        EXPECT_TRUE(shown == laneWithBall()) << "the ball wears the stored colour";
        EXPECT_EQ(DebugMode, row.debug);
        EXPECT_EQ(ScoreSheetOnly, row.debug);
        EXPECT_EQ(GameState, State::StartDlg);
        EXPECT_EQ(SolidLane, kTrue);
        for (QWidget *w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className() << " " << w->objectName().toStdString();
        UnloadPinBoard();
        UnloadLaneWindow();
    }
}

TEST_F(StartUpTest, FillsTheHighScoreCaptionsFromTheFile)
{
    settings_.write("[Data]\r\nHISCORE1=2003/07/15 21:04:09,9-,  ,087\r\n"
                    "HISCORE2=2003/07/16 08:00:00,8-,  ,080\r\n");
    StartUp(QString());
    QStringList captions;
    for (int i = 0; i < frmMenu::kPlaces; ++i)
        captions << frmMenu::instance()->mhiscore(i)->text();
    EXPECT_EQ(captions, (QStringList{"１位：2003年07月15日 21:04:09  スコア:087",
                                     "２位：2003年07月16日 08:00:00  スコア:080", "３位：(なし)",
                                     "４位：(なし)", "５位：(なし)"}));

    // The captions follow the table when a game is entered later.
    RecordHighScore(QStringLiteral("9-9-9-9-9-9-9-9-9-9-"), QString(20, u' '));
    EXPECT_TRUE(frmMenu::instance()->mhiscore(0)->text().endsWith(QStringLiteral("スコア:090")));
}
