#include "ScriptText.h"

#include "GlyphDecoding.h"

ScriptText ScriptText::respelled(const QString &misspelt, const QString &correct) const
{
    QString mended = unicode;
    return {glyphs, mended.replace(misspelt, correct)};
}

ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes)
{
    return {glyphCodes, GlyphDecoding::toUnicode(font, glyphCodes).trimmed()};
}
