#pragma once

#include "introduction/IntroductionHost.h"

#include <QList>

#include <optional>

class QWidget;

// A host for the introduction window that is no window at all: it counts how
// often the introduction asked it to show the state a new choice starts from,
// and records the practice it asked for.
class FakeHost final : public IntroductionHost
{
public:
    void showRestartState() override;
    void showPractice(const IntroductionChoice &choice, QWidget &over) override;

    int restarts = 0;
    QList<IntroductionChoice> practices;
    const QWidget *practiceOver = nullptr;
    // Set by a test that wants to know whether its introduction was still
    // open when the restart state was asked for; empty until it is asked.
    const QWidget *introduction = nullptr;
    std::optional<bool> introductionOpenWhenRestarted;
};
