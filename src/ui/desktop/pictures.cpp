// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/pictures.h"

#include <QPixmapCache>

namespace {
QString path(const char *name) { return QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name)); }
}  // namespace

QPixmap pictureNamed(const char *name)
{
    const QString key = path(name);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(key);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QImage pictureImage(const char *name) { return QImage(path(name)); }

QIcon programIcon() { return QIcon(pictureNamed("icon")); }
