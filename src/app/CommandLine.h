#pragma once

#include "script/ScriptFonts.h"

class Platform;

#include <QString>
#include <QStringList>

// What the command line asks of the program. Parsed before any window system
// is opened, so that --help and --version work without a display. Qt's own
// options (-platform, -display, -style, ...) are accepted and left to Qt.
struct CommandLine {
    enum class Action {
        Run,         // start the program
        ShowHelp,    // print `text` on standard output, exit 0
        ShowVersion, // likewise
        Refuse,      // print `text` on standard error, exit 1
    };

    Action action = Action::Run;
    ScriptTextOption scriptText = ScriptTextOption::Auto;
    QString text;

    // `arguments` as the program got them, its own name first.
    static CommandLine parse(const QStringList &arguments);

    // Gives the user `text` (help, the version or the reason for refusing)
    // and returns the exit status: printed where the program has a console,
    // shown in a message box where it has none. Not for Action::Run.
    int answer(Platform &platform) const;
};
