#pragma once

#include "introduction/IntroductionChoice.h"
#include "support/ScriptBlocks.h"

#include <QMetaType>
#include <QString>

Q_DECLARE_METATYPE(InfoLanguage)

// The names the windows show for a language and a script, as designed.
QString designedName(InfoLanguage language);
QString designedName(LegacyFont script);

// For a data function: the columns "language" (InfoLanguage) and "script"
// (LegacyFont), and a row for every information language with every script,
// "Hindi about Bengali".
void addLanguageAndScriptRows();
