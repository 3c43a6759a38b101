#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// What several suites expect of the windows, written once as the designs give
// it. The suites compare the program against these values, never against the
// program's own tables.
namespace Designed {

// Font weights, on Qt's scale.
inline constexpr int Normal = 400;
inline constexpr int Bold = 700;
inline const QString MsSansSerif = QStringLiteral("MS Sans Serif");
// A colour that the design leaves to the desktop: the window's own.
inline const QColor SystemColour;

// The names the windows show for the information languages and the scripts
// that the launcher hands over, in the order of their enumerations.
inline const QStringList Languages{QStringLiteral("English"), QStringLiteral("Hindi"), QStringLiteral("Bengali")};
inline const QStringList Scripts{QStringLiteral("Devanagari"), QStringLiteral("Bengali"), QStringLiteral("Gujarati"),
                                 QStringLiteral("Gurumukhi")};
// The legacy font face of each script.
inline const QMap<QString, QString> LegacyFaces{{QStringLiteral("Devanagari"), QStringLiteral("KDEV01__")},
                                                {QStringLiteral("Bengali"), QStringLiteral("KBENGAL3")},
                                                {QStringLiteral("Gujarati"), QStringLiteral("KGUJ01__")},
                                                {QStringLiteral("Gurumukhi"), QStringLiteral("KGUR01__")}};

// The introduction's page labels by what a page writes into them: running
// text, Latin keying examples, the script's samples.
inline const QList<int> TextLabels{8, 13, 15};
inline const QList<int> KeyingLabels{9, 11, 16, 18, 20};
inline const QList<int> SampleLabels{10, 12, 14, 17, 19, 21};

} // namespace Designed
