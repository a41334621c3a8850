// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "platform/random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

// Replaces a random source's draws for one scope with scripted ones; with
// `repeat` the last draw is returned for ever, otherwise running past the
// script fails the test.
class ScriptedRandom
{
public:
    ScriptedRandom(Random &random, std::vector<double> draws, bool repeat = false) : random_(random)
    {
        random_.setSource([this, draws = std::move(draws), repeat]() -> double {
            if (used_ < draws.size() || (repeat && !draws.empty()))
                return draws[std::min(used_++, draws.size() - 1)];
            ADD_FAILURE() << "more random draws than the " << draws.size() << " scripted";
            return 0.0;
        });
    }
    ~ScriptedRandom() { random_.setSource({}); }
    ScriptedRandom(const ScriptedRandom &) = delete;
    size_t used() const { return used_; }

private:
    Random &random_;
    size_t used_ = 0;
};
