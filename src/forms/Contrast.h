#pragma once

#include <QColor>

// How well a text stands out from its background: the WCAG 2 contrast ratio
// of their relative luminances, from 1 (the same colour) to 21 (black on
// white).
namespace Contrast {

// Ordinary text reads at this ratio or better (WCAG 2, level AA).
inline constexpr double Readable = 4.5;

double luminance(const QColor &colour);
double ratio(const QColor &one, const QColor &other);

// The text colour as given where it reads on the background; otherwise black
// or white, whichever stands out more.
QColor readableText(const QColor &text, const QColor &background);

} // namespace Contrast
