#include "LauncherFixture.h"

#include <QTest>

LauncherFixture::LauncherFixture(const IntroA::Edition &edition)
    : launcher(platform, edition)
{
    if (!launcher.load())
        return;
    launcher.show();
    started = QTest::qWaitForWindowExposed(&launcher);
}
