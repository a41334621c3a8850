// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

// The only access to the settings file "KVZ.ini". Failures are silent: a
// read that cannot be done gives "", a write that cannot be done is dropped.
//
// Where the file lives is worked out afresh on every access: in `directory`
// when one is given, else in $MARVOLT_INI_DIR when that is set, else beside
// the executable when a "KVZ.ini" or the marker "marvolt.portable" is already
// there (the build writes the marker beside the program it builds; installing
// never copies it), else in $XDG_CONFIG_HOME/marvolt (default
// ~/.config/marvolt), created on the first write.
class Settings
{
public:
    // `executableDirectory` stands in for the executable's own directory
    // (tests); empty means the real one.
    explicit Settings(QString directory = {}, QString executableDirectory = {});

    QString ReadIniValue(const QString &section, const QString &key) const;
    void WriteIniValue(const QString &section, const QString &key, const QString &value) const;

    QString SettingsFilePath() const;

private:
    struct Location
    {
        QString path;
        bool perUser = false;  // the per-user directory is created on first write
    };
    Location CurrentLocation() const;

    QString directory_;
    QString executableDirectory_;
};
