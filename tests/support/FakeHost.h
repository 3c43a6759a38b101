#pragma once

#include "introduction/IntroductionHost.h"

#include <optional>

class QWidget;

// A host for the introduction window that is no window at all: it counts how
// often the introduction asked it to show the state a new choice starts from.
class FakeHost final : public IntroductionHost
{
public:
    void showRestartState() override;

    int restarts = 0;
    // Set by a test that wants to know whether its introduction was still
    // open when the restart state was asked for; empty until it is asked.
    const QWidget *introduction = nullptr;
    std::optional<bool> introductionOpenWhenRestarted;
};
