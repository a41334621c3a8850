// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <cstddef>

// The windows work in logical pixels. Twips, 15 to a logical pixel, are
// only the written form of a few layouts (kept in that form as tables and
// converted here at compile time) and of the score sheet's place in KVZ.ini.
constexpr int kTwipsPerPixel = 15;

// The nearest pixel, a half away from zero (15 is odd, so no twips value
// lies half-way).
constexpr int fromTwips(int twips)
{
    return twips < 0 ? -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel)
                     : (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr QPoint fromTwips(QPoint twips) { return {fromTwips(twips.x()), fromTwips(twips.y())}; }
constexpr QSize fromTwips(QSize twips) { return {fromTwips(twips.width()), fromTwips(twips.height())}; }
// Left, top, width and height each converted, as the layouts give them.
constexpr QRect fromTwips(QRect twips) { return {fromTwips(twips.topLeft()), fromTwips(twips.size())}; }

template <typename T, std::size_t N>
constexpr std::array<T, N> fromTwips(const T (&twips)[N])
{
    std::array<T, N> pixels{};
    for (std::size_t i = 0; i < N; ++i)
        pixels[i] = fromTwips(twips[i]);
    return pixels;
}
