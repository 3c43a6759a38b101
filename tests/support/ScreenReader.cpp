#include "ScreenReader.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QPlatformAccessibility *platformAccessibility()
{
    QPlatformIntegration *integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
}

} // namespace

ScreenReader::ScreenReader()
{
    if (QPlatformAccessibility *accessibility = platformAccessibility())
        accessibility->setActive(true);
}

ScreenReader::~ScreenReader()
{
    QAccessible::installUpdateHandler(nullptr);
    if (QPlatformAccessibility *accessibility = platformAccessibility())
        accessibility->setActive(false);
}

bool ScreenReader::working() const
{
    return QAccessible::isActive();
}
