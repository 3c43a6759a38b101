#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Watches over the opening of the window system, that is the construction of
// the application object. Where no platform can start (a display that no
// server answers, an unknown -platform), Qt prints a page of messages and
// aborts; this prints the program's own advice and, below it, Qt's reason
// (the display it tried, the plugin's words), and ends the process with
// status 1. What Qt says while the start succeeds is held back and passed on
// unchanged once this guard ends.
class WindowSystemStart final
{
public:
    // `arguments` are the program's, its name as the user typed it first:
    // the advice repeats that name in a command that works, and names the
    // display that -display asks for.
    explicit WindowSystemStart(const QStringList &arguments);
    ~WindowSystemStart();
    Q_DISABLE_COPY_MOVE(WindowSystemStart)

    // The whole message of a failed start. `unreachableDisplay` is the X
    // display that the program tried and could not reach, empty where no
    // display was named or the failure was another platform's; `namedBy`
    // says where it was named ("DISPLAY" or "-display"). `qtReasons` are
    // Qt's own lines, printed after the program's sentence.
    static QString failureMessage(const QString &program, const QString &unreachableDisplay, const QString &namedBy,
                                  const QStringList &qtReasons);
};
