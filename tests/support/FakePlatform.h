#pragma once

#include "platform/Platform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <utility>

// A platform whose every decision the test makes: the clock, the screen, the
// other instance and the answers to message boxes. It records what the
// program asked of it, in order, in `calls`.
class FakePlatform final : public Platform
{
public:
    FakePlatform() = default;
    explicit FakePlatform(const ScriptFonts &scriptFonts)
        : scriptFontsChoice(scriptFonts)
    {
    }

    float secondsSinceMidnight() const override;
    QRect screenTwips() const override { return screen; }
    const ScriptFonts &scriptFonts() const override { return scriptFontsChoice; }
    bool anotherInstanceRunning() override;
    Answer askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
    void tell(const QString &text, const QString &title) override;
    bool attachConsole() override;
    void print(const QString &text, Stream stream) override;
    void terminateNow() override;

    // The clock: successive readings come from `clockReadings` while it has
    // any, then `clock` is returned.
    float clock = 0.0f;
    mutable std::deque<float> clockReadings;
    mutable int clockReads = 0;

    QRect screen{0, 0, 1280 * 15, 1024 * 15}; // twips
    bool otherInstance = false;
    // Every legacy font shown as designed unless a test chooses otherwise.
    ScriptFonts scriptFontsChoice;
    Answer answer = Answer::Yes;

    // Whether a console can be had, and what was printed there, in order.
    bool console = true;
    QList<std::pair<Stream, QString>> printed;

    // What the program asked, e.g. "instance?", "ask:<title>", "tell:<title>",
    // "console?", "print", "clock", "terminate".
    QStringList calls;

    struct Box {
        QString text;
        QString title;
        Answer defaultAnswer = Answer::No;
        bool yesNo = false;
    };
    QList<Box> boxes;
    int terminations = 0;

    // Called while a message box is "open", to look at the program then.
    std::function<void(const Box &)> whileBoxOpen;
};

// The script fonts where the legacy fonts are shown: "installed", as the
// default choice finds them beside the system's real fonts of the scripts,
// or "forced", as --script-text=legacy has them.
ScriptFonts legacyFontsShown(const QString &how);
