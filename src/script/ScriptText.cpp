#include "ScriptText.h"

#include "GlyphDecoding.h"

#include <QStringList>

ScriptText ScriptText::mended(const QString &wrong, const QString &right) const
{
    Q_ASSERT(unicode.count(wrong) == 1 && wrong != right);
    QString text = unicode;
    return {glyphs, text.replace(wrong, right), false};
}

ScriptText decodedScriptText(LegacyFont font, const QString &glyphCodes)
{
    const QStringList words = GlyphDecoding::toUnicode(font, glyphCodes).split(u' ', Qt::SkipEmptyParts);
    return {glyphCodes, words.join(u' '), true};
}

QString mendedCodes(QString glyphCodes, const QString &wrong, const QString &right)
{
    Q_ASSERT(glyphCodes.count(wrong) == 1);
    return glyphCodes.replace(wrong, right);
}
