// Writes the keying scheme out in other forms, from the program's own table:
//   kintroa-keying chart     the chart in Markdown (docs/keying.md)
#include "Chart.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
    error << "usage: kintroa-keying chart\n";
    return 2;
}
