#pragma once

#include "script/LegacyFonts.h"

#include <QString>

// Reads glyph-code texts of the four legacy script fonts as Unicode text.
//
// A legacy font draws a syllable from pieces in visual order: the i-sign
// stands before its consonant, the reph (र् over the cluster) after it, a
// consonant is often a half form closed by a stem or a hook, and vowels are
// built from a letter and a sign. The decoding gathers each syllable's pieces
// and writes them out in Unicode's logical order: reph, consonant cluster,
// vowel signs. A code that the font's table does not know becomes U+FFFD.
namespace GlyphDecoding {

QString toUnicode(LegacyFont font, const QString &glyphCodes);

} // namespace GlyphDecoding
