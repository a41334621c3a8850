#pragma once
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>

// Points the settings file at a fresh temporary directory for one test.
class TempSettings
{
public:
    TempSettings() { SetSettingsDirectory(dir_.path()); }
    ~TempSettings() { SetSettingsDirectory(QString()); }
    QString path() const { return dir_.filePath(QStringLiteral("KVZ.ini")); }
    QString dir() const { return dir_.path(); }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray &content) const
    {
        QFile f(path());
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(content);
    }

private:
    QTemporaryDir dir_;
};
