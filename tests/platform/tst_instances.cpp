#include "platform/InstanceRegistry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <sys/file.h>
#include <unistd.h>
#endif

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

// Instance detection with real processes: each probe is a separate process
// that registers itself and reports whether it saw another live instance.
// Every case has a runtime folder of its own, and its probes have ended
// before the next case begins.
class InstanceTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> runtime_;
    std::vector<std::unique_ptr<QProcess>> running_;

    QString registrations() const
    {
        return runtime_->filePath(u"kintroa-instances"_s);
    }

    QProcess *start(const QString &mode, QString *answer)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime_->path());
        return start(mode, answer, env);
    }

    QProcess *start(const QString &mode, QString *answer, const QProcessEnvironment &env)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_PROBE), {mode});
        if (!process->waitForStarted(10000) || !process->waitForReadyRead(10000)) {
            // Say why, or a rare failure under Wine stays a bare "returned FALSE".
            qWarning("the probe gave no answer: %s, state %d, exit code %d, errors: %s",
                     qPrintable(process->errorString()), int(process->state()), process->exitCode(),
                     process->readAllStandardError().constData());
            return nullptr;
        }
        *answer = QString::fromLatin1(process->readLine()).trimmed();
        running_.push_back(std::move(process));
        return running_.back().get();
    }

    static void end(QProcess *process)
    {
        process->closeWriteChannel();
        QVERIFY(process->waitForFinished(10000));
    }

