#pragma once

#include <QRect>
#include <QString>

// How the suites write what they expect.

// Glyph codes as hexadecimal pairs: "41 20 C9" -> the three characters
// U+0041 U+0020 U+00C9.
QString fromCodes(const char *codes);

// A rectangle of pixels in twips, the unit of the window designs.
QRect inTwips(const QRect &pixels);
