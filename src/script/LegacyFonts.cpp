#include "LegacyFonts.h"

using namespace Qt::StringLiterals;

QString legacyFace(LegacyFont font)
{
    switch (font) {
    case LegacyFont::Devanagari:
        return u"KDEV01__"_s;
    case LegacyFont::Bengali:
        return u"KBENGAL3"_s;
    case LegacyFont::Gujarati:
        return u"KGUJ01__"_s;
    case LegacyFont::Gurumukhi:
        return u"KGUR01__"_s;
    }
    return {};
}

std::optional<LegacyFont> legacyFontWithFace(const QString &face)
{
    for (const LegacyFont font : AllLegacyFonts)
        if (legacyFace(font) == face)
            return font;
    return std::nullopt;
}
