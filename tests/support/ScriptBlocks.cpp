#include "ScriptBlocks.h"

bool inScriptBlock(LegacyFont font, char16_t c)
{
    switch (font) {
    case LegacyFont::Devanagari:
        return c >= 0x0900 && c <= 0x097F;
    case LegacyFont::Bengali:
        return c >= 0x0980 && c <= 0x09FF;
    case LegacyFont::Gurumukhi:
        return c >= 0x0A00 && c <= 0x0A7F;
    case LegacyFont::Gujarati:
        return c >= 0x0A80 && c <= 0x0AFF;
    }
    return false;
}

namespace {

// The four scripts' blocks share one layout: the same offset is the same
// kind of character in each.
enum class Class { Other, Letter, Consonant, Nukta, VowelSign, Virama, Nasal };

Class classOf(char16_t c)
{
    if (c < 0x0900 || c > 0x0AFF)
        return Class::Other;
    const int offset = c & 0x7F;
    const bool gurumukhi = c >= 0x0A00 && c <= 0x0A7F;
    if ((offset >= 0x15 && offset <= 0x39) || (offset >= 0x58 && offset <= 0x5F) || offset == 0x4E)
        return Class::Consonant;
    if ((offset >= 0x05 && offset <= 0x14) || offset == 0x60 || offset == 0x61 || (gurumukhi && (offset == 0x72 || offset == 0x73)))
        return Class::Letter;
    if (offset == 0x3C)
        return Class::Nukta;
    if ((offset >= 0x3E && offset <= 0x4C) || offset == 0x62 || offset == 0x63)
        return Class::VowelSign;
    if (offset == 0x4D)
        return Class::Virama;
    if ((offset >= 0x01 && offset <= 0x03) || (gurumukhi && (offset == 0x70 || offset == 0x71)))
        return Class::Nasal;
    return Class::Other;
}

} // namespace

QString malformation(QStringView text)
{
    Class before = Class::Other;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Class now = classOf(text[i].unicode());
        const bool afterConsonant = before == Class::Consonant || before == Class::Nukta;
        const bool afterLetter = afterConsonant || before == Class::Letter || before == Class::VowelSign;
        bool wrong = false;
        switch (now) {
        case Class::Nukta:
            wrong = before != Class::Consonant;
            break;
        case Class::VowelSign:
        case Class::Virama:
            wrong = !afterConsonant;
            break;
        case Class::Nasal:
            wrong = !afterLetter;
            break;
        default:
            break;
        }
        if (wrong)
            return QStringLiteral("U+%1 at %2 follows no letter it can belong to in \"%3\"")
                .arg(int(text[i].unicode()), 4, 16, QLatin1Char('0'))
                .arg(i)
                .arg(text.toString());
        before = now;
    }
    return {};
}
