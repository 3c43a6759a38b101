#pragma once

#include "script/LegacyFonts.h"

#include <QMetaType>

Q_DECLARE_METATYPE(LegacyFont)

// Whether a character lies in the Unicode block of the font's script.
bool inScriptBlock(LegacyFont font, char16_t c);
