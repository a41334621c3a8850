// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include "platform/profilefile.h"

#include <QString>

// The only access to the settings file "KVZ.ini". A read that cannot be done
// gives "", a write that cannot be done is dropped, both without a word (a
// link to another user's file is the exception: see profilefile.h).
// A write that finds the file locked by another running game is kept here,
// read back by this object's reads, and retried with the next write and by
// finishWrites; once one write has found the file locked, later ones do not
// wait for the lock again until the pending ones are written. Only what is
// still locked out when the program ends is lost, with one line on stderr.
//
// Where the file lives is worked out afresh on every access: in `directory`
// when one is given, else in $MARVOLT_INI_DIR when that is set, else beside
// the executable when a "KVZ.ini" or the marker "marvolt.portable" is already
// there (the build writes the marker beside the program it builds; installing
// never copies it), else in $XDG_CONFIG_HOME/marvolt (default
// ~/.config/marvolt), created on the first write. The file there is read and
// parsed again only when it changed, so an edit made outside the game is seen
// by the next access and a big file costs one read for each change.
class Settings
{
public:
    // `executableDirectory` stands in for the executable's own directory
    // (tests); empty means the real one.
    explicit Settings(QString directory = {}, QString executableDirectory = {});

    QString ReadIniValue(const QString &section, const QString &key) const;
    void WriteIniValue(const QString &section, const QString &key, const QString &value);
    // Writes what is pending; true when nothing is left.
    bool retryPendingWrites();
    // The last chance before the program ends: what still cannot be written
    // is lost, with one line on standard error.
    void finishWrites();

    // The game history's file, "history.sqlite": beside the settings file
    // when `directory`, $MARVOLT_INI_DIR or the executable's folder holds
    // that, else in $XDG_DATA_HOME/marvolt (default ~/.local/share/marvolt).
    QString historyFilePath() const;
    // The folder that holds (or will hold) the settings file, absolute, with
    // links resolved where it exists: one game runs for each.
    QString settingsFolder() const;

private:
    struct Location
    {
        QString path;
        bool perUser = false;  // the per-user directory is created on first write
    };
    Location currentLocation() const;

    QString directory_;
    QString executableDirectory_;
    mutable profile::CachedProfile profile_;
    profile::Assignments pending_;  // in the order written
};
