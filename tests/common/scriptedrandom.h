#pragma once
#include "platform/random.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

// Replaces Rnd() for one scope with scripted draws; with `repeat` the last
// draw is returned for ever, otherwise running past the script fails the test.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::vector<double> draws, bool repeat = false)
        : draws_(std::move(draws)), repeat_(repeat)
    {
        SetRandomSource([this]() -> double {
            if (used_ < draws_.size() || (repeat_ && !draws_.empty()))
                return draws_[std::min(used_++, draws_.size() - 1)];
            ADD_FAILURE() << "more random draws than the " << draws_.size() << " scripted";
            return 0.0;
        });
    }
    ~ScriptedRandom() { SetRandomSource({}); }
    ScriptedRandom(const ScriptedRandom &) = delete;
    ScriptedRandom &operator=(const ScriptedRandom &) = delete;
    size_t used() const { return used_; }

private:
    std::vector<double> draws_;
    bool repeat_;
    size_t used_ = 0;
};
