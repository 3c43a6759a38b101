// Benchmark of KIntroA, printed side by side in one run:
//   1. start-up to the launcher shown, against a minimal Qt Widgets program
//      that shows an empty window of the same size (each a fresh process);
//   2. one subject-page switch of the introduction window;
//   3. the About window's CPU use over 10 seconds.
// Run it on a display, e.g.: xvfb-run -a build/bench/kintroa_bench
// (QT_QPA_PLATFORM=offscreen works too, but paints nothing to a screen).
#include "about/AbKorInt.h"
#include "base/Twips.h"
#include "edition/IntroA.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/Fonts.h"
#include "introduction/IntroEng.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The real clock and screen, but no other instance and no message boxes, so
// that nothing waits for a person.
class QuietPlatform final : public Platform
{
public:
    float secondsSinceMidnight() const override { return real_.secondsSinceMidnight(); }
    int screenLeftTwips() const override { return real_.screenLeftTwips(); }
    int screenTopTwips() const override { return real_.screenTopTwips(); }
    int screenWidthTwips() const override { return real_.screenWidthTwips(); }
    int screenHeightTwips() const override { return real_.screenHeightTwips(); }
    const ScriptFonts &scriptFonts() const override { return real_.scriptFonts(); }
    bool anotherInstanceRunning() override { return false; }
    Answer askYesNo(const QString &, const QString &, Answer defaultAnswer) override { return defaultAnswer; }
    void tell(const QString &, const QString &) override {}
    void terminateNow() override {}

private:
    QtPlatform real_;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
         + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Child process: show the window, say so, end.
int showAndReport(const QString &which, int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuietPlatform platform;
    if (which == u"launcher"_s) {
        Fonts::installSubstitutes();
        IntroPix launcher(platform);
        launcher.load();
        launcher.show();
        if (!QTest::qWaitForWindowExposed(&launcher))
            return 1;
    } else {
        QWidget empty;
        empty.resize(Twips::toPixels(9885), Twips::toPixels(6870));
        empty.show();
        if (!QTest::qWaitForWindowExposed(&empty))
            return 1;
    }
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}

double startupMs(const QString &self, const QString &which)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, QDir::tempPath());
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(self, {u"--show"_s, which});
    if (!child.waitForReadyRead(30000))
        return -1;
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--show") == 0)
        return showAndReport(QString::fromLatin1(argv[2]), argc, argv);

    QApplication app(argc, argv);
    Fonts::installSubstitutes();
    const QString self = QCoreApplication::applicationFilePath();
    std::printf("KIntroA benchmark on the \"%s\" platform\n\n", qPrintable(QGuiApplication::platformName()));

    // 1. Start-up, each side a fresh process, alternating, median of 11.
    std::vector<double> launcherRuns, emptyRuns;
    for (int i = 0; i < 11; ++i) {
        launcherRuns.push_back(startupMs(self, u"launcher"_s));
        emptyRuns.push_back(startupMs(self, u"empty"_s));
    }
    std::printf("%-44s %10s %10s\n", "", "KIntroA", "empty Qt");
    std::printf("%-44s %8.1f ms %7.1f ms\n", "start-up to window shown (median of 11)", median(launcherRuns),
                median(emptyRuns));

    // 2. Subject-page switches, painted, in English about Devanagari.
    QuietPlatform platform;
    IntroPix launcher(platform);
    launcher.load();
    launcher.controls().label(u"Label9"_s)->setCaption(u"English"_s);
    launcher.controls().label(u"Label10"_s)->setCaption(u"Devanagari"_s);
    {
        IntroEng introduction(platform, launcher, &launcher);
        introduction.load();
        introduction.show();
        QTest::qWaitForWindowExposed(&introduction);
        std::vector<double> switches;
        for (int i = 0; i < 350; ++i) {
            const int subject = i % 7 + 1;
            QElapsedTimer clock;
            clock.start();
            introduction.controls().button(u"Command3D"_s + QString::number(subject + 3))->click();
            introduction.repaint();
            if (i >= 70) // after five warm-up rounds
                switches.push_back(double(clock.nsecsElapsed()) / 1e3);
        }
        std::printf("%-44s %8.0f us\n", "subject-page switch, painted (median of 280)", median(switches));
    }

    // 3. The About window open for 10 seconds.
    {
        IntroA::SetEdition();
        AbKorInt about(platform, &launcher);
        about.load();
        about.show();
        QTest::qWaitForWindowExposed(&about);
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double used = cpuSeconds() - before;
        const double seconds = double(clock.elapsed()) / 1000.0;
        std::printf("%-44s %8.2f %% of one core (%.3f s CPU in %.1f s)\n", "About window open, CPU use", 100.0 * used / seconds,
                    used, seconds);
    }
    return 0;
}
