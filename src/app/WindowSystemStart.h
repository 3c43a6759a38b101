#pragma once

#include <QString>
#include <QtGlobal>

// Watches over the opening of the window system, that is the construction of
// the application object. Where no platform can start (a display that no
// server answers, an unknown -platform), Qt prints a page of messages and
// aborts; this prints the program's one plain sentence instead and ends the
// process with status 1. What Qt says while the start succeeds is held back
// and passed on unchanged once this guard ends.
class WindowSystemStart final
{
public:
    // `program` is how the user started the program; the sentence repeats
    // it in a command that works.
    explicit WindowSystemStart(const QString &program);
    ~WindowSystemStart();
    Q_DISABLE_COPY_MOVE(WindowSystemStart)

    static QString failureSentence(const QString &program);
};
