#include "QtPlatform.h"

#include "base/Twips.h"
#include "base/VersionRecord.h"

#include <QApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {
// The program joins lines with a carriage return alone; Qt's message box
// breaks lines at line feeds.
QString shownText(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}
} // namespace

QtPlatform::QtPlatform(ScriptTextOption scriptText)
    : scriptTextOption_(scriptText)
{
}

QFontDatabase::WritingSystem QtPlatform::writingSystemOf(LegacyFont font)
{
    switch (font) {
    case LegacyFont::Devanagari:
        return QFontDatabase::Devanagari;
    case LegacyFont::Bengali:
        return QFontDatabase::Bengali;
    case LegacyFont::Gujarati:
        return QFontDatabase::Gujarati;
    case LegacyFont::Gurumukhi:
        return QFontDatabase::Gurmukhi;
    }
    return QFontDatabase::Any;
}

const ScriptFonts &QtPlatform::scriptFonts() const
{
    // Decided on first use, once the application's font database exists.
    if (!scriptFonts_) {
        const ScriptFonts::Catalog installed{
            QFontDatabase::families(),
            [&](LegacyFont font) { return QFontDatabase::families(writingSystemOf(font)); },
        };
        scriptFonts_ = ScriptFonts::choose(scriptTextOption_, installed);
    }
    return *scriptFonts_;
}

float QtPlatform::secondsSinceMidnight() const
{
    constexpr qint64 MinuteMs = 60 * 1000;
    constexpr qint64 DayMs = 24 * 60 * MinuteMs;
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    if (utcMs >= utcOffsetValidUntilMs_ || utcMs < utcOffsetValidUntilMs_ - MinuteMs) {
        utcOffsetMs_ = qint64(QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc()) * 1000;
        utcOffsetValidUntilMs_ = (utcMs / MinuteMs + 1) * MinuteMs;
    }
    const qint64 sinceMidnightMs = ((utcMs + utcOffsetMs_) % DayMs + DayMs) % DayMs;
    return static_cast<float>(sinceMidnightMs) / 1000.0f;
}

QRect QtPlatform::screenTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect pixels = screen->geometry();
    return {Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y()), Twips::fromPixels(pixels.width()),
            Twips::fromPixels(pixels.height())};
}

bool QtPlatform::anotherInstanceRunning()
{
    return instances_.anotherInstanceRunning();
}

Platform::Answer QtPlatform::askYesNo(const QString &text, const QString &title, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::NoIcon, title, shownText(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    // System-modal: above the windows of every application until answered.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtPlatform::tell(const QString &text, const QString &title)
{
    // The answer to the command line comes before the window system is
    // open; the box opens it for its own time.
    int argc = 1;
    std::string name = VersionRecord::ProgramName;
    char *argv[] = {name.data(), nullptr};
    std::optional<QApplication> windowSystem;
    if (!QCoreApplication::instance())
        windowSystem.emplace(argc, argv);

    QMessageBox box(QMessageBox::NoIcon, title, shownText(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtPlatform::attachConsole()
{
#ifdef Q_OS_WIN
    const auto usable = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    const bool output = usable(STD_OUTPUT_HANDLE);
    const bool error = usable(STD_ERROR_HANDLE);
    if (output && error)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    // The C library set up its streams before there was a console to write to.
    if (!output && !std::freopen("CONOUT$", "w", stdout))
        return false;
    if (!error && !std::freopen("CONOUT$", "w", stderr))
        return false;
    return true;
#else
    // A Unix program's standard streams are where its starter wants them.
    return true;
#endif
}

void QtPlatform::print(const QString &text, Stream stream)
{
    FILE *file = stream == Stream::Error ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), file);
    std::fflush(file);
}

void QtPlatform::terminateNow()
{
    instances_.release();
    std::fflush(nullptr);
    std::_Exit(0);
}
