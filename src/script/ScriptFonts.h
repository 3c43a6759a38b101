#pragma once

#include "LegacyFonts.h"
#include "ScriptText.h"

#include <QStringList>

#include <array>
#include <functional>

// How the user asked for script texts to be shown (--script-text).
enum class ScriptTextOption { Auto, Legacy, Unicode };

// How script texts are shown, decided once at start-up for each legacy font.
//
// Where the legacy font's own family is installed, its glyph codes are shown
// in it as designed. Where it is missing (on nearly every machine), the glyph
// codes would show as Latin-1 letters, so the texts are shown instead as their
// Unicode text in a real font of the script. The user's option overrides the
// choice for all four fonts. Where the legacy font is shown, a text whose
// Unicode was mended beyond its codes is still shown in Unicode: its codes
// would show the word that was wrong.
class ScriptFonts final
{
public:
    // The system's installed font families, and those that the font system
    // offers for a script (its best matches come first).
    struct Catalog {
        QStringList families;
        std::function<QStringList(LegacyFont)> familiesForScript;
    };

    // Every legacy font shown as designed.
    ScriptFonts() = default;

    static ScriptFonts choose(ScriptTextOption option, const Catalog &installed);

    bool showsUnicode(LegacyFont font) const { return unicode_[index(font)]; }
    // Whether the text is shown as its glyph codes in the legacy font: where
    // that font is shown and the codes spell the text. Otherwise its Unicode
    // is shown, in a real font of the script.
    bool showsGlyphCodes(LegacyFont font, const ScriptText &text) const;
    // The real font of the script that its Unicode text is shown in; empty
    // where the system has none (Qt's own fallback then picks one).
    QString unicodeFamily(LegacyFont font) const { return families_[index(font)]; }

    // Families made for each script, most preferred first, across the
    // systems the program runs on.
    static QStringList preferredFamilies(LegacyFont font);

private:
    static std::size_t index(LegacyFont font) { return std::size_t(font); }

    std::array<bool, 4> unicode_{};
    std::array<QString, 4> families_;
};
