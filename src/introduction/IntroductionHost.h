#pragma once

// What the introduction window asks of the window that opens it: after
// "Restart Introduction" that window shows the state from which a new choice
// starts.
class IntroductionHost
{
public:
    virtual ~IntroductionHost() = default;

    virtual void showRestartState() = 0;

protected:
    IntroductionHost() = default;
    IntroductionHost(const IntroductionHost &) = default;
    IntroductionHost &operator=(const IntroductionHost &) = default;
};
