// Benchmark of KIntroA, printed side by side in one run:
//   1. start-up to the launcher shown, against a bare Qt Widgets program that
//      shows a message box with a sentence of text (each a fresh process);
//   2. the subject-page switches of the introduction window on every path,
//      each information language about each script (the median of every
//      path and language, and the slowest path), each switch painted as the
//      program paints it, and with the whole window repainted;
//   3. the About window's CPU use over 10 seconds;
//   4. the keying practice: a key typed, and a paste of 100,000 keys.
// With --instructions, and valgrind installed, it also counts the
// instructions of the first two under callgrind, which unlike the times do
// not depend on what else the machine is doing.
// Run it on a display, e.g.: xvfb-run -a build/bench/kintroa_bench
// (QT_QPA_PLATFORM=offscreen works too, but paints nothing to a screen).
#include "about/AbKorInt.h"
#include "base/Twips.h"
#include "edition/IntroA.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/Fonts.h"
#include "introduction/Catalogue.h"
#include "introduction/IntroEng.h"
#include "introduction/IntroductionChoice.h"
#include "introduction/SamplePanels.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"
#include "PracticeFigures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The real clock and screen, but no other instance and no message boxes, so
// that nothing waits for a person.
class QuietPlatform final : public Platform
{
public:
    float secondsSinceMidnight() const override { return real_.secondsSinceMidnight(); }
    QRect screenTwips() const override { return real_.screenTwips(); }
    const ScriptFonts &scriptFonts() const override { return real_.scriptFonts(); }
    bool anotherInstanceRunning() override { return false; }
    Answer askYesNo(const QString &, const QString &, Answer defaultAnswer) override { return defaultAnswer; }
    void tell(const QString &, const QString &) override {}
    bool attachConsole() override { return real_.attachConsole(); }
    void print(const QString &text, Stream stream) override { real_.print(text, stream); }
    void terminateNow() override {}

private:
    QtPlatform real_;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// User and system CPU time of this process so far.
double cpuSeconds()
{
#ifdef Q_OS_WIN
    FILETIME creation, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &creation, &exited, &kernel, &user))
        return 0;
    const auto ticks = [](const FILETIME &time) { // 100 ns each
        return double((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
         + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#endif
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
        // What every program pays to show text: the font database, one font
        // matched and a window drawn.
        QMessageBox box(QMessageBox::NoIcon, u"KIntroA"_s,
                        u"Romanized typing is the preferred method in Korvani's Vorda word processor."_s,
                        QMessageBox::Ok);
        box.show();
        if (!QTest::qWaitForWindowExposed(&box))
            return 1;
    }
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, QDir::tempPath());
    return env;
}

double startupMs(const QString &self, const QString &which)
{
    QProcess child;
    child.setProcessEnvironment(childEnvironment());
    QElapsedTimer clock;
    clock.start();
    child.start(self, {u"--show"_s, which});
    if (!child.waitForReadyRead(30000))
        return -1;
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    return elapsed;
}

constexpr int SwitchRounds = 50; // of all seven subjects, on each path
constexpr int WarmUpRounds = 10;
constexpr int InstructionRounds = 10; // under callgrind, where only the count matters

// How a switch is painted: as the program paints it, only what the switch
// changed (the page labels whose captions changed and the pressed button), or
// the whole window, as the figures up to December 2026 were taken.
enum class Painting { Changed, WholeWindow };

// Every path through the introduction: each information language about each
// script, in the order the figures are printed.
std::vector<IntroductionChoice> everyPath()
{
    std::vector<IntroductionChoice> paths;
    for (const InfoLanguage language : AllInfoLanguages)
        for (const LegacyFont script : AllLegacyFonts)
            paths.push_back({language, script});
    return paths;
}

QString pathName(const IntroductionChoice &path)
{
    return displayName(path.language) + u" about "_s + displayName(path.script);
}

// A control of a window by the design name it carries.
template<typename Control>
Control *controlNamed(const QWidget &window, const QString &name)
{
    return window.findChild<Control *>(name, Qt::FindDirectChildrenOnly);
}

// The subject buttons, Command3D4 to Command3D10, subject 1 to 7; empty where
// one is missing.
std::vector<FormButton *> subjectButtonsOf(const QWidget &introduction)
{
    std::vector<FormButton *> buttons;
    for (int subject = 1; subject <= SubjectCount; ++subject) {
        auto *button = controlNamed<FormButton>(introduction, u"Command3D"_s + QString::number(subject + 3));
        if (!button)
            return {};
        buttons.push_back(button);
    }
    return buttons;
}