private Q_SLOTS:
    void init()
    {
        runtime_ = std::make_unique<QTemporaryDir>();
        QVERIFY(runtime_->isValid());
    }

    void cleanup()
    {
        bool allEnded = true;
        for (auto &process : running_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                allEnded = process->waitForFinished(30000) && allEnded;
            }
        }
        running_.clear();
        runtime_.reset();
        QVERIFY2(allEnded, "a probe did not end when killed");
    }

    void shouldSeeALiveInstanceButNotAnEndedOne()
    {
        QString answer;
        QProcess *first = start(u"hold"_s, &answer);
        QVERIFY(first);
        QCOMPARE(answer, u"none"_s);

        QProcess *second = start(u"hold"_s, &answer);
        QVERIFY(second);
        QCOMPARE(answer, u"other"_s);

        // The third still sees the second after the first has gone.
        end(first);
        QVERIFY(start(u"hold"_s, &answer));
        QCOMPARE(answer, u"other"_s);
    }

    void shouldForgetAnInstanceThatWasKilled()
    {
        QString answer;
        QProcess *victim = start(u"hold"_s, &answer);
        QVERIFY(victim);
        QCOMPARE(answer, u"none"_s);
        victim->kill(); // SIGKILL: no chance to tidy up
        QVERIFY(victim->waitForFinished(10000));

        QProcess *next = start(u"hold"_s, &answer);
        QVERIFY(next);
        QCOMPARE(answer, u"none"_s);
    }

    void shouldEndAtOnceWithStatusZeroAndLeaveNothingBehind()
    {
        QString answer;
        QProcess *quitter = start(u"exit"_s, &answer);
        QVERIFY(quitter);
        // The probe answers and ends at once; waiting for its answer may
        // already have seen it end (so under Wine, now and then), and then
        // waitForFinished() has nothing left to wait for and says false.
        QVERIFY(quitter->state() == QProcess::NotRunning || quitter->waitForFinished(10000));
        QCOMPARE(quitter->exitStatus(), QProcess::NormalExit);
        QCOMPARE(quitter->exitCode(), 0);

        QVERIFY(start(u"hold"_s, &answer));
        QCOMPARE(answer, u"none"_s);
    }

    // What a lock file in the registry means when it cannot be locked: a
    // leftover that names no process (an instance killed between making the
    // file and writing into it) counts for nothing and is removed; one that
    // a process holds, or that is only just being made, is an instance.
    void shouldTellLeftoversFromInstances_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<QString>("answer");
        QTest::newRow("empty, nobody holds it") << false << 60 << u"none"_s;
        QTest::newRow("empty, held by a live process") << true << 60 << u"other"_s;
        QTest::newRow("empty, just made") << false << 0 << u"other"_s;
    }

    void shouldTellLeftoversFromInstances()
    {
#if defined(Q_OS_UNIX)
        QFETCH(bool, held);
        QFETCH(int, ageSeconds);
        QFETCH(QString, answer);
        QVERIFY(QDir().mkpath(registrations()));
        const QString path = QDir(registrations()).filePath(u"instance-2147483000.lock"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        if (held)
            QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);

        QString said;
        QVERIFY(start(u"exit"_s, &said));
        QCOMPARE(said, answer);
        QCOMPARE(QFileInfo::exists(path), answer == u"other"_s);
#else
        QSKIP("Windows deletes no open file, so a leftover is one that can be deleted");
#endif
    }

    // A lock file under this process's own id was left by an ended process
    // that had the same id (Windows and Wine give freed ids out again): it
    // counts as no other instance, and this one registers in its place.
    void shouldTakeOverALeftoverUnderItsOwnProcessId()
    {
        QTemporaryDir folder;
        const QString own = folder.filePath(u"instance-%1.lock"_s.arg(QCoreApplication::applicationPid()));
        QByteArray contents;
        {
            QLockFile original(own);
            QVERIFY(original.tryLock(0));
            QFile file(own);
            QVERIFY(file.open(QIODevice::ReadOnly));
            contents = file.readAll();
        }
        QFile leftover(own);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.write(contents);
        leftover.close();

        InstanceRegistry registry(folder.path());
        QVERIFY(!registry.anotherInstanceRunning());
        registry.release();
        QVERIFY2(!QFileInfo::exists(own), "the registration was not this instance's own");
    }

    // The runtime folder cannot hold the registrations ("blocked": a file
    // stands where the folder would be) or is not the user's private one;
    // the check falls back to a private folder under the temporary location.
    // Where that fails too, it says so once and the program carries on.
    void shouldNeverLoseTheCheckSilently_data()
    {
        QTest::addColumn<QString>("runtime");   // blocked, open to others, unset
        QTest::addColumn<QString>("temporary"); // free, blocked, foreign
        QTest::addColumn<bool>("noticed");
        QTest::newRow("runtime folder blocked") << u"blocked"_s << u"free"_s << true;
        QTest::newRow("runtime folder open to others") << u"open"_s << u"free"_s << true;
        QTest::newRow("no runtime folder") << u"unset"_s << u"free"_s << true;
        QTest::newRow("no folder at all") << u"blocked"_s << u"blocked"_s << false;
        QTest::newRow("fallback folder of another user") << u"blocked"_s << u"foreign"_s << false;
    }

    void shouldNeverLoseTheCheckSilently()
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        QFETCH(QString, runtime);
        QFETCH(QString, temporary);
        QFETCH(bool, noticed);

        QTemporaryDir runtimeDir;
        QTemporaryDir temporaryDir;
        const QString fallback = temporaryDir.filePath(u"kintroa-instances-%1"_s.arg(::geteuid()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"TMPDIR"_s, temporaryDir.path());
        env.remove(u"XDG_RUNTIME_DIR"_s);
        if (runtime != u"unset"_s)
            env.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir.path());
        if (runtime == u"blocked"_s) {
            QFile blocker(runtimeDir.filePath(u"kintroa-instances"_s));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else if (runtime == u"open"_s) {
            QVERIFY(QFile::setPermissions(runtimeDir.path(), QFileDevice::Permissions(0x7777)));
        }
        if (temporary == u"blocked"_s) {
            QFile blocker(fallback);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else if (temporary == u"foreign"_s) {
            if (::geteuid() != 0)
                QSKIP("only the superuser can give a folder to another user");
            QVERIFY(QDir().mkdir(fallback));
            QCOMPARE(::chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
        }

        QString answer;
        QProcess *first = start(u"hold"_s, &answer, env);
        QVERIFY(first);
        QCOMPARE(answer, u"none"_s);
        QProcess *second = start(u"hold"_s, &answer, env);
        QVERIFY(second);
        QCOMPARE(answer, noticed ? u"other"_s : u"none"_s);

        end(second);
        const QStringList warnings = QString::fromLocal8Bit(second->readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        if (noticed) {
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
            if (runtime != u"blocked"_s)
                QVERIFY(!QFileInfo::exists(runtimeDir.filePath(u"kintroa-instances"_s)));
            const QFileInfo folder(fallback);
            QVERIFY(folder.isDir());
            QCOMPARE(folder.permissions() & ~QFileDevice::Permissions(0x0700),
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            // Said once, though the probe asks twice.
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings.first().contains(u"will not be noticed"_s), qPrintable(warnings.first()));
        }
#else
        QSKIP("the runtime folder and its fallback are those of Linux and other Unix systems");
#endif
    }

    void shouldKeepInstancesOfOtherUsersApart()
    {
        QString answer;
        QProcess *holder = start(u"hold"_s, &answer);
        QVERIFY(holder);

#if defined(Q_OS_WIN)
        // Windows gives every user a local application data folder of their
        // own; the instances register in it.
        QProcess where;
        where.start(QStringLiteral(INSTANCE_PROBE), {u"where"_s});
        QVERIFY(where.waitForFinished(10000));
        const QString folder = QString::fromLocal8Bit(where.readAllStandardOutput()).trimmed();
        const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY2(!local.isEmpty() && folder.startsWith(local + u'/'), qPrintable(folder + u" is not in "_s + local));
        QVERIFY2(QFileInfo::exists(u"%1/instance-%2.lock"_s.arg(folder).arg(holder->processId())), qPrintable(folder));
#else
        // Another user has another runtime folder.
        QTemporaryDir otherUser;
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, otherUser.path());
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_PROBE), {u"exit"_s});
        QVERIFY(process->waitForFinished(10000));
        QCOMPARE(QString::fromLatin1(process->readAllStandardOutput()).trimmed(), u"none"_s);
#endif
    }
};

QTEST_GUILESS_MAIN(InstanceTest)
#include "tst_instances.moc"
