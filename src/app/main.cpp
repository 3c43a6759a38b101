#include "CommandLine.h"
#include "WindowSystemStart.h"
#include "base/VersionRecord.h"
#include "edition/IntroA.h"
#include "forms/Fonts.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Before the application object, which needs a display.
    const CommandLine commandLine = CommandLine::parse(arguments);
    if (commandLine.action != CommandLine::Action::Run) {
        QtPlatform platform;
        return commandLine.answer(platform);
    }

    auto windowSystemStart = std::make_unique<WindowSystemStart>(arguments);
    QApplication app(argc, argv);
    windowSystemStart.reset();

    QApplication::setApplicationName(QString::fromUtf16(VersionRecord::Title));
    QApplication::setApplicationVersion(QString::fromUtf16(VersionRecord::FileVersion));
    QApplication::setOrganizationName(QString::fromUtf16(VersionRecord::CompanyName));
    QApplication::setOrganizationDomain(QString::fromUtf16(VersionRecord::WebAddress));
    // Wayland's app id; X11 desktops match the window class to StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral(KINTROA_DESKTOP_ID));
    Fonts::installSubstitutes();

    QtPlatform platform(commandLine.scriptText);
    IntroPix launcher(platform, IntroA::SetEdition());
    if (!launcher.load())
        return EXIT_SUCCESS;
    launcher.show();
    return app.exec();
}