// The measured part, kept in one function so that callgrind can count it
// alone (--toggle-collect): the click on a subject button and the painting
// that follows.
Q_NEVER_INLINE void switchSubject(IntroEng &introduction, FormButton &subjectButton, Painting painting)
{
    subjectButton.click();
    if (painting == Painting::WholeWindow)
        introduction.repaint();
    else // the update request the changes posted, painted and flushed now
        QCoreApplication::sendPostedEvents(&introduction, QEvent::UpdateRequest);
}

// The launcher's buttons that choose the language in its language stage and
// the script in its script stage: English, the first Devanagari button (Hindi)
// and the Bengali one; the first Devanagari button, Bengali, Gujarati and
// the Gurumukhi one (Punjabi).
QString languageButton(InfoLanguage language)
{
    static const std::array<QString, 3> names{u"Command3D1"_s, u"Command3D2"_s, u"Command3D5"_s};
    return names[std::size_t(language)];
}

QString scriptButton(LegacyFont script)
{
    static const std::array<QString, 4> names{u"Command3D2"_s, u"Command3D5"_s, u"Command3D6"_s, u"Command3D7"_s};
    return names[std::size_t(script)];
}

// Opens the introduction on the path from the launcher as a user does (Start
// Introduction, the language's button, the script's button, Show) and runs
// `use` on it while it is open; "Show" returns only once it is closed.
// Returns whether the introduction opened.
bool withIntroduction(const IntroductionChoice &path, const std::function<void(IntroEng &)> &use)
{
    QuietPlatform platform;
    IntroPix launcher(platform);
    launcher.load();
    launcher.show();
    bool opened = false;
    QTimer::singleShot(0, &launcher, [&] {
        auto *introduction = qobject_cast<IntroEng *>(QApplication::activeModalWidget());
        if (!introduction)
            return;
        opened = true;
        use(*introduction);
        introduction->close();
    });
    for (const QString &name : {u"Command3D9"_s, languageButton(path.language), scriptButton(path.script), u"Command3D12"_s}) {
        auto *button = controlNamed<FormButton>(launcher, name);
        if (!button)
            return false;
        button->click();
    }
    return opened;
}

// The labels of a subject's page that do not show what the page has for
// them on the path: its explanation, keying examples and samples (as glyph
// codes or as their Unicode text). Empty where the page is whole.
QStringList wrongOnPage(const IntroEng &introduction, const IntroductionChoice &path, int subject)
{
    std::vector<LabelCaption> expected =
        textPageCaptions(Catalogue::forLanguage(path.language).textPage(), subject, path.script);
    const std::vector<LabelCaption> samples = sampleCaptions(path.script, subject);
    expected.insert(expected.end(), samples.begin(), samples.end());
    QStringList wrong;
    for (const LabelCaption &caption : expected) {
        const QString name = u"Label"_s + QString::number(caption.label);
        const bool explanation = caption.label == TextLabels.front();
        if (caption.text.unicode.isEmpty() && !explanation)
            continue;
        const FormLabel *label = controlNamed<FormLabel>(introduction, name);
        const QString shown = label ? label->caption() : QString();
        if (shown.isEmpty() || (shown != caption.text.unicode && shown != caption.text.glyphs))
            wrong.append(name);
    }
    return wrong;
}

// Shows every subject once and names each page that lacks what it should
// show; the times would otherwise be those of pages without their text.
bool pagesShowTheirContent(IntroEng &introduction, const std::vector<FormButton *> &subjectButtons,
                           const IntroductionChoice &path)
{
    bool whole = true;
    for (int subject = 1; subject <= SubjectCount; ++subject) {
        switchSubject(introduction, *subjectButtons[std::size_t(subject - 1)], Painting::Changed);
        if (const QStringList wrong = wrongOnPage(introduction, path, subject); !wrong.isEmpty()) {
            std::fprintf(stderr, "subject %d, in %s, lacks its text in %s\n", subject, qPrintable(pathName(path)),
                         qPrintable(wrong.join(u", "_s)));
            whole = false;
        }
    }
    return whole;
}

// The microseconds of each subject-page switch after the warm-up on the path,
// each switch painted; empty where the introduction did not open or a page
// lacks its content.
std::vector<double> switchTimes(const IntroductionChoice &path, Painting painting, int rounds = SwitchRounds)
{
    std::vector<double> times;
    const bool opened = withIntroduction(path, [&](IntroEng &introduction) {
        if (!QTest::qWaitForWindowExposed(&introduction))
            return;
        const std::vector<FormButton *> subjectButtons = subjectButtonsOf(introduction);
        if (subjectButtons.empty())
            return;
        QCoreApplication::sendPostedEvents(&introduction, QEvent::UpdateRequest);
        if (!pagesShowTheirContent(introduction, subjectButtons, path))
            return;
        const int warmUp = std::min(WarmUpRounds, rounds / 2);
        for (int i = 0; i < rounds * SubjectCount; ++i) {
            QElapsedTimer clock;
            clock.start();
            switchSubject(introduction, *subjectButtons[std::size_t(i % SubjectCount)], painting);
            if (i >= warmUp * SubjectCount)
                times.push_back(double(clock.nsecsElapsed()) / 1e3);
        }
    });
    if (!opened)
        std::fprintf(stderr, "the introduction did not open from the launcher, in %s\n", qPrintable(pathName(path)));
    return times;
}

