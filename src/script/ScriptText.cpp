#include "ScriptText.h"

#include "GlyphDecoding.h"

ScriptText ScriptText::mended(const QString &wrong, const QString &right) const
{
    QString text = unicode;
    return {glyphs, text.replace(wrong, right)};
}

ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes)
{
    return {glyphCodes, GlyphDecoding::toUnicode(font, glyphCodes).trimmed()};
}

QString mendedCodes(QString glyphCodes, const QString &wrong, const QString &right)
{
    Q_ASSERT(glyphCodes.count(wrong) == 1);
    return glyphCodes.replace(wrong, right);
}
