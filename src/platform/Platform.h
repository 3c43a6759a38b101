#pragma once

#include "script/ScriptFonts.h"

#include <QRect>
#include <QString>

// Everything the operating system decides for the program: the clock, the
// screen, other running instances, modal message boxes and ending the process.
// The windows reach the system only through this interface, so tests can hand
// them a fake and drive every decision.
class Platform
{
public:
    enum class Answer { Yes, No };
    enum class Stream { Output, Error };

    virtual ~Platform() = default;

    // Time of day in seconds since midnight, with fractions of a second.
    virtual float secondsSinceMidnight() const = 0;

    // The primary screen's place on the desktop and its size, in twips. Its
    // origin is not (0, 0) where another monitor lies left of or above it.
    virtual QRect screenTwips() const = 0;

    // How texts of the legacy script fonts are shown, decided once from the
    // fonts the system has and the user's option.
    virtual const ScriptFonts &scriptFonts() const = 0;

    // Whether another instance of the program runs for the same user.
    virtual bool anotherInstanceRunning() = 0;

    // A system-modal Yes/No box without icon.
    virtual Answer askYesNo(const QString &text, const QString &title, Answer defaultAnswer) = 0;

    // An application-modal box with a single OK button and no icon.
    virtual void tell(const QString &text, const QString &title) = 0;

    // Whether text printed for the user reaches someone: a terminal or console,
    // or a pipe or file that took the standard streams. A Windows program of
    // the desktop has no console of its own; started from one (cmd.exe), it
    // borrows its parent's. Without any, the caller shows its text in a box.
    virtual bool attachConsole() = 0;

    // Prints `text` as it is on standard output or standard error.
    virtual void print(const QString &text, Stream stream) = 0;

    // Ends the process with status 0 without running any window's closing
    // steps. The real implementation does not return; callers must not rely on
    // that and return straight after the call.
    virtual void terminateNow() = 0;
};