// The switch times of every path, in the order of everyPath(); empty where
// one path could not be timed.
std::vector<std::vector<double>> switchTimesOnEveryPath(Painting painting, int rounds = SwitchRounds)
{
    std::vector<std::vector<double>> byPath;
    for (const IntroductionChoice &path : everyPath()) {
        byPath.push_back(switchTimes(path, painting, rounds));
        if (byPath.back().empty())
            return {};
    }
    return byPath;
}

// Instructions counted by callgrind in a child run of this program, or -1
// where valgrind cannot run it.
double instructions(const QString &self, const QStringList &arguments, const QStringList &callgrindOptions = {})
{
    const QString valgrind = QStandardPaths::findExecutable(u"valgrind"_s);
    QTemporaryDir dir;
    if (valgrind.isEmpty() || !dir.isValid())
        return -1;
    QProcess child;
    child.setProcessEnvironment(childEnvironment());
    child.start(valgrind, QStringList{u"--tool=callgrind"_s, u"--callgrind-out-file="_s + dir.filePath(u"out"_s)}
                              + callgrindOptions + QStringList{self} + arguments);
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    // A helper process that Qt forks reports its own (empty) count; the
    // program's is the largest.
    static const QRegularExpression collected(u"Collected : (\\d+)"_s);
    double most = -1;
    for (const QRegularExpressionMatch &match : collected.globalMatch(QString::fromLocal8Bit(child.readAllStandardError())))
        most = std::max(most, match.captured(1).toDouble());
    return most;
}

void printRow(const char *what, const QString &value, const QString &reference)
{
    std::printf("%-48s %14s %14s\n", what, qPrintable(value), qPrintable(reference));
}

QString millions(double count)
{
    return count < 0 ? u"-"_s : QString::number(count / 1e6, 'f', 1) + u" M"_s;
}

QString microseconds(double value)
{
    return QString::number(value, 'f', 0) + u" us"_s;
}

