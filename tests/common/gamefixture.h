// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "MainSource.h"
#include "branches.h"
#include "common/tempsettings.h"
#include "gamewindows.h"

#include "desktop/fonts.h"
#include "game/game.h"
#include "platform/pacer.h"

#include <gtest/gtest.h>
#include <memory>

// A fresh game, its windows with their region tables, and a private KVZ.ini
// for every test; everything is taken away afterwards.
class GameFixture : public ::testing::Test
{
protected:
    GameFixture() { installFontSubstitutions(); }
    void SetUp() override { windows().shaper().BuildRegionData(); }

    Game &game() { return *game_; }
    GameWindows &windows() { return *windows_; }
    WindowLoader &loader() { return windows_->loader(); }
    Pacer &pacer() { return pacer_; }
    Settings &settings() { return settings_.settings(); }
    void runBranch() { gameBranches(windows())[static_cast<std::size_t>(game().state())](); }

    // Waits end at once but still handle events: the clock jumps a second at
    // every reading, further than any wait.
    void fastClock()
    {
        pacer_.setTickSource([now = qint64(0)]() mutable { return now += 1000000; });
    }
    // A fresh run of the program up to the loop, on the same settings file.
    void restart(const QString &args = QString())
    {
        windows_.reset();
        game_ = std::make_unique<Game>();
        windows_ = std::make_unique<GameWindows>(*game_, settings(), pacer_);
        startUp(*windows_, args);
    }

    TempSettings settings_;
    Pacer pacer_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
    std::unique_ptr<GameWindows> windows_ = std::make_unique<GameWindows>(*game_, settings(), pacer_);
};
