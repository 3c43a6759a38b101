#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

// Instance detection with real processes: each probe is a separate process
// that registers itself and reports whether it saw another live instance.
class InstanceTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir runtime_;
    std::vector<std::unique_ptr<QProcess>> running_;

    QProcess *start(const QString &mode, QString *answer)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime_.path());
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_PROBE), {mode});
        if (!process->waitForStarted(10000) || !process->waitForReadyRead(10000))
            return nullptr;
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
        QVERIFY(runtime_.isValid());
    }

    void cleanup()
    {
        for (auto &process : running_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
        running_.clear();
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
        QVERIFY(quitter->waitForFinished(10000));
        QCOMPARE(quitter->exitStatus(), QProcess::NormalExit);
        QCOMPARE(quitter->exitCode(), 0);

        QVERIFY(start(u"hold"_s, &answer));
        QCOMPARE(answer, u"none"_s);
    }

    void shouldKeepInstancesOfOtherUsersApart()
    {
        QString answer;
        QVERIFY(start(u"hold"_s, &answer));

        // Another user has another runtime folder.
        QTemporaryDir otherUser;
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_RUNTIME_DIR"_s, otherUser.path());
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(INSTANCE_PROBE), {u"exit"_s});
        QVERIFY(process->waitForFinished(10000));
        QCOMPARE(QString::fromLatin1(process->readAllStandardOutput()).trimmed(), u"none"_s);
    }
};

QTEST_GUILESS_MAIN(InstanceTest)
#include "tst_instances.moc"
