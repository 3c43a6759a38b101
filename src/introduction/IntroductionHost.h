#pragma once

#include <QString>

// What the introduction window needs from the window that opens it. The
// chosen information language and script arrive as the captions of that
// window's two summary labels; taking one reads it and leaves the label
// empty, so the choice is handed over once. "Restart Introduction" puts the
// host back into the state from which a new choice starts.
class IntroductionHost
{
public:
    virtual ~IntroductionHost() = default;

    virtual QString takeLanguageCaption() = 0;
    virtual QString takeScriptCaption() = 0;
    virtual void showRestartState() = 0;

protected:
    IntroductionHost() = default;
    IntroductionHost(const IntroductionHost &) = default;
    IntroductionHost &operator=(const IntroductionHost &) = default;
};
