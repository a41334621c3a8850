// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/rack.h"
#include "sound/mixer.h"
#include "sound/soundcues.h"
#include "sound/soundswitch.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {
constexpr const char *kNames[kSoundCount] = {"Roll",   "Gutter", "Crash1",      "Crash2",    "Crash3",
                                             "Crash4", "Full",   "StrikeChime", "SpareChime"};

// Events as written in the rows: R roll starts, G gutter, E lane end, a
// digit that many pins fell at a row, S4 the four that complete a strike,
// ! strike mark, * spare mark.
ThrowEvents Events(const QString &text)
{
    ThrowEvents events;
    for (const QString &e : text.split(u' ', Qt::SkipEmptyParts)) {
        using K = ThrowEvent::Kind;
        const K kind = e == "R"   ? K::RollStarted
                       : e == "G" ? K::Gutter
                       : e == "E" ? K::LaneEnd
                       : e == "!" ? K::StrikeMark
                       : e == "*" ? K::SpareMark
                                  : K::PinsFell;
        events.push_back({kind, kind == K::PinsFell ? e.right(1).toInt() : 0, e.startsWith(u'S')});
    }
    return events;
}

// Cues as "+Roll" (play) and "-Roll" (stop).
std::string Cues(const SoundCues &cues)
{
    std::string text;
    for (const SoundCue &c : cues)
        text += (text.empty() ? "" : " ") + std::string(c.action == SoundCue::Action::Play ? "+" : "-") +
                kNames[static_cast<int>(c.sound)];
    return text;
}

double rms(const SoundSamples &s)
{
    double sum = 0;
    for (qint16 v : s)
        sum += double(v) * v;
    return std::sqrt(sum / s.size()) / 32768;
}
}  // namespace

TEST(SoundCues, FollowTheBallsEvents)
{
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"a ball into the pins", "R 1 2 3 E", "+Roll +Crash1 +Crash2 +Crash3 -Roll"},
        {"a strike", "R 1 2 3 S4 E !", "+Roll +Crash1 +Crash2 +Crash3 +Full -Roll +StrikeChime"},
        {"a strike felled at the last row alone", "R S1 E !", "+Roll +Full -Roll +StrikeChime"},
        {"a spare", "R 2 E *", "+Roll +Crash2 -Roll +SpareChime"},
        {"into the gutter", "R G E", "+Roll -Roll +Gutter -Roll"},
        {"rows where nothing falls", "R 0 E", "+Roll -Roll"},
        {"typed in", "!", "+StrikeChime"},
    };
    for (const auto &[name, events, cues] : rows)
        EXPECT_EQ(Cues(cuesFor(Events(QString::fromLatin1(events)))), cues) << name;
}

// Pin states before and after a step, as in the game tests: 0 standing, 1
// felled by this ball, 2 earlier.
TEST(SoundCues, AStepsEventsComeFromTheGameBeforeAndAfterIt)
{
    // clang-format off
    const struct { const char *name, *before, *after; bool firstBall, gutterBefore, gutterAfter; GameState state; const char *events; } rows[] = {
        {"two pins of a row", "1000000000", "1110000000", true, false, false, GameState::ThrowT, "2"},
        {"the last four of a fresh rack", "1111110000", "1111111111", true, false, false, GameState::ThrowT, "S4"},
        {"the last four of a second ball", "2222220000", "2222221111", false, false, false, GameState::ThrowT, "4"},
        {"passing pins felled earlier", "1110000000", "2210000000", false, false, false, GameState::ThrowT, ""},
        {"into the gutter", "0000000000", "0000000000", true, false, true, GameState::ThrowT, "G"},
        {"on in the gutter to the end", "0000000000", "0000000000", true, true, true, GameState::ThrowE, "E"},
    };
    // clang-format on
    for (const auto &row : rows) {
        Game g;
        for (int p = 1; p <= 10; ++p)
            g.rack.PinState[p] = static_cast<qint16>(row.before[p - 1] - '0');
        g.rack.FirstBallOfRack = row.firstBall;
        g.roll.GutterFlag = row.gutterBefore;
        const StepStart before = stepStart(g);
        for (int p = 1; p <= 10; ++p)
            g.rack.PinState[p] = static_cast<qint16>(row.after[p - 1] - '0');
        g.roll.GutterFlag = row.gutterAfter;
        g.setUpState(row.state);
        EXPECT_EQ(stepEvents(before, g), Events(QString::fromLatin1(row.events))) << row.name;
    }
}

