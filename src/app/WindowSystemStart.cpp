#include "WindowSystemStart.h"

#include "base/VersionRecord.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// A message as Qt gave it, with its context kept alive.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;

    QMessageLogContext context() const
    {
        return QMessageLogContext(file.constData(), line, function.constData(), category.constData());
    }
};

// The state of the one guard there is, for Qt's message handler, which takes
// no pointer of its own.
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;
QString programAsStarted;
QString displayOption; // the value of -display, empty where none was given

void passOn(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (previousHandler) {
        previousHandler(type, context, text);
    } else {
        std::fputs(qPrintable(qFormatLogMessage(type, context, text) + u'\n'), stderr);
    }
}

void passOnHeld()
{
    for (const HeldMessage &message : std::as_const(held))
        passOn(message.type, message.context(), message.text);
    held.clear();
}

// Qt's `-display NAME` (also `--display`), which wins over DISPLAY.
QString displayNamedIn(const QStringList &arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == u"-display"_s || arguments.at(i) == u"--display"_s)
            return arguments.at(i + 1);
    }
    return {};
}

// What the platform plugins said before Qt gave up, as Qt would print it,
// and the list of platforms Qt has where the one asked for does not exist.
// Qt's closing advice to reinstall the application is left out: it does not
// fit a display that cannot be reached.
[[noreturn]] void failStart(const QString &fatalText)
{
    QStringList reasons;
    bool x11Failed = false;
    for (const HeldMessage &message : std::as_const(held)) {
        const QByteArrayView category(message.category);
        if (message.type == QtDebugMsg || !category.startsWith("qt.qpa"))
            continue;
        x11Failed = x11Failed || category.startsWith("qt.qpa.xcb");
        reasons << qFormatLogMessage(message.type, message.context(), message.text);
    }
    const qsizetype available = fatalText.indexOf(u"Available platform plugins"_s);
    if (!x11Failed && available >= 0)
        reasons << fatalText.mid(available).trimmed();

    QString display;
    QString namedBy;
    if (x11Failed) {
        display = displayOption;
        namedBy = u"-display"_s;
        if (display.isEmpty()) {
            display = qEnvironmentVariable("DISPLAY");
            namedBy = u"DISPLAY"_s;
        }
    }
    const QString message = WindowSystemStart::failureMessage(programAsStarted, display, namedBy, reasons);
    std::fputs(message.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg && text.contains(u"platform plugin"_s))
        failStart(text);
    if (type == QtFatalMsg) {
        // Some other fatal error, which Qt ends with an abort once told.
        passOnHeld();
        passOn(type, context, text);
        return;
    }
    held.append({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

QString WindowSystemStart::failureMessage(const QString &program, const QString &unreachableDisplay,
                                          const QString &namedBy, const QStringList &qtReasons)
{
    const QLatin1StringView name(VersionRecord::ProgramName);
    QString message;
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    Q_UNUSED(program);
    Q_UNUSED(unreachableDisplay);
    Q_UNUSED(namedBy);
    message = u"%1 cannot open its windows: Qt's window system plugin did not start; installing %1 again may "
              "mend it.\n"_s.arg(name);
#else
    if (!unreachableDisplay.isEmpty()) {
        message = u"%1 cannot open the X display %2 that %3 names: it cannot be reached. Check that its X server "
                  "runs and lets you in, or name one that does; to run without a screen, use a virtual display: "
                  "xvfb-run -a %4\n"_s.arg(name, unreachableDisplay, namedBy, program);
    } else {
        message = u"%1 cannot open a graphical display; start it in a desktop session, or under a virtual display "
                  "with: xvfb-run -a %2\n"_s.arg(name, program);
    }
#endif
    for (const QString &reason : qtReasons)
        message += reason + u'\n';
    return message;
}

WindowSystemStart::WindowSystemStart(const QStringList &arguments)
{
    programAsStarted = arguments.value(0, QLatin1StringView(VersionRecord::ProgramName));
    displayOption = displayNamedIn(arguments);
    previousHandler = qInstallMessageHandler(holdOrFail);
}

WindowSystemStart::~WindowSystemStart()
{
    qInstallMessageHandler(previousHandler);
    passOnHeld();
}
