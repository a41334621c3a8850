#include "platform/pictures.h"

#include <QHash>
#include <QImage>

QPixmap Picture(const char *name)
{
    static QHash<QByteArray, QPixmap> cache;
    const QByteArray key(name);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, QPixmap(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name))));
    return *it;
}

QImage PictureImage(const char *name)
{
    return QImage(QStringLiteral(":/assets/%1.xpm").arg(QLatin1String(name)));
}
