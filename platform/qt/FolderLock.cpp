// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "platform/qt/FolderLock.h"

#include <QDir>
#include <QLockFile>

namespace platform::qt {

FolderLock::FolderLock(const QString &dataDir)
{
    if (!dataDir.isEmpty())
        m_lock = std::make_unique<QLockFile>(QDir(dataDir).filePath(QLatin1String(kFileName)));
}

FolderLock::~FolderLock() = default;

FolderLock::Result FolderLock::acquire()
{
    if (!m_lock)
        return Result::Unavailable;
    // Never stale by age: a converter runs for weeks. Only a holder that no longer runs loses it.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Acquired;
    if (m_lock->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    qint64 pid = 0;
    QString host;
    QString app;
    m_holder = m_lock->getLockInfo(&pid, &host, &app) ? pid : 0;
    return Result::HeldByAnother;
}

} // namespace platform::qt
