#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &one, const QColor &other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableText(const QColor &text, const QColor &background)
{
    if (ratio(text, background) >= Readable)
        return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(black, background) >= ratio(white, background) ? black : white;
}

} // namespace Contrast
