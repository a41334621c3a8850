// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QMargins>
#include <QRect>

// Where a window stands wholly on a screen's usable area: the rectangle
// moved as little as it must, and cut to the area where it is wider or
// taller. An empty area (no screen known) leaves the rectangle as it is.
QRect fittedInto(const QRect &rect, const QRect &area);

// The same for a window with a frame around it: `client` is the window's own
// area, `frame` the window manager's border around it; the frame stands on
// the area and the client area inside it is returned.
QRect clientFittedInto(const QRect &client, const QMargins &frame, const QRect &area);
