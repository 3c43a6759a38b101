#include "FakeHost.h"

#include <QWidget>

void FakeHost::showRestartState()
{
    ++restarts;
    introductionOpenWhenRestarted = introduction && introduction->isVisible();
}
