// A stand-in for a running program instance, for the instance tests: it asks
// the real platform whether another instance runs, prints "other" or "none",
// and then either holds on until its standard input closes ("hold") or ends
// itself at once the way the program does ("exit"). "where" only prints the
// folder in which the instances register.
#include "platform/QtPlatform.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KIntroA"));
    if (argc > 1 && std::strcmp(argv[1], "where") == 0) {
        std::puts(qPrintable(InstanceRegistry::defaultDirectory()));
        return 0;
    }
    QtPlatform platform;
    std::puts(platform.anotherInstanceRunning() ? "other" : "none");
    std::fflush(stdout);
    // Asking again must not repeat any warning.
    platform.anotherInstanceRunning();
    if (argc > 1 && std::strcmp(argv[1], "exit") == 0) {
        platform.terminateNow();
        return 3; // not reached: terminateNow ends the process with status 0
    }
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}
