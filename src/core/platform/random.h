// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>
#include <functional>
#include <random>

// Uniform random numbers in [0, 1). The program seeds the generator from the
// time of day at start-up; tests seed it or replace it with scripted draws.
class Random
{
public:
    double rnd();
    void setSeed(quint32 seed) { engine_.seed(seed); }
    void seedFromTimeOfDay();
    // Draws come from `source` instead of the generator; an empty function
    // restores the generator.
    void setSource(std::function<double()> source) { source_ = std::move(source); }

private:
    std::mt19937 engine_{5489u};
    std::function<double()> source_;
};
