#pragma once

#include "introduction/IntroductionHost.h"

class QWidget;

// A host for the introduction window that is no window at all: it counts how
// often the introduction asked it to show the state a new choice starts from.
class FakeHost final : public IntroductionHost
{
public:
    void showRestartState() override;

    int restarts = 0;
    // Set by a test that wants to know whether its introduction was still
    // open when the restart state was asked for.
    const QWidget *introduction = nullptr;
    bool introductionOpenWhenRestarted = false;
};
