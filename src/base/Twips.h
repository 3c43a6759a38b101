#pragma once

#include <QRect>

// Window designs are measured in twips (1/1440 inch). At 96 dots per inch a
// device-independent pixel is 15 twips; Qt scales device-independent pixels on
// high-DPI screens, so the whole design scales with them.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(double twips)
{
    const double pixels = twips / PerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const
    {
        return {Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width), Twips::toPixels(height)};
    }
    friend constexpr bool operator==(const Rect &, const Rect &) = default;
};

} // namespace Twips
