#pragma once

#include "edition/IntroA.h"
#include "launcher/IntroPix.h"
#include "support/FakePlatform.h"

// A launcher after its start-up sequence, shown and exposed on a fake
// platform: where most tests of the launcher begin. Check `started` first.
class LauncherFixture
{
public:
    // Of the program's own edition, or of another packaging's.
    explicit LauncherFixture(const IntroA::Edition &edition = IntroA::SetEdition());

    FakePlatform platform;
    IntroPix launcher;
    bool started = false;
};
