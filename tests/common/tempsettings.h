// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>

// A settings file in a fresh temporary directory for one test.
class TempSettings
{
public:
    QString path() const { return dir_.filePath(QStringLiteral("KVZ.ini")); }
    QString dir() const { return dir_.path(); }
    Settings &settings() { return settings_; }
    QString read(const QString &section, const QString &key) const { return settings_.ReadIniValue(section, key); }
    void set(const QString &section, const QString &key, const QString &value) { settings_.WriteIniValue(section, key, value); }
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
    Settings settings_{dir_.path()};
};
