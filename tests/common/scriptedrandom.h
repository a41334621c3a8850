#pragma once
#include "platform/random.h"

#include <gtest/gtest.h>
#include <vector>

// Replaces Rnd() for one test with a fixed list of draws, or with one value
// repeated. Running past the end of the list fails the test.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::vector<double> draws) : draws_(std::move(draws))
    {
        SetRandomSource([this] {
            if (used_ < draws_.size())
                return draws_[used_++];
            ADD_FAILURE() << "more random draws than scripted (" << draws_.size() << ")";
            return 0.0;
        });
    }
    static ScriptedRandom repeating(double value) { return ScriptedRandom(value, RepeatTag{}); }
    ~ScriptedRandom() { SetRandomSource({}); }
    ScriptedRandom(const ScriptedRandom &) = delete;
    ScriptedRandom &operator=(const ScriptedRandom &) = delete;

    size_t used() const { return used_; }

private:
    struct RepeatTag {};
    ScriptedRandom(double value, RepeatTag)
    {
        SetRandomSource([this, value] {
            ++used_;
            return value;
        });
    }
    std::vector<double> draws_;
    size_t used_ = 0;
};
