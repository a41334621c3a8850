#pragma once
#include <QString>

// The only access to the settings file "KVZ.ini". Failures are silent: a
// read that cannot be done gives "", a write that cannot be done is dropped.
QString ReadIniValue(const QString &section, const QString &key);
void WriteIniValue(const QString &section, const QString &key, const QString &value);

// Where KVZ.ini lives: beside the executable when that directory can be
// written, else $XDG_CONFIG_HOME/marvolt (default ~/.config/marvolt).
// Computed afresh on every access. MARVOLT_INI_DIR, or SetSettingsDirectory,
// names a directory to use instead (tests; an empty string clears it).
QString SettingsFilePath();
void SetSettingsDirectory(const QString &dir);

// Tests only: the directory taken as the executable's when deciding where
// KVZ.ini lives; an empty string restores the real one.
void SetExecutableDirectoryForTesting(const QString &dir);
