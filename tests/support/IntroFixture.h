#pragma once

#include "introduction/IntroEng.h"
#include "launcher/IntroPix.h"
#include "support/FakePlatform.h"

#include <QStringList>

#include <memory>

// A launcher that has handed over an information language and a script, as
// its choice writes them into Label9 and Label10, and the introduction window
// loaded from it (not shown).
class IntroFixture
{
public:
    // With the script fonts decided as given; by default every legacy font
    // is taken to be installed.
    IntroFixture(const QString &language, const QString &script, const ScriptFonts &scriptFonts = {});

    IntroEng &window() const { return *introduction; }
    QString caption(int pageLabel) const;
    // The captions of Label8 to Label21.
    QStringList page() const;
    // A click on the subject's button, Command3D4 (1) to Command3D10 (7).
    void clickSubject(int subject) const;

    FakePlatform platform;
    IntroPix launcher{platform};
    std::unique_ptr<IntroEng> introduction;
};

// "41 20 C9" -> the three characters U+0041 U+0020 U+00C9.
QString fromCodes(const char *codes);
