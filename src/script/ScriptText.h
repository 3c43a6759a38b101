#pragma once

#include "script/LegacyFonts.h"

#include <QString>

// A text of a legacy script font: its glyph codes, shown where that font is
// installed, and the same text in Unicode, shown in a real font of the script
// where it is not and spoken by screen readers. A Latin text is both at once.
//
// A script text is read from its codes (decodedScriptText) and then perhaps
// mended; it knows whether its codes still spell its Unicode.
class ScriptText
{
public:
    QString glyphs;
    QString unicode;

    ScriptText() = default;
    // Not explicit: the Latin rows of the tables stay plain texts.
    ScriptText(const QString &latin)
        : glyphs(latin)
        , unicode(latin)
    {
    }

    bool isEmpty() const { return glyphs.isEmpty() && unicode.isEmpty(); }

    // Whether the glyph codes spell the Unicode text: so for a text read
    // from its codes and for a Latin one, no longer once its Unicode is
    // mended beyond what the codes can show.
    bool codesSpellUnicode() const { return codesSpellUnicode_; }

    // The same text with a part of its Unicode put right: a misspelt word,
    // or the whole text where the caption that the codes spell does not read
    // as it should. The glyph codes stay as they are and no longer spell
    // what is shown in Unicode and spoken.
    ScriptText mended(const QString &wrong, const QString &right) const;

    friend bool operator==(const ScriptText &, const ScriptText &) = default;
    friend ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes);

private:
    ScriptText(QString glyphCodes, QString unicodeText, bool codesSpellUnicode)
        : glyphs(std::move(glyphCodes))
        , unicode(std::move(unicodeText))
        , codesSpellUnicode_(codesSpellUnicode)
    {
    }

    bool codesSpellUnicode_ = true;
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
