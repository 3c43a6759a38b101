#include "VersionRecord.h"
#include "forms/Fonts.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long message; say it plainly.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return platformChosen || display;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("kintroa needs a graphical display; none was found. "
                   "Start it from a desktop session, or under a virtual one with: xvfb-run build/kintroa\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(VersionRecord::Title));
    QApplication::setApplicationVersion(QString::fromUtf16(VersionRecord::FileVersion));
    QApplication::setOrganizationName(QString::fromUtf16(VersionRecord::CompanyName));
    QApplication::setOrganizationDomain(QString::fromUtf16(VersionRecord::WebAddress));
    QGuiApplication::setDesktopFileName(QStringLiteral("kintroa"));
    Fonts::installSubstitutes();

    QtPlatform platform;
    IntroPix launcher(platform);
    if (!launcher.load())
        return EXIT_SUCCESS;
    launcher.show();
    return app.exec();
}
