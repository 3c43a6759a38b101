#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Tells whether another instance of the program runs for the same user.
//
// Every instance holds its own lock file in a per-user directory, so a third
// instance still sees the second after the first has ended. A lock left behind
// by an instance that was killed names a process that no longer exists;
// QLockFile recognises it as stale and it is removed on the next look.
class InstanceRegistry final
{
public:
    explicit InstanceRegistry(QString directory = defaultDirectory());
    ~InstanceRegistry();
    Q_DISABLE_COPY_MOVE(InstanceRegistry)

    // Registers this instance (once) and reports whether any other registered
    // instance is still alive.
    bool anotherInstanceRunning();

    // Drops this instance's registration, for an exit that skips destructors.
    void release();

    static QString defaultDirectory();

private:
    QString ownLockPath() const;

    QString directory_;
    std::unique_ptr<QLockFile> ownLock_;
};
