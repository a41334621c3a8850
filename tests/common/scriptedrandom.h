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
    ScriptedRandom(Random &random, std::vector<double> draws, bool repeat = false)
        : random_(random), draws_(std::move(draws)), repeat_(repeat)
    {
        random_.setSource([this]() -> double {
            if (used_ < draws_.size() || (repeat_ && !draws_.empty()))
                return draws_[std::min(used_++, draws_.size() - 1)];
            ADD_FAILURE() << "more random draws than the " << draws_.size() << " scripted";
            return 0.0;
        });
    }
    ~ScriptedRandom() { random_.setSource({}); }
    ScriptedRandom(const ScriptedRandom &) = delete;
    ScriptedRandom &operator=(const ScriptedRandom &) = delete;
    size_t used() const { return used_; }

private:
    Random &random_;
    std::vector<double> draws_;
    bool repeat_;
    size_t used_ = 0;
};
