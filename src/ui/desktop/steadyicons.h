// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// Wraps the style in force and hands out the same standard icon every time
// one is asked for. Every box the game shows asks for its button icons
// afresh; a fresh icon is a fresh key in the pixmap cache, so each box would
// leave copies of its icons there that no later box finds.
class SteadyIconStyle : public QProxyStyle
{
public:
    // Takes ownership of base.
    explicit SteadyIconStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> icons_;
};

// Puts SteadyIconStyle around the application's style (the one chosen with
// -style or the desktop's), once.
void installSteadyIcons();
