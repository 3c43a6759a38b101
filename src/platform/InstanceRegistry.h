#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// Tells whether another instance of the program runs for the same user.
//
// Every instance holds its own lock file in a per-user directory, so a third
// instance still sees the second after the first has ended. A lock left behind
// by an instance that was killed names a process that no longer exists;
// QLockFile recognises it as stale and it is removed on the next look.
//
// Where no lock can be taken at all, the check says so once on standard error
// and reports no other instance: the program runs on without it.
class InstanceRegistry final
{
public:
    // The registrations go to defaultDirectory(), looked up on first use:
    // on Windows and macOS it depends on the program's name, which is given
    // after start-up, and a run that only answers --version makes no folder.
    InstanceRegistry() = default;
    explicit InstanceRegistry(QString directory);
    ~InstanceRegistry();
    Q_DISABLE_COPY_MOVE(InstanceRegistry)

    // Registers this instance (once) and reports whether any other registered
    // instance is still alive.
    bool anotherInstanceRunning();

    // Drops this instance's registration, for an exit that skips destructors.
    void release();

    // The per-user folder of the registrations: the runtime folder on Linux
    // and other Unix systems, the program's local data folder on Windows and
    // macOS. Where that cannot be used, a private folder (owner only) under
    // the temporary location; empty when even that cannot be had.
    static QString defaultDirectory();

private:
    QString ownLockPath() const;

    void warnOnce(const QString &reason);

    std::optional<QString> directory_;
    std::unique_ptr<QLockFile> ownLock_;
    bool warned_ = false;
};
