#pragma once

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
