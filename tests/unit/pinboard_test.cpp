// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "lane/framelabel.h"
#include "lane/pinboardsequence.h"
#include "unit/rackstates.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace {

// Steps as text: "L3+30" lamp 3 lit then 30 ms, "M0-" mark 0 hidden, "P250"
// a pause of 250 ms.
std::string Steps(const BoardSequence &steps)
{
    std::string out;
    for (const BoardStep &s : steps) {
        if (s.what == BoardStep::What::Pause)
            out += "P";
        else
            out += (s.what == BoardStep::What::Lamp ? "L" : "M") + std::to_string(s.index) + (s.on ? "+" : "-");
        out += (s.pauseMs ? std::to_string(s.pauseMs) : "") + " ";
    }
    return out;
}

TEST(PinBoard, LampsFollowTheStandingPins)
{
    // Lamp i shows pin i + 1. Clearing steps once more through the standing
    // pins' lamps, 30 ms each, and leaves them dark.
    const std::string allDark = "L0-5 L1-5 L2-5 L3-5 L4-5 L5-5 L6-5 L7-5 L8-5 L9-5 ";
    // clang-format off
    const struct { const char *name, *rack; std::string light, darken, clear; } rows[] = {
        {"OneSevenTenLeft", "0111110110", "L0+30 L6+30 L9+30 ", "L1-5 L2-5 L3-5 L4-5 L5-5 L7-5 L8-5 P250 ", allDark + "L0-30 L6-30 L9-30 "},
        {"AllDownThisBallOrEarlier", "2221111111", "", allDark + "P250 ", allDark},
    };
    // clang-format on
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Rack rack;
        SetRack(rack, r.rack);
        EXPECT_EQ(Steps(LightStandingPins(rack)), r.light);
        EXPECT_EQ(Steps(DarkenFelledPins(rack)), r.darken);
        EXPECT_EQ(Steps(ClearLamps(rack)), r.clear);
    }
}

// Played on a board whose marks start as given: the marks seen during each
// pause ("2@200": the strike mark for 200 ms), then "|" and the marks left.
std::string Seen(const BoardSequence &steps, std::string shown)
{
    std::string out;
    for (const BoardStep &s : steps) {
        const char mark = static_cast<char>('0' + s.index);
        if (s.what == BoardStep::What::Mark && s.on && shown.find(mark) == std::string::npos)
            shown += mark;
        else if (s.what == BoardStep::What::Mark && !s.on && shown.find(mark) != std::string::npos)
            shown.erase(shown.find(mark), 1);
        if (s.pauseMs)
            out += shown + "@" + std::to_string(s.pauseMs) + " ";
    }
    return out + "|" + shown;
}

TEST(PinBoard, TheLastMarkBlinksThreeTimesThenEveryMarkGoes)
{
    // clang-format off
    const struct { const char *name; PinMark mark; const char *shown, *seen; } rows[] = {
        {"OrdinaryBall", PinMark::None, "", "@600 |"},
        {"Spare", PinMark::Spare, "1", "1@200 0@200 1@200 0@200 1@200 0@200 1@600 |"},
        {"Strike", PinMark::Strike, "2", "2@200 0@200 2@200 0@200 2@200 0@200 2@600 |"},
        {"StaleMarksAreCleared", PinMark::None, "012", "012@600 |"},
    };
    // clang-format on
    for (const auto &r : rows)
        EXPECT_EQ(Seen(BlinkMark(r.mark), r.shown), r.seen) << r.name;
}

TEST(PinBoard, FrameLabelStaysAtTenForBonusBalls)
{
    const QString nine = QStringLiteral("9-").repeated(9);
    EXPECT_EQ(QStringList({frameLabelFor(""), frameLabelFor("! 9"), frameLabelFor(nine.left(16)), frameLabelFor(nine),
                           frameLabelFor(nine + "!!")}),
              QStringList({"F-01", "F-02", "F-09", "F-10", "F-10"}));
}

}  // namespace
