#pragma once

#include "introduction/IntroEng.h"
#include "support/Choices.h"
#include "support/FakeHost.h"
#include "support/FakePlatform.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <memory>

// An introduction window made from a choice, as "Show" makes it, and loaded
// on a fake platform (not shown). Its parent stands where the launcher would.
class IntroFixture
{
public:
    // With the script fonts decided as given; by default every legacy font
    // is taken to be installed.
    explicit IntroFixture(const IntroductionChoice &choice, const ScriptFonts &scriptFonts = {});

    IntroEng &window() const { return *introduction; }
    QString caption(int pageLabel) const;
    QStringList page() const;
    void clickSubject(int subject) const;

    FakePlatform platform;
    FakeHost host;
    QWidget opener;
    std::unique_ptr<IntroEng> introduction;
};

// The caption of a page label, Label8 to Label21, of an introduction window.
QString pageCaption(const IntroEng &window, int pageLabel);
// The captions of Label8 to Label21.
QStringList pageOf(const IntroEng &window);
// A click on the subject's button, Command3D4 (1) to Command3D10 (7).
void clickSubject(const IntroEng &window, int subject);
// The names of page labels: 8 -> "Label8".
QStringList pageLabelNames(const QList<int> &numbers);
