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
