#pragma once

#include "script/LegacyFonts.h"

#include <QString>

// A text of a legacy script font: its glyph codes, shown where that font is
// installed, and the same text in Unicode, shown in a real font of the script
// where it is not and spoken by screen readers. A Latin text is both at once.
struct ScriptText {
    QString glyphs;
    QString unicode;

    ScriptText() = default;
    // Not explicit: the Latin rows of the tables stay plain texts.
    ScriptText(const QString &latin)
        : glyphs(latin)
        , unicode(latin)
    {
    }
    ScriptText(QString glyphCodes, QString unicodeText)
        : glyphs(std::move(glyphCodes))
        , unicode(std::move(unicodeText))
    {
    }

    bool isEmpty() const { return glyphs.isEmpty() && unicode.isEmpty(); }

    // The same text with a part of its Unicode put right: a misspelt word,
    // or the whole text where the caption that the codes spell does not read
    // as it should. The glyph codes stay as they are; what is shown and
    // spoken in Unicode is put right.
    ScriptText mended(const QString &wrong, const QString &right) const;

    friend bool operator==(const ScriptText &, const ScriptText &) = default;
};

// Glyph codes whose Unicode text is read from the codes themselves. The
// blanks around them only placed the legacy glyphs and are left out; a run
// of them between words is one blank.
ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes);

// Glyph codes with a word, or the whole text, spelt anew: where the legacy
// font's own texts already show every glyph the right word needs, the
// legacy font shows it right too, and the Unicode read from the codes
// follows.
QString mendedCodes(QString glyphCodes, const QString &wrong, const QString &right);
