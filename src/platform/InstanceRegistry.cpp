#include "InstanceRegistry.h"

#include "base/VersionRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

InstanceRegistry::InstanceRegistry(QString directory)
    : directory_(std::move(directory))
{
}

InstanceRegistry::~InstanceRegistry()
{
    release();
}

namespace {

// The registry's folder, named after the program: "<program>-instances", with
// "-<user id>" added where the folder above is shared by all users.
QString registryFolderName()
{
    return QString::fromLatin1(VersionRecord::ProgramName) + u"-instances"_s;
}

// A folder this user can create files in, made if missing.
bool usableFolder(const QString &path)
{
    QDir().mkpath(path);
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions OthersAccess = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                | QFileDevice::WriteOther | QFileDevice::ExeOther;

bool ownedPrivateFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() && info.ownerId() == uint(::geteuid())
        && (info.permissions() & OthersAccess) == 0;
}

// XDG_RUNTIME_DIR where it is the private folder it should be. Read here
// rather than through QStandardPaths, which would repeat on standard error
// the warning Qt has already given at start-up when it is missing or unfit.
QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && ownedPrivateFolder(runtime) ? runtime : QString();
}
#endif

// A folder of this user's own under the temporary location, owner only. One
// that someone else made or opened up is not used.
QString privateTemporaryFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString path = QDir::tempPath() + u'/' + registryFolderName() + u'-' + QString::number(::geteuid());
    if (!QFileInfo::exists(path))
        QDir().mkdir(path, OwnerOnly);
    return ownedPrivateFolder(path) && usableFolder(path) ? path : QString();
#else
    // The temporary folder of Windows and macOS is the user's own already.
    const QString path = QDir::tempPath() + u'/' + registryFolderName();
    return usableFolder(path) ? path : QString();
#endif
}

#if !defined(Q_OS_WIN)
// How long an instance may take from making its lock file to locking it.
constexpr qint64 RegistrationMs = 2000;

// A lock file that names no process, as an instance leaves that was killed
// between making the file and writing its process id into it (also while
// taking over another's leftover). QLockFile cannot tell whose it is and
// would count it as alive for good, so that every later start saw another
// instance. It is a leftover where nobody holds its lock and it is older
// than a registration takes; it is removed while this process holds the
// lock, so that no instance takes it meanwhile.
bool removedUnreadableLeftover(const QString &path)
{
    QLockFile reader(path);
    qint64 pid = 0;
    QString hostName;
    QString application;
    if (reader.getLockInfo(&pid, &hostName, &application))
        return false;
    const QFileInfo info(path);
    if (!info.exists() || info.lastModified().msecsTo(QDateTime::currentDateTime()) < RegistrationMs)
        return false;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}
#endif

} // namespace

QString InstanceRegistry::defaultDirectory()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The runtime folder belongs to the user alone, which makes the
    // registry per user.
    const QString runtime = runtimeFolder();
    if (!runtime.isEmpty() && usableFolder(runtime + u'/' + registryFolderName()))
        return runtime + u'/' + registryFolderName();
#else
    // Qt's runtime location there is the home folder or a shared one.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!local.isEmpty() && usableFolder(local + u"/instances"_s))
        return local + u"/instances"_s;
#endif
    return privateTemporaryFolder();
}

void InstanceRegistry::warnOnce(const QString &reason)
{
    if (warned_)
        return;
    warned_ = true;
    std::fprintf(stderr, "%s: %s; another instance of the program will not be noticed.\n",
                 VersionRecord::ProgramName, qPrintable(reason));
    std::fflush(stderr);
}

QString InstanceRegistry::ownLockPath() const
{
    return *directory_ + u"/instance-"_s + QString::number(QCoreApplication::applicationPid()) + u".lock"_s;
}

bool InstanceRegistry::anotherInstanceRunning()
{
    if (!directory_)
        directory_ = defaultDirectory();
    if (directory_->isEmpty()) {
        warnOnce(u"no private folder for instance locks"_s);
        return false;
    }
    QDir dir(*directory_);
    if (!dir.exists())
        dir.mkpath(u"."_s);

    if (!ownLock_) {
        // No two running processes share an id, so a lock file under this
        // one's id was left by an ended process. Windows hands freed ids out
        // again, and Wine at once; as it names a live process of the same
        // program, QLockFile would take it for held.
        QFile::remove(ownLockPath());
        ownLock_ = std::make_unique<QLockFile>(ownLockPath());
        ownLock_->setStaleLockTime(0);
        if (!ownLock_->tryLock(0)) {
            ownLock_.reset();
            warnOnce(u"cannot take an instance lock in "_s + QDir::toNativeSeparators(*directory_));
            return false;
        }
    }

    bool othersAlive = false;
    const QStringList entries = dir.entryList({u"instance-*.lock"_s}, QDir::Files);
    for (const QString &entry : entries) {
        const QString path = dir.filePath(entry);
        if (ownLock_ && path == ownLockPath())
            continue;
#if defined(Q_OS_WIN)
        // A running instance holds its lock file open, and Windows deletes
        // no open file: one that can be deleted is a leftover, whatever
        // process now has the id written in it.
        if (!QFile::remove(path))
            othersAlive = true;
#else
        QLockFile other(path);
        other.setStaleLockTime(0);
        if (other.tryLock(0)) {
            // Nobody holds it: a leftover of an instance that ended without
            // tidying up. Taking the lock removed the stale file; let go again.
            other.unlock();
            QFile::remove(path);
        } else if (other.error() == QLockFile::LockFailedError && !removedUnreadableLeftover(path)) {
            othersAlive = true;
        }
#endif
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
