// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QString>

#include <chrono>

namespace profile {

// An exclusive kernel advisory lock (flock) on a lock file, held for the
// lifetime of the object. The kernel drops it when its holder closes the file
// or dies, so a crashed game never blocks the next one and what the lock file
// contains means nothing. Waiting polls for at most `wait`.
class ProfileLock
{
public:
    ProfileLock(const QString &lockPath, std::chrono::milliseconds wait);
    ~ProfileLock();
    ProfileLock(const ProfileLock &) = delete;
    ProfileLock &operator=(const ProfileLock &) = delete;

    bool held() const { return held_; }
    // Another process holds it (as opposed to a lock file that cannot be made).
    bool busy() const { return fd_ >= 0 && !held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace profile
