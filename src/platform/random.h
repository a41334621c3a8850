#pragma once
#include <QtGlobal>
#include <functional>

// Uniform random numbers in [0, 1). The generator is seeded from the time of
// day at start-up; tests seed it or replace the whole source with scripted
// draws (an empty function restores the generator).
double Rnd();
void SeedRandom(quint32 seed);
void SeedRandomFromTimeOfDay();
void SetRandomSource(std::function<double()> source);
