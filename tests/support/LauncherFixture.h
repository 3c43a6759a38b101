#pragma once

#include "edition/IntroA.h"
#include "launcher/IntroPix.h"
#include "support/FakePlatform.h"

// A launcher after its start-up sequence, shown and exposed on a fake
// platform: where most tests of the launcher begin. Check `started` first.
class LauncherFixture
{
public:
    LauncherFixture();

    FakePlatform platform;
    IntroPix launcher{platform};
    bool started = false;
};

// What the suites do to a launcher that no user can (a friend of IntroPix).
class IntroPixTestAccess
{
public:
    // The edition of another packaging of the program; SetCmdBtns then shows
    // its scripts.
    static void setEdition(IntroPix &launcher, const IntroA::Edition &edition);
};
