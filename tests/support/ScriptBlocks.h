#pragma once

#include "script/LegacyFonts.h"

#include <QMetaType>
#include <QString>

Q_DECLARE_METATYPE(LegacyFont)

// Whether a character lies in the Unicode block of the font's script.
bool inScriptBlock(LegacyFont font, char16_t c);

// What is wrong with a text in an Indian script, or nothing where it is well
// formed: a vowel sign, virama or nukta that follows no consonant, or a
// nasal, visarga or addak that follows no letter or vowel sign.
QString malformation(QStringView text);
