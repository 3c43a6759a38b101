#include "ScriptFaces.h"

#include <QVariant>
#include <QWidget>

namespace ScriptFaces {

namespace {

const char *const ShowsUnicodeProperty = "showsUnicode";
// The size the design gives the control, kept while a Unicode face takes
// another, so that glyph codes shown after Unicode take it again.
const char *const DesignedPointsProperty = "designedPoints";

void setLegacyFace(QWidget &control, LegacyFont font)
{
    QFont face = control.font();
    face.setFamilies({legacyFace(font)});
    if (const QVariant designed = control.property(DesignedPointsProperty); designed.isValid())
        face.setPointSizeF(designed.toDouble());
    control.setFont(face);
    control.setProperty(ShowsUnicodeProperty, false);
}

} // namespace

double unicodePoints(LegacyFont font, Role role)
{
    // The scripts' fonts are taller than the Latin ones the boxes were drawn
    // for; these sizes let every caption of a role fit its box.
    struct Sizes {
        double text;
        double sample;
        double button;
    };
    static constexpr Sizes sizes[] = {
        {13.5, 13.5, 13.5}, // Devanagari
        {13.5, 13.5, 13.5}, // Bengali
        {13.5, 13.5, 13.5}, // Gujarati
        {13.5, 12.0, 13.5}, // Gurumukhi
    };
    const Sizes &row = sizes[std::size_t(font)];
    switch (role) {
    case Role::Text:
        return row.text;
    case Role::Sample:
        return row.sample;
    case Role::Button:
        return row.button;
    }
    return row.text;
}

void setFace(QWidget &control, LegacyFont font, Role role, const ScriptFonts &fonts)
{
    if (fonts.showsUnicode(font))
        setUnicodeFace(control, font, role, fonts);
    else
        setLegacyFace(control, font);
}

QString setFaceFor(QWidget &control, const ScriptText &text, LegacyFont font, Role role, const ScriptFonts &fonts)
{
    if (fonts.showsGlyphCodes(font, text)) {
        setLegacyFace(control, font);
        return text.glyphs;
    }
    setUnicodeFace(control, font, role, fonts);
    return text.unicode;
}

void setUnicodeFace(QWidget &control, LegacyFont font, Role role, const ScriptFonts &fonts)
{
    QFont face = control.font();
    if (!control.property(DesignedPointsProperty).isValid())
        control.setProperty(DesignedPointsProperty, face.pointSizeF());
    const QString family = fonts.unicodeFamily(font);
    face.setFamilies(family.isEmpty() ? QStringList() : QStringList{family});
    face.setPointSizeF(unicodePoints(font, role));
    control.setFont(face);
    control.setProperty(ShowsUnicodeProperty, true);
}

void setLatinFace(QWidget &control, const QString &face)
{
    QFont font = control.font();
    font.setFamilies({face});
    control.setFont(font);
    control.setProperty(ShowsUnicodeProperty, false);
}

bool showsUnicode(const QWidget &control)
{
    return control.property(ShowsUnicodeProperty).toBool();
}

} // namespace ScriptFaces
