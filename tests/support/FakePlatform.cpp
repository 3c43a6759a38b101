#include "FakePlatform.h"

#include "platform/QtPlatform.h"

#include <QFontDatabase>

using namespace Qt::StringLiterals;

float FakePlatform::secondsSinceMidnight() const
{
    ++clockReads;
    const_cast<FakePlatform *>(this)->calls.append(u"clock"_s);
    if (!clockReadings.empty()) {
        const float reading = clockReadings.front();
        clockReadings.pop_front();
        return reading;
    }
    return clock;
}

bool FakePlatform::anotherInstanceRunning()
{
    calls.append(u"instance?"_s);
    return otherInstance;
}

Platform::Answer FakePlatform::askYesNo(const QString &text, const QString &title, Answer defaultAnswer)
{
    calls.append(u"ask:"_s + title);
    boxes.append({text, title, defaultAnswer, true});
    if (whileBoxOpen)
        whileBoxOpen(boxes.last());
    return answer;
}

void FakePlatform::tell(const QString &text, const QString &title)
{
    calls.append(u"tell:"_s + title);
    boxes.append({text, title, Answer::No, false});
    if (whileBoxOpen)
        whileBoxOpen(boxes.last());
}

bool FakePlatform::attachConsole()
{
    calls.append(u"console?"_s);
    return console;
}

void FakePlatform::print(const QString &text, Stream stream)
{
    calls.append(u"print"_s);
    printed.append({stream, text});
}

void FakePlatform::terminateNow()
{
    calls.append(u"terminate"_s);
    ++terminations;
}

ScriptFonts legacyFontsShown(const QString &how)
{
    if (how == u"forced"_s)
        return QtPlatform(ScriptTextOption::Legacy).scriptFonts();
    QStringList families = QFontDatabase::families();
    for (const LegacyFont font : AllLegacyFonts)
        families << legacyFace(font);
    return ScriptFonts::choose(ScriptTextOption::Auto, {families, [](LegacyFont font) {
                                                           return QFontDatabase::families(QtPlatform::writingSystemOf(font));
                                                       }});
}
