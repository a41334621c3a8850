#pragma once
#include "common/tempsettings.h"
#include "game/MainSource.h"
#include "game/frmLane.h"
#include "game/frmStart.h"
#include "game/gamevars.h"
#include "hiscore/hiscoretable.h"
#include "lane/frmDenkou.h"
#include "menu/frmMenu.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "score/frmScore.h"
#include "shapes/mod_RGN_Data.h"

#include <gtest/gtest.h>

// Fresh game state, region tables and a private KVZ.ini for every test; all
// game windows, hooks and clocks are taken away afterwards.
class GameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGameVars();
        InstallFontSubstitutions();
        BuildRegionData();
    }
    void TearDown() override
    {
        SetDialogHooks({});
        SetTickSource({});
        SetHighScoreListingHook({});
        frmMenu::instance()->setFullView();
        UnloadScoreSheet();
        UnloadPinBoard();
        UnloadLaneWindow();
        UnloadStartDialog();
        ResetGameVars();
    }
    // Waits end at once but still handle events: the clock jumps a second at
    // every reading, further than any wait.
    static void fastClock()
    {
        static qint64 now = 0;
        SetTickSource([] { return now += 1000000; });
    }
    // A fresh run of the program up to the loop, on the same settings file.
    static void restart(const QString &args = QString())
    {
        UnloadPinBoard();
        UnloadLaneWindow();
        ResetGameVars();
        StartUp(args);
    }
    TempSettings settings_;
};
