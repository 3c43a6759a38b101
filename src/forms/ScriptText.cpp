#include "ScriptText.h"

#include "GlyphDecoding.h"

ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes)
{
    return {glyphCodes, GlyphDecoding::toUnicode(font, glyphCodes).trimmed()};
}
