#include "ScriptFonts.h"

using namespace Qt::StringLiterals;

namespace {

// A real match: the family itself, not a substitute that the font system
// would offer in its place. Family names are compared as the systems do,
// without regard to case.
bool hasFamily(const QStringList &families, const QString &family)
{
    return families.contains(family, Qt::CaseInsensitive);
}

} // namespace

QStringList ScriptFonts::preferredFamilies(LegacyFont font)
{
    // Debian's Lohit and Noto fonts, then the fonts that Windows and macOS
    // ship for the script.
    switch (font) {
    case LegacyFont::Devanagari:
        return {u"Lohit Devanagari"_s, u"Noto Sans Devanagari"_s, u"Nirmala UI"_s, u"Mangal"_s,
                u"Kohinoor Devanagari"_s, u"Devanagari Sangam MN"_s, u"Devanagari MT"_s};
    case LegacyFont::Bengali:
        return {u"Lohit Bengali"_s, u"Noto Sans Bengali"_s, u"Nirmala UI"_s, u"Vrinda"_s,
                u"Kohinoor Bangla"_s, u"Bangla Sangam MN"_s, u"Bangla MN"_s};
    case LegacyFont::Gujarati:
        return {u"Lohit Gujarati"_s, u"Noto Sans Gujarati"_s, u"Nirmala UI"_s, u"Shruti"_s,
                u"Kohinoor Gujarati"_s, u"Gujarati Sangam MN"_s, u"Gujarati MT"_s};
    case LegacyFont::Gurumukhi:
        return {u"Lohit Gurmukhi"_s, u"Noto Sans Gurmukhi"_s, u"Nirmala UI"_s, u"Raavi"_s,
                u"Gurmukhi Sangam MN"_s, u"Gurmukhi MN"_s, u"Gurmukhi MT"_s};
    }
    return {};
}

bool ScriptFonts::showsGlyphCodes(LegacyFont font, const ScriptText &text) const
{
    return !showsUnicode(font) && text.codesSpellUnicode();
}

ScriptFonts ScriptFonts::choose(ScriptTextOption option, const Catalog &installed)
{
    ScriptFonts fonts;
    for (const LegacyFont font : AllLegacyFonts) {
        const std::size_t i = index(font);
        switch (option) {
        case ScriptTextOption::Auto:
            fonts.unicode_[i] = !hasFamily(installed.families, legacyFace(font));
            break;
        case ScriptTextOption::Legacy:
            fonts.unicode_[i] = false;
            break;
        case ScriptTextOption::Unicode:
            fonts.unicode_[i] = true;
            break;
        }
        for (const QString &family : preferredFamilies(font)) {
            if (hasFamily(installed.families, family)) {
                fonts.families_[i] = family;
                break;
            }
        }
        if (fonts.families_[i].isEmpty() && installed.familiesForScript) {
            // No family made for the script: the font system's best match,
            // but never the legacy font, whose codes are not Unicode.
            for (const QString &family : installed.familiesForScript(font)) {
                if (family.compare(legacyFace(font), Qt::CaseInsensitive) != 0) {
                    fonts.families_[i] = family;
                    break;
                }
            }
        }
    }
    return fonts;
}
