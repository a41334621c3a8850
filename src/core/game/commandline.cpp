// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "game/commandline.h"

#include <array>

namespace {

struct Switch
{
    const char *text;  // upper case
    CommandLineSwitches flags;
};

constexpr std::array<Switch, 4> kSwitches = {{
    {"-X", {true, true}},
    {"/X", {true, true}},
    {"-D", {true, false}},
    {"/D", {true, false}},
}};

}  // namespace

CommandLineSwitches parseCommandLine(const QString &args)
{
    const QString upper = args.toUpper();
    for (const Switch &s : kSwitches) {
        if (upper == QLatin1String(s.text))
            return s.flags;
    }
    return {};
}
