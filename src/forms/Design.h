#pragma once

#include "base/Twips.h"

#include <QFlags>
#include <QString>

#include <optional>
#include <vector>

// A window design as data: the window's own properties and its controls, in
// twips and points, read in the same order as the design tables of the
// program's windows. FormBuilder turns a design into Qt widgets.

namespace Design {

enum class Kind { Button, Label, Picture, Image };

// A colour is either a red, green, blue triple or one of the desktop's
// system colours, resolved when the widgets are built.
struct Colour {
    enum class System { None, WindowBackground, WindowText, ButtonFace, ButtonText };
    System system = System::None;
    int red = 0;
    int green = 0;
    int blue = 0;
    bool isRgb = false;

    constexpr bool isSet() const { return isRgb || system != System::None; }
};

constexpr Colour rgb(int red, int green, int blue)
{
    return {Colour::System::None, red, green, blue, true};
}
inline constexpr Colour WindowBackground{Colour::System::WindowBackground};
inline constexpr Colour WindowText{Colour::System::WindowText};
inline constexpr Colour ButtonFace{Colour::System::ButtonFace};
inline constexpr Colour ButtonText{Colour::System::ButtonText};
inline constexpr Colour Default{};

enum Weight { Normal = 400, Bold = 700 };

struct Font {
    QString face;
    double points = 8.25;
    int weight = Normal;
    bool italic = false;
};

inline Font font(const QString &face, double points, int weight = Normal, bool italic = false)
{
    return {face, points, weight, italic};
}

inline const QString MsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString Arial = QStringLiteral("Arial");

// Label look: 3D or flat, with or without a single-line frame, and the
// alignment of the text. A label without an alignment entry is left-aligned.
enum LabelStyleFlag {
    ThreeD = 0x0,
    Flat = 0x1,
    Framed = 0x2,
    Centred = 0x4,
    RightAligned = 0x8,
};
Q_DECLARE_FLAGS(LabelStyle, LabelStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(LabelStyle)

enum Visibility { Hidden, Visible };

struct Control {
    Kind kind = Kind::Label;
    QString name;
    int index = -1; // element index in a control array, -1 for a single control
    QString caption;
    Twips::Rect rect;
    std::optional<Font> font; // none: the window's font
    Colour back;
    Colour fore;
    LabelStyle style;
    Visibility visible = Visible;
    int tabIndex = 0;
    // Most rows of a design end at the tab index; the defaults below say that
    // leaving these out is meant.
    QString picture = {}; // resource path of the bitmap or icon of pictures and images
    // For screen readers: what a glyph-code caption names, in English (said
    // after its Unicode text).
    QString spokenName = {};
};

struct Timer {
    QString name;
    int intervalMs = 0;
    bool enabled = false;
};

enum class Border { Sizable, FixedDialog };

struct Window {
    QString name;
    QString caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    Border border = Border::Sizable;
    Colour back;
    Colour fore;
    Font font;
    QString icon; // resource path, empty for none
    std::vector<Control> controls; // front to back
    std::vector<Timer> timers;
};

} // namespace Design
