#include "LauncherFixture.h"

#include <QTest>

LauncherFixture::LauncherFixture()
{
    if (!launcher.load())
        return;
    launcher.show();
    started = QTest::qWaitForWindowExposed(&launcher);
}

void IntroPixTestAccess::setEdition(IntroPix &launcher, const IntroA::Edition &edition)
{
    launcher.edition_ = edition;
}
