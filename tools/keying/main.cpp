// Writes the keying scheme out in other forms, from the program's own table:
//   kintroa-keying chart            the chart in Markdown (docs/keying.md)
//   kintroa-keying m17n SCRIPT      the m17n input method of devanagari,
//                                   bengali, gujarati or gurumukhi
//                                   (hi-korvani.mim ...)
#include "Chart.h"
#include "InputMethodFile.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

std::optional<LegacyFont> scriptNamed(const QString &name)
{
    const QString names[]{u"devanagari"_s, u"bengali"_s, u"gujarati"_s, u"gurumukhi"_s};
    for (const LegacyFont script : AllLegacyFonts)
        if (names[std::size_t(script)] == name)
            return script;
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QTextStream error(stderr);
    if (arguments.size() == 2 && arguments[1] == QLatin1String("chart")) {
        out << keyingChart();
        return 0;
    }
    if (arguments.size() == 3 && arguments[1] == QLatin1String("m17n")) {
        if (const std::optional<LegacyFont> script = scriptNamed(arguments[2])) {
            out << m17nInputMethod(*script);
            return 0;
        }
    }
    error << "usage: kintroa-keying chart\n"
             "       kintroa-keying m17n devanagari|bengali|gujarati|gurumukhi\n";
    return 2;
}
