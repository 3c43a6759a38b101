#include "CommandLine.h"

#include "base/VersionRecord.h"
#include "platform/Platform.h"

#include <QCommandLineParser>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The options QGuiApplication and QApplication read from the command line and
// remove before the program sees it; the first group takes a value.
const QStringList QtValueOptions{
    u"platform"_s, u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s, u"qwindowgeometry"_s,
    u"qwindowicon"_s, u"qwindowtitle"_s, u"session"_s, u"display"_s, u"geometry"_s, u"style"_s,
    u"stylesheet"_s, u"qmljsdebugger"_s,
};
const QStringList QtFlagOptions{u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s, u"sync"_s};

QString scriptTextNames()
{
    return u"auto, legacy or unicode"_s;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-platform offscreen" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf16(VersionRecord::FileDescription));
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and exit."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Show the version and exit."_s);
    const QCommandLineOption scriptText(
        u"script-text"_s,
        u"Show captions and samples in the scripts as the legacy fonts' glyph codes (legacy), as Unicode text "
        "(unicode), or as the installed fonts allow (auto, the default). Hindi and Bengali explanations, and "
        "texts whose glyph codes would misspell them, are always Unicode text."_s,
        u"mode"_s, u"auto"_s);
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(scriptText);
    for (const QString &name : QtValueOptions) {
        QCommandLineOption option(name, QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : QtFlagOptions) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    const auto refuse = [&result](const QString &reason) {
        result.action = Action::Refuse;
        result.text = u"%1: %2\nTry '%1 --help' for more information.\n"_s.arg(QLatin1StringView(VersionRecord::ProgramName), reason);
        return result;
    };

    if (!parser.parse(arguments.isEmpty() ? QStringList{QString::fromLatin1(VersionRecord::ProgramName)} : arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(u"unexpected argument '%1'."_s.arg(parser.positionalArguments().constFirst()));

    if (parser.isSet(help)) {
        result.action = Action::ShowHelp;
        // Qt's usage line names the executable of the application object,
        // which does not exist yet.
        const QString help = parser.helpText();
        result.text = u"Usage: %1 [options]"_s.arg(QLatin1StringView(VersionRecord::ProgramName)) + help.mid(help.indexOf(u'\n'));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = Action::ShowVersion;
        result.text = u"%1 %2.%3.%4\n"_s.arg(QLatin1StringView(VersionRecord::ProgramName))
                          .arg(VersionRecord::Major)
                          .arg(VersionRecord::Minor)
                          .arg(VersionRecord::Revision);
        return result;
    }

    const QString mode = parser.value(scriptText);
    if (mode == u"auto"_s)
        result.scriptText = ScriptTextOption::Auto;
    else if (mode == u"legacy"_s)
        result.scriptText = ScriptTextOption::Legacy;
    else if (mode == u"unicode"_s)
        result.scriptText = ScriptTextOption::Unicode;
    else
        return refuse(u"--script-text must be %1, not '%2'."_s.arg(scriptTextNames(), mode));
    return result;
}

int CommandLine::answer(Platform &platform) const
{
    const bool refused = action == Action::Refuse;
    if (platform.attachConsole())
        platform.print(text, refused ? Platform::Stream::Error : Platform::Stream::Output);
    else
        platform.tell(text.trimmed(), QString::fromUtf16(VersionRecord::Title));
    return refused ? EXIT_FAILURE : EXIT_SUCCESS;
}
