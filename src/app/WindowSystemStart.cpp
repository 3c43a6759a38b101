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
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;
QByteArray sentence;

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
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        passOn(message.type, context, message.text);
    }
    held.clear();
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg && text.contains(u"platform plugin"_s)) {
        std::fputs(sentence.constData(), stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (type == QtFatalMsg) {
        // Some other fatal error, which Qt ends with an abort once told.
        passOnHeld();
        passOn(type, context, text);
        return;
    }
    held.append({type, context.file, context.function, context.category, context.line, text});
}

} // namespace

QString WindowSystemStart::failureSentence(const QString &program)
{
    return u"%1 cannot open a graphical display; start it in a desktop session, "
           "or under a virtual display with: xvfb-run -a %2\n"_s.arg(QLatin1StringView(VersionRecord::ProgramName), program);
}

WindowSystemStart::WindowSystemStart(const QString &program)
{
    sentence = failureSentence(program).toLocal8Bit();
    previousHandler = qInstallMessageHandler(holdOrFail);
}

WindowSystemStart::~WindowSystemStart()
{
    qInstallMessageHandler(previousHandler);
    passOnHeld();
}
