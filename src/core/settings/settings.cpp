// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "settings/settings.h"

#include "platform/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr char kFileName[] = "KVZ.ini";
constexpr char kPortableMarker[] = "marvolt.portable";
constexpr char kDirectoryVariable[] = "MARVOLT_INI_DIR";
constexpr char kConfigHomeVariable[] = "XDG_CONFIG_HOME";
constexpr char kDefaultConfigHome[] = ".config";  // below the home directory
constexpr char kHistoryFileName[] = "history.sqlite";
constexpr char kDataHomeVariable[] = "XDG_DATA_HOME";
constexpr char kDefaultDataHome[] = ".local/share";  // below the home directory
constexpr char kPerUserSubdirectory[] = "marvolt";
constexpr char kNul = '\0';
constexpr std::chrono::milliseconds kNoWait{0};

// A copy that keeps its settings beside itself: a build folder (marked by the
// build) or a folder the player already keeps a KVZ.ini in.
bool keepsSettingsBeside(const QDir &dir)
{
    return dir.exists(QLatin1String(kFileName)) || dir.exists(QLatin1String(kPortableMarker));
}

// The program's folder in an XDG base directory: $variable, or the default
// below the home directory when that is unset or relative.
QString perUserDirectory(const char *variable = kConfigHomeVariable,
                         const char *defaultBase = kDefaultConfigHome)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::home().filePath(QLatin1String(defaultBase));
    return QDir(base).filePath(QLatin1String(kPerUserSubdirectory));
}

// Text reaches the file as a C string would: it ends at its first NUL.
QByteArray upToNul(QByteArray bytes)
{
    const qsizetype nul = bytes.indexOf(kNul);
    if (nul >= 0)
        bytes.truncate(nul);
    return bytes;
}

QByteArray toFileText(const QString &text) { return upToNul(text.toUtf8()); }

}  // namespace

Settings::Settings(QString directory, QString executableDirectory)
    : directory_(std::move(directory)), executableDirectory_(std::move(executableDirectory))
{
}

Settings::Location Settings::currentLocation() const
{
    QString dir = directory_;
    if (dir.isEmpty())
        dir = qEnvironmentVariable(kDirectoryVariable);
    if (!dir.isEmpty())
        return {QDir(dir).filePath(QLatin1String(kFileName)), false};
    const QString beside = executableDirectory_.isEmpty() ? QCoreApplication::applicationDirPath()
                                                          : executableDirectory_;
    if (keepsSettingsBeside(QDir(beside)))
        return {QDir(beside).filePath(QLatin1String(kFileName)), false};
    return {QDir(perUserDirectory()).filePath(QLatin1String(kFileName)), true};
}

QString Settings::ReadIniValue(const QString &section, const QString &key) const
{
    const profile::ProfileIndex &file = profile_.load(currentLocation().path);
    const QByteArray sectionText = toFileText(section);
    const QByteArray keyText = toFileText(key);
    const QByteArray value = pending_.isEmpty()
                                 ? file.value(sectionText, keyText)
                                 : profile::lookupValue(file.withValues(pending_), sectionText, keyText);
    // Only spaces: a tab kept inside quotes in the file stays part of the value.
    return QString::fromUtf8(profile::withoutOuterSpaces(upToNul(value)));
}

void Settings::WriteIniValue(const QString &section, const QString &key, const QString &value)
{
    const profile::Assignment write{toFileText(section), toFileText(key), toFileText(value)};
    pending_.removeIf([&write](const profile::Assignment &a) { return profile::sameKey(a, write); });
    const bool lockedBefore = !pending_.isEmpty();
    pending_.append(write);
    const Location location = currentLocation();
    if (location.perUser)
        QDir().mkpath(QFileInfo(location.path).path());
    // A lock another game held a moment ago is not waited for again.
    const auto wait = lockedBefore ? kNoWait : profile::kLockWait;
    if (profile_.write(location.path, pending_, wait) != profile::WriteResult::Busy)
        pending_.clear();
}

bool Settings::retryPendingWrites()
{
    if (!pending_.isEmpty() &&
        profile_.write(currentLocation().path, pending_) != profile::WriteResult::Busy)
        pending_.clear();
    return pending_.isEmpty();
}

void Settings::finishWrites()
{
    if (!retryPendingWrites())
        std::fprintf(stderr, "marvolt: %s stayed locked by another program; %lld setting(s) not saved\n",
                     qUtf8Printable(QDir::toNativeSeparators(currentLocation().path)),
                     static_cast<long long>(pending_.size()));
}

QString Settings::historyFilePath() const
{
    const Location location = currentLocation();
    const QString folder = location.perUser ? perUserDirectory(kDataHomeVariable, kDefaultDataHome)
                                            : QFileInfo(location.path).path();
    return QDir(folder).filePath(QLatin1String(kHistoryFileName));
}

QString Settings::settingsFolder() const
{
    const QFileInfo folder(QFileInfo(currentLocation().path).absolutePath());
    return folder.exists() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath());
}
