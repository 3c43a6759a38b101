#include "QtPlatform.h"

#include "base/Twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QDateTime>

#include <cstdio>
#include <cstdlib>

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

const ScriptFonts &QtPlatform::scriptFonts() const
{
    // Decided on first use, once the application's font database exists.
    if (!scriptFonts_) {
        const auto writingSystemOf = [](LegacyFont font) {
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
        };
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
    QMessageBox box(QMessageBox::NoIcon, title, shownText(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::terminateNow()
{
    instances_.release();
    std::fflush(nullptr);
    std::_Exit(0);
}
