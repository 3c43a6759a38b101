#include "app/CommandLine.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(ScriptTextOption)

// The command line, parsed before any display is opened, and the program's
// start as a process: help and version without a display, one plain sentence
// and status 1 where no window system can be opened.
class CommandLineTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir runtime_;

    // The program's environment with no display and no chosen platform.
    QProcessEnvironment withoutDisplay() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            env.remove(name);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime_.path());
        return env;
    }

    struct Run {
        int status = -1;
        bool crashed = false;
        QString out;
        QString err;
    };

    static Run run(const QStringList &arguments, const QProcessEnvironment &env)
    {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KINTROA_PROGRAM), arguments);
        Run result;
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
        }
        result.crashed = process.exitStatus() == QProcess::CrashExit;
        result.status = process.exitCode();
        // Windows' C library ends lines with CR LF in text mode.
        result.out = QString::fromLocal8Bit(process.readAllStandardOutput()).replace(u"\r\n"_s, u"\n"_s);
        result.err = QString::fromLocal8Bit(process.readAllStandardError()).replace(u"\r\n"_s, u"\n"_s);
        return result;
    }

private Q_SLOTS:
    void shouldParse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<ScriptTextOption>("scriptText");
        QTest::addColumn<QString>("saying"); // a part of the text, if any
        using A = CommandLine::Action;
        using S = ScriptTextOption;
        QTest::newRow("nothing") << QStringList{} << A::Run << S::Auto << u""_s;
        QTest::newRow("legacy") << QStringList{u"--script-text=legacy"_s} << A::Run << S::Legacy << u""_s;
        QTest::newRow("unicode, value apart") << QStringList{u"--script-text"_s, u"unicode"_s} << A::Run << S::Unicode << u""_s;
        QTest::newRow("auto") << QStringList{u"--script-text=auto"_s} << A::Run << S::Auto << u""_s;
        QTest::newRow("Qt's own options pass") << QStringList{u"-platform"_s, u"offscreen"_s, u"-style"_s, u"fusion"_s, u"-reverse"_s}
                                               << A::Run << S::Auto << u""_s;
        QTest::newRow("Qt option with =") << QStringList{u"-platform=offscreen"_s} << A::Run << S::Auto << u""_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << A::ShowHelp << S::Auto << u"--script-text <mode>"_s;
        QTest::newRow("-h") << QStringList{u"-h"_s} << A::ShowHelp << S::Auto << u"Usage: kintroa [options]"_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << A::ShowVersion << S::Auto << u"kintroa 8.0.0\n"_s;
        QTest::newRow("help wins over a bad value") << QStringList{u"--script-text=x"_s, u"--help"_s} << A::ShowHelp << S::Auto << u"Usage"_s;
        QTest::newRow("unknown value") << QStringList{u"--script-text=Unicode"_s} << A::Refuse << S::Auto
                                       << u"kintroa: --script-text must be auto, legacy or unicode, not 'Unicode'."_s;
        QTest::newRow("empty value") << QStringList{u"--script-text="_s} << A::Refuse << S::Auto << u"not ''"_s;
        QTest::newRow("missing value") << QStringList{u"--script-text"_s} << A::Refuse << S::Auto << u"kintroa: "_s;
        QTest::newRow("unknown option") << QStringList{u"--colour"_s} << A::Refuse << S::Auto << u"'colour'"_s;
        QTest::newRow("a stray word") << QStringList{u"hindi"_s} << A::Refuse << S::Auto << u"'hindi'"_s;
    }

    void shouldParse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(ScriptTextOption, scriptText);
        QFETCH(QString, saying);
        const CommandLine parsed = CommandLine::parse(QStringList{u"/usr/bin/kintroa"_s} + arguments);
        QCOMPARE(parsed.action, action);
        QCOMPARE(parsed.scriptText, scriptText);
        QVERIFY2(parsed.text.contains(saying), qPrintable(parsed.text));
        if (action == CommandLine::Action::Refuse)
            QVERIFY(parsed.text.endsWith(u"Try 'kintroa --help' for more information.\n"_s));
        if (action == CommandLine::Action::Run)
            QVERIFY(parsed.text.isEmpty());
    }

    // Help, the version and a refusal reach the user: on the console where
    // there is one (a refusal on standard error), else in a message box.
    void shouldAnswerOnTheConsoleOrInABox_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("console");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("onStandardError");
        for (const bool console : {true, false}) {
            const char *where = console ? "console" : "no console";
            QTest::addRow("--help, %s", where) << QStringList{u"--help"_s} << console << 0 << false;
            QTest::addRow("--version, %s", where) << QStringList{u"--version"_s} << console << 0 << false;
            QTest::addRow("bad value, %s", where) << QStringList{u"--script-text=fancy"_s} << console << 1 << true;
            QTest::addRow("stray word, %s", where) << QStringList{u"hindi"_s} << console << 1 << true;
        }
    }

    void shouldAnswerOnTheConsoleOrInABox()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, console);
        QFETCH(int, status);
        QFETCH(bool, onStandardError);
        const CommandLine parsed = CommandLine::parse(QStringList{u"kintroa"_s} + arguments);
        FakePlatform platform;
        platform.console = console;

        QCOMPARE(parsed.answer(platform), status);
        QCOMPARE(platform.calls.value(0), u"console?"_s);
        QCOMPARE(platform.calls.size(), 2);
        if (console) {
            QVERIFY(platform.boxes.isEmpty());
            QCOMPARE(platform.printed.size(), 1);
            QCOMPARE(platform.printed.first().first == Platform::Stream::Error, onStandardError);
            QCOMPARE(platform.printed.first().second, parsed.text);
        } else {
            QVERIFY(platform.printed.isEmpty());
            QCOMPARE(platform.boxes.size(), 1);
            const FakePlatform::Box &box = platform.boxes.first();
            QVERIFY(!box.yesNo);
            QCOMPARE(box.title, u"KIntroA"_s);
            // The whole text, without the line end a terminal needs.
            QCOMPARE(box.text, parsed.text.trimmed());
            QVERIFY(!box.text.isEmpty());
        }
    }

    void shouldAnswerWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"--script-text"_s << u""_s;
        QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << u"kintroa 8.0.0\n"_s << u""_s;
        QTest::newRow("bad value") << QStringList{u"--script-text=fancy"_s} << 1 << u""_s << u"not 'fancy'"_s;
    }

    void shouldAnswerWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(arguments, withoutDisplay());
        QVERIFY(!result.crashed);
        QCOMPARE(result.status, status);
        QVERIFY2(result.out.contains(out) && (!out.isEmpty() || result.out.isEmpty()), qPrintable(result.out));
        QVERIFY2(result.err.contains(err) && (!err.isEmpty() || result.err.isEmpty()), qPrintable(result.err));
    }

    // The program's sentence first, fitted to what failed, then Qt's own
    // reason: the display it tried or the platform it could not find.
    void shouldSayWhyNoDisplayOpens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM
        QTest::addColumn<QString>("advice");   // in the program's sentence
        QTest::addColumn<QString>("qtSays");   // in a line of Qt's after it
        const QString anywhere = u"start it in a desktop session"_s;
        QTest::newRow("no display at all") << QStringList{} << u""_s << u""_s << anywhere << u"could not connect to display"_s;
        QTest::newRow("a display no server answers")
            << QStringList{} << u":4711"_s << u""_s << u"the X display :4711 that DISPLAY names"_s
            << u"could not connect to display :4711"_s;
        QTest::newRow("-display no server answers")
            << QStringList{u"-display"_s, u":4712"_s} << u":4711"_s << u""_s << u"the X display :4712 that -display names"_s
            << u"could not connect to display :4712"_s;
        QTest::newRow("X11 chosen, no display") << QStringList{} << u""_s << u"xcb"_s << anywhere << u"could not connect"_s;
        QTest::newRow("unknown -platform") << QStringList{u"-platform"_s, u"nosuchplatform"_s} << u""_s << u""_s << anywhere
                                           << u"\"nosuchplatform\""_s;
        // The display is fine; the platform asked for is not.
        QTest::newRow("unknown QT_QPA_PLATFORM, DISPLAY set")
            << QStringList{} << u":4711"_s << u"nosuchplatform"_s << anywhere << u"Available platform plugins are"_s;
    }

    void shouldSayWhyNoDisplayOpens()
    {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, advice);
        QFETCH(QString, qtSays);
        QProcessEnvironment env = withoutDisplay();
        if (!display.isEmpty())
            env.insert(u"DISPLAY"_s, display);
        if (!platform.isEmpty())
            env.insert(u"QT_QPA_PLATFORM"_s, platform);
        // No core file even where they are enabled: the process must not abort.
        const Run result = run(arguments, env);
        QVERIFY2(!result.crashed, qPrintable(result.err));
        QCOMPARE(result.status, 1);
        QCOMPARE(result.out, QString());
        const QStringList lines = result.err.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 2 && lines.size() <= 3, qPrintable(result.err));
        const QString sentence = lines.first();
        QVERIFY2(sentence.startsWith(u"kintroa cannot open "_s) && sentence.contains(advice), qPrintable(sentence));
        // The command it names exists: the program as it was started.
        QVERIFY2(sentence.endsWith(u"xvfb-run -a "_s + QStringLiteral(KINTROA_PROGRAM)), qPrintable(sentence));
        QVERIFY(QFileInfo(QStringLiteral(KINTROA_PROGRAM)).isExecutable());
        const QStringList qtLines = lines.mid(1);
        QVERIFY2(qtLines.join(u'\n').contains(qtSays), qPrintable(result.err));
        QVERIFY2(!result.err.contains(u"Reinstalling"_s), qPrintable(result.err));