// Short, mono 16-bit at 11025 Hz, a few KB, heard, never at the rails; the
// crash grows louder and longer with the pins; the looped rumble starts near
// silence and has no click: no step from one sample to the next (the join
// of two repeats included) is more than twice its 99th-percentile step.
TEST(SoundBank, SoundsAreShortUnclippedAndTheCrashGrowsWithThePins)
{
    const SoundBank bank = synthesizeAll();
    for (int i = 0; i < kSoundCount; ++i) {
        const SoundSamples &s = bank[i];
        const auto [low, high] = std::minmax_element(s.begin(), s.end());
        EXPECT_TRUE(s.size() >= kSoundRate / 10 && s.size() <= kSoundRate && s.size() * 2 <= 20000) << kNames[i];
        EXPECT_TRUE(*low > -32000 && *high < 32000 && rms(s) > 0.02) << kNames[i];
    }
    for (int i = static_cast<int>(SoundId::Crash1); i < static_cast<int>(SoundId::CrashFull); ++i)
        EXPECT_TRUE(rms(bank[i]) < rms(bank[i + 1]) && bank[i].size() < bank[i + 1].size()) << kNames[i + 1];
    const SoundSamples &roll = bank[static_cast<int>(SoundId::Roll)];
    std::vector<int> steps;  // from each sample to the next, the last to the first included
    for (std::size_t i = 0; i < roll.size(); ++i)
        steps.push_back(std::abs(roll[(i + 1) % roll.size()] - roll[i]));
    std::sort(steps.begin(), steps.end());
    EXPECT_LE(steps.back(), 2 * steps[steps.size() * 99 / 100]) << "a click";
    EXPECT_LT(std::abs(roll.front()), 100);
    EXPECT_EQ(synthesize(SoundId::Crash3), bank[static_cast<int>(SoundId::Crash3)]);
}

// Sounds mix on top of each other within the 16-bit range; the loop goes on
// until it is stopped, a one-shot ends by itself.
TEST(Mixer, OverlappingSoundsMixLoopsRepeatAndEndedSoundsGo)
{
    SoundBank bank;
    bank[static_cast<int>(SoundId::Roll)] = {1000, 2000};
    bank[static_cast<int>(SoundId::Crash1)] = {30000, 30000, -5};
    bank[static_cast<int>(SoundId::SpareChime)] = {-30000, -30000};
    Mixer mixer(bank);
    std::vector<qint16> out(5);
    const auto mixed = [&] {
        mixer.mix(out.data(), static_cast<int>(out.size()));
        return out;
    };
    EXPECT_TRUE(mixer.idle());
    mixer.play(SoundId::Gutter);  // a sound with no samples plays nothing
    EXPECT_TRUE(mixer.idle());
    mixer.play(SoundId::Roll);
    mixer.play(SoundId::Crash1);
    EXPECT_EQ(mixed(), (std::vector<qint16>{31000, 32000, 995, 2000, 1000}));
    mixer.play(SoundId::SpareChime);
    mixer.play(SoundId::SpareChime);
    EXPECT_EQ(mixed(), (std::vector<qint16>{-32768, -32768, 2000, 1000, 2000}));
    mixer.stop(SoundId::Roll);
    EXPECT_TRUE(mixer.idle());
    EXPECT_EQ(mixed(), (std::vector<qint16>(5, 0)));
    mixer.play(SoundId::Roll);
    mixer.stopAll();
    EXPECT_TRUE(mixer.idle());
}

TEST(SoundSwitch, OnlyAStoredOneIsOn)
{
    const std::pair<const char *, bool> rows[] = {{"1", true},   {"0", false},  {"", false},
                                                  {"01", false}, {"on", false}, {"2", false}};
    for (const auto &[text, on] : rows)
        EXPECT_EQ(storedSoundOn(QString::fromLatin1(text)), on) << '"' << text << '"';
    EXPECT_EQ(std::pair(soundOnText(true), soundOnText(false)), std::pair(QStringLiteral("1"), QStringLiteral("0")));
}