// The median switch of every path, a row per language with its median over
// the four scripts; then the path with the slowest median.
void printSwitches(const QString &what, const std::vector<std::vector<double>> &byPath)
{
    std::printf("%s\n%-24s", qPrintable(what), "");
    for (const LegacyFont script : AllLegacyFonts)
        std::printf(" %11s", qPrintable(displayName(script)));
    std::printf(" %13s\n", "every script");
    const std::vector<IntroductionChoice> paths = everyPath();
    for (const InfoLanguage language : AllInfoLanguages) {
        std::printf("  %-22s", qPrintable(u"in "_s + displayName(language)));
        std::vector<double> inLanguage;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (paths[i].language != language)
                continue;
            std::printf(" %11s", qPrintable(microseconds(median(byPath[i]))));
            inLanguage.insert(inLanguage.end(), byPath[i].begin(), byPath[i].end());
        }
        std::printf(" %13s\n", qPrintable(microseconds(median(inLanguage))));
    }
    std::size_t slowest = 0;
    for (std::size_t i = 1; i < paths.size(); ++i)
        if (median(byPath[i]) > median(byPath[slowest]))
            slowest = i;
    std::printf("  slowest path: %s, %s\n", qPrintable(pathName(paths[slowest])),
                qPrintable(microseconds(median(byPath[slowest]))));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--show") == 0)
        return showAndReport(QString::fromLatin1(argv[2]), argc, argv);
    const bool switchesOnly = argc == 3 && qstrcmp(argv[1], "--switches") == 0;
    const bool withInstructions = argc == 2 && qstrcmp(argv[1], "--instructions") == 0;
    const bool checkOnly = argc == 2 && qstrcmp(argv[1], "--check") == 0;

    QApplication app(argc, argv);
    Fonts::installSubstitutes();
    if (switchesOnly) { // the child that callgrind counts
        const Painting painting = qstrcmp(argv[2], "whole") == 0 ? Painting::WholeWindow : Painting::Changed;
        return switchTimesOnEveryPath(painting, InstructionRounds).empty() ? 1 : 0;
    }
    if (checkOnly) { // a few rounds of each switch on every path, for the test suite
        for (const Painting painting : {Painting::Changed, Painting::WholeWindow}) {
            const std::vector<std::vector<double>> byPath = switchTimesOnEveryPath(painting, 2);
            if (byPath.empty())
                return 1;
            printSwitches(painting == Painting::Changed ? u"switch, painted"_s : u"switch, whole window"_s, byPath);
        }
        QuietPlatform platform;
        const std::optional<PracticeFigures> practice = measurePractice(platform, 20);
        if (!practice)
            return 1;
        std::printf("practice: a key %.0f us, a paste of %d keys %.0f ms\n", practice->keyMicros, PastedKeys,
                    practice->pasteMillis);
        return 0;
    }

    const QString self = QCoreApplication::applicationFilePath();
    std::printf("KIntroA benchmark on the \"%s\" platform\n\n", qPrintable(QGuiApplication::platformName()));
    printRow("", u"KIntroA"_s, u"reference"_s);

    // 1. Start-up, each side a fresh process, alternating, median of 11.
    std::vector<double> launcherRuns, messageBoxRuns;
    for (int i = 0; i < 11; ++i) {
        launcherRuns.push_back(startupMs(self, u"launcher"_s));
        messageBoxRuns.push_back(startupMs(self, u"messagebox"_s));
    }
    printRow("start-up to window shown (median of 11)", QString::number(median(launcherRuns), 'f', 1) + u" ms"_s,
             QString::number(median(messageBoxRuns), 'f', 1) + u" ms"_s);
    if (withInstructions) {
        const double launcher = instructions(self, {u"--show"_s, u"launcher"_s});
        const double messageBox = instructions(self, {u"--show"_s, u"messagebox"_s});
        printRow("  instructions, callgrind", millions(launcher), millions(messageBox));
        // The goal: start-up costs at most 1.15 times what a bare message box does.
        if (launcher > 0 && messageBox > 0)
            printRow("  instruction ratio to the reference (goal 1.15)", QString::number(launcher / messageBox, 'f', 2),
                     u"1.00"_s);
    }

    // 2. Subject-page switches on every path; the reference is the budget.
    const int measured = (SwitchRounds - WarmUpRounds) * SubjectCount;
    bool timedEveryPage = true;
    for (const Painting painting : {Painting::Changed, Painting::WholeWindow}) {
        const bool whole = painting == Painting::WholeWindow;
        const std::vector<std::vector<double>> byPath = switchTimesOnEveryPath(painting);
        timedEveryPage = timedEveryPage && !byPath.empty();
        std::printf("\n");
        const QString what = whole ? u"the same, whole window repainted"_s
                                   : u"subject-page switch, painted (median of %1 a path; goal: under 500 us)"_s.arg(measured);
        if (byPath.empty())
            printRow(qPrintable(what), u"-"_s, QString());
        else
            printSwitches(what, byPath);
        if (withInstructions) {
            const double perSwitch = instructions(self, {u"--switches"_s, whole ? u"whole"_s : u"changed"_s},
                                                  {u"--collect-atstart=no"_s, u"--toggle-collect=*switchSubject*"_s})
                                   // with the first look at every page
                                   / double(everyPath().size() * (InstructionRounds + 1) * SubjectCount);
            printRow("  instructions per switch, callgrind",
                     perSwitch < 0 ? u"-"_s : QString::number(perSwitch / 1e6, 'f', 2) + u" M"_s, QString());
        }
    }

    // 3. The About window open for 10 seconds.
    {
        QuietPlatform platform;
        IntroPix launcher(platform);
        launcher.load();
        AbKorInt about(platform, IntroA::SetEdition(), &launcher);
        about.load();
        about.show();
        if (!QTest::qWaitForWindowExposed(&about))
            return 1;
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double used = cpuSeconds() - before;
        const double seconds = double(clock.elapsed()) / 1000.0;
        std::printf("%-48s %8.2f %% of one core (%.3f s CPU in %.1f s)\n", "About window open, CPU use",
                    100.0 * used / seconds, used, seconds);
    }

    // 4. The keying practice.
    QuietPlatform platform;
    const std::optional<PracticeFigures> practice = measurePractice(platform, 400);
    if (practice) {
        const auto micros = [](double value) { return QString::number(value, 'f', 0) + u" us"_s; };
        const auto millis = [](double value) { return QString::number(value, 'f', 0) + u" ms"_s; };
        printRow("practice: a key typed, painted (median of 400)", micros(practice->keyMicros), QString());
        printRow("  a paste of 100,000 keys in one line", millis(practice->pasteMillis), QString());
        printRow("  then a key typed at its end", micros(practice->keyAfterPasteMicros), QString());
        printRow("  a paste of 100,000 keys in lines of 100", millis(practice->linesPasteMillis), QString());
        printRow("  then a key typed at its end", micros(practice->keyAfterLinesMicros), QString());
    }
    return timedEveryPage && practice ? 0 : 1;
}