#else
        QSKIP("a missing display is an X11 and Wayland matter");
#endif
    }

    // The platform chosen on the command line is honoured as the environment
    // variable is: the program starts and registers its instance. Without a
    // runtime folder, Qt's warning about it shows once, not once more for the
    // instance check.
    void shouldHonourThePlatformOption_data()
    {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("with a runtime folder") << true;
        QTest::newRow("without") << false;
    }

    void shouldHonourThePlatformOption()
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        QFETCH(bool, runtimeFolder);
        QTemporaryDir temporary;
        QProcessEnvironment env = withoutDisplay();
        env.insert(u"TMPDIR"_s, temporary.path());
        QString instances = QDir(runtime_.path()).filePath(u"kintroa-instances"_s);
        if (!runtimeFolder) {
            env.remove(u"XDG_RUNTIME_DIR"_s);
            instances = QDir(temporary.path()).filePath(u"kintroa-instances-%1"_s.arg(::geteuid()));
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(KINTROA_PROGRAM), {u"-platform"_s, u"offscreen"_s});
        QVERIFY(process.waitForStarted());
        const QString lock = u"%1/instance-%2.lock"_s.arg(instances).arg(process.processId());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock) || process.state() == QProcess::NotRunning, 30000);
        const bool running = process.state() == QProcess::Running;
        process.kill();
        process.waitForFinished();
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(running, qPrintable(err));
        QCOMPARE(err.count(u"XDG_RUNTIME_DIR"_s), runtimeFolder ? 0 : 1);
#else
        QSKIP("the runtime folder is a Linux and Unix matter");
#endif
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
