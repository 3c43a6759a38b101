#pragma once

#include "InstanceRegistry.h"
#include "Platform.h"

#include <QFontDatabase>

#include <optional>

// The platform as Qt and the operating system provide it.
class QtPlatform final : public Platform
{
public:
    explicit QtPlatform(ScriptTextOption scriptText = ScriptTextOption::Auto);
    Q_DISABLE_COPY_MOVE(QtPlatform)

    float secondsSinceMidnight() const override;
    QRect screenTwips() const override;
    const ScriptFonts &scriptFonts() const override;
    bool anotherInstanceRunning() override;
    Answer askYesNo(const QString &text, const QString &title, Answer defaultAnswer) override;
    void tell(const QString &text, const QString &title) override;
    bool attachConsole() override;
    void print(const QString &text, Stream stream) override;
    void terminateNow() override;

    // The font system's writing system of a legacy font's script.
    static QFontDatabase::WritingSystem writingSystemOf(LegacyFont font);

private:
    InstanceRegistry instances_;
    ScriptTextOption scriptTextOption_;
    mutable std::optional<ScriptFonts> scriptFonts_;
    // The local time's offset from UTC, valid up to the next whole minute:
    // asking the time zone costs a file-system look-up, and the About window
    // reads the clock every 30 ms. Offsets only change at whole minutes.
    mutable qint64 utcOffsetMs_ = 0;
    mutable qint64 utcOffsetValidUntilMs_ = 0;
};
