// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

// A picture of the game's artwork by name: ":/assets/<name>.xpm". Pixmaps
// are loaded once and kept in the application's pixmap cache.
QPixmap pictureNamed(const char *name);
QImage pictureImage(const char *name);

// The application's icon (also the About box's picture).
QIcon programIcon();
