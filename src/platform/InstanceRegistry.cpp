#include "InstanceRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

InstanceRegistry::InstanceRegistry(QString directory)
    : directory_(std::move(directory))
{
}

InstanceRegistry::~InstanceRegistry()
{
    release();
}

QString InstanceRegistry::defaultDirectory()
{
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt names the home folder instead); the
    // user's temporary folder (%TEMP%, in the user's profile) is private to
    // the user and meant for such files.
    return QDir::tempPath() + u"/kintroa-instances"_s;
#else
    // The runtime location is private to the user (XDG_RUNTIME_DIR, or a
    // per-user folder that Qt creates), which makes the registry per user.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + u"/kintroa-instances"_s;
#endif
}

QString InstanceRegistry::ownLockPath() const
{
    return directory_ + u"/instance-"_s + QString::number(QCoreApplication::applicationPid()) + u".lock"_s;
}

bool InstanceRegistry::anotherInstanceRunning()
{
    QDir dir(directory_);
    if (!dir.exists())
        dir.mkpath(u"."_s);

    if (!ownLock_) {
        ownLock_ = std::make_unique<QLockFile>(ownLockPath());
        ownLock_->setStaleLockTime(0);
        if (!ownLock_->tryLock(0))
            ownLock_.reset();
    }

    bool othersAlive = false;
    const QStringList entries = dir.entryList({u"instance-*.lock"_s}, QDir::Files);
    for (const QString &entry : entries) {
        const QString path = dir.filePath(entry);
        if (ownLock_ && path == ownLockPath())
            continue;
        QLockFile other(path);
        other.setStaleLockTime(0);
        if (other.tryLock(0)) {
            // Nobody holds it: a leftover of an instance that ended without
            // tidying up. Taking the lock removed the stale file; let go again.
            other.unlock();
            QFile::remove(path);
        } else if (other.error() == QLockFile::LockFailedError) {
            othersAlive = true;
        }
    }
    return othersAlive;
}

void InstanceRegistry::release()
{
    if (ownLock_) {
        ownLock_->unlock();
        ownLock_.reset();
    }
}
