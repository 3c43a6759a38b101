#pragma once

#include "IntroductionChoice.h"

class QWidget;

// What the introduction window asks of the window that opens it: after
// "Restart Introduction" that window shows the state from which a new choice
// starts; "Try the Keys" opens the keying practice over the introduction, on
// its language and script.
class IntroductionHost
{
public:
    virtual ~IntroductionHost() = default;

    virtual void showRestartState() = 0;
    virtual void showPractice(const IntroductionChoice &choice, QWidget &over) = 0;

protected:
    IntroductionHost() = default;
    IntroductionHost(const IntroductionHost &) = default;
    IntroductionHost &operator=(const IntroductionHost &) = default;
};
