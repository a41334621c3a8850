// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/steadyicons.h"

#include <QApplication>
#include <QWidget>

SteadyIconStyle::SteadyIconStyle(QStyle *base) : QProxyStyle(base) {}

// Only icons asked without an option are kept: an option may carry state
// the base style draws from. The layout direction picks mirrored arrows.
QIcon SteadyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                    const QWidget *widget) const
{
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection()
                                                 : QGuiApplication::layoutDirection();
    const int key = int(icon) * 2 + (direction == Qt::RightToLeft ? 1 : 0);
    auto kept = icons_.constFind(key);
    if (kept == icons_.constEnd())
        kept = icons_.insert(key, QProxyStyle::standardIcon(icon, option, widget));
    return *kept;
}

void installSteadyIcons()
{
    if (!dynamic_cast<SteadyIconStyle *>(QApplication::style()))
        QApplication::setStyle(new SteadyIconStyle(QApplication::style()));
}
