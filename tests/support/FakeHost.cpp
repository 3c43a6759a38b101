#include "FakeHost.h"

#include <QWidget>

void FakeHost::showRestartState()
{
    ++restarts;
    introductionOpenWhenRestarted = introduction && introduction->isVisible();
}

void FakeHost::showPractice(const IntroductionChoice &choice, QWidget &over)
{
    practices.append(choice);
    practiceOver = &over;
}
