#include "LauncherFixture.h"

#include <QTest>

LauncherFixture::LauncherFixture()
{
    if (!launcher.load())
        return;
    launcher.show();
    started = QTest::qWaitForWindowExposed(&launcher);
}
