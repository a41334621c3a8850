// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "MainSource.h"
#include "branches.h"
#include "common/tempsettings.h"
#include "gamewindows.h"

#include "desktop/fonts.h"
#include "desktop/regionmask.h"
#include "game/game.h"
#include "platform/pacer.h"
#include "soundoutput.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QRawFont>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// What reaches the sound output: "+Roll" played, "-Roll" stopped, "stop".
class HeardOutput : public SoundOutput
{
public:
    explicit HeardOutput(QStringList &heard) : heard_(heard) {}
    void play(const SoundCues &cues) override
    {
        for (const SoundCue &c : cues)
            heard_ << (c.action == SoundCue::Action::Play ? "+" : "-") + QString::number(static_cast<int>(c.sound));
    }
    void stopAll() override { heard_ << QStringLiteral("stop"); }

private:
    QStringList &heard_;
};

// A fresh game, its windows with their region tables, and a private KVZ.ini
// for every test; everything is taken away afterwards. Sounds go to heard_,
// never to a sound server.
class GameFixture : public ::testing::Test
{
protected:
    GameFixture()
    {
        installFontSubstitutions();
        hearSounds();
    }
    void hearSounds()
    {
        windows_->sound().makeOutputWith([this] {
            ++outputs_;
            return std::make_unique<HeardOutput>(heard_);
        });
    }
    void SetUp() override { windows().shaper().BuildRegionData(); }

    Game &game() { return *game_; }
    GameWindows &windows() { return *windows_; }
    WindowLoader &loader() { return windows_->loader(); }
    // Runs the branch of the game's state, first set to `from` if given.
    void runBranch(std::optional<GameState> from = {})
    {
        if (from)
            game().setUpState(*from);
        gameBranches(windows())[static_cast<std::size_t>(game().state())]();
    }
    QRegion shape(int index) { return regionFromRects(*regionRects(windows().shaper().regions()[index])); }

    // Every reading moves the clock `step` on and calls `atTick`; a wait
    // still handles events but never really waits. The fast clock jumps a
    // second at every reading, further than any wait.
    void tickClock(qint64 step, std::function<void(qint64 now)> atTick)
    {
        pacer_.setTickSource([step, atTick, now = qint64(0)]() mutable {
            atTick(now += step);
            QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));
            return now;
        });
    }
    void fastClock()
    {
        tickClock(1000000, [](qint64) {});
    }
    // A fresh run of the program up to the loop, on the same settings file.
    void restart(const QString &args = QString())
    {
        windows_.reset();
        game_ = std::make_unique<Game>();
        windows_ = std::make_unique<GameWindows>(*game_, settings_.settings(), pacer_);
        hearSounds();
        startUp(*windows_, args);
    }

    // The game's pop-up menu as the desktop holds it: its one menu window
    // that is no submenu.
    static QMenu *popupMenu()
    {
        QList<QMenu *> menus;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *menu = qobject_cast<QMenu *>(w); menu && !menu->parentWidget())
                menus << menu;
        EXPECT_EQ(menus.size(), 1) << "pop-up menus";
        return menus.value(0);
    }
    // Item `index` of the pop-up menu's submenu captioned `submenu`.
    static QAction *menuItem(const QString &submenu, int index)
    {
        for (QAction *a : popupMenu()->actions())
            if (a->menu() && a->text() == submenu)
                return a->menu()->actions().value(index);
        ADD_FAILURE() << "no submenu " << submenu.toStdString();
        return nullptr;
    }

    // The characters of `line` that `font` lacks: a fallback font of another
    // look would draw them.
    static QString lacking(const QFont &font, const QString &line)
    {
        const QRawFont raw = QRawFont::fromFont(font);
        QString missing;
        for (const QChar c : line)
            if (!c.isSpace() && !raw.supportsCharacter(c))
                missing += c;
        return missing;
    }

    TempSettings settings_;
    QStringList heard_;
    int outputs_ = 0;  // sound outputs made
    Pacer pacer_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
    std::unique_ptr<GameWindows> windows_ = std::make_unique<GameWindows>(*game_, settings_.settings(), pacer_);
};
