// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/commandline.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, MustBeExactlyOneSwitch)
{
    // clang-format off
    const struct { const char *args; bool debugMode, scoreSheetOnly; } rows[] = {
        {"-x", true, true}, {"/X", true, true}, {"-X extra", false, false}, {"", false, false},
        {"-D", true, false}, {"/d", true, false}, {"-Y", false, false}};
    // clang-format on
    for (const auto &r : rows) {
        const CommandLineSwitches s = parseCommandLine(QString::fromLatin1(r.args));
        EXPECT_EQ(std::pair(s.debugMode, s.scoreSheetOnly), std::pair(r.debugMode, r.scoreSheetOnly)) << '"' << r.args << '"';
    }
}

}  // namespace
