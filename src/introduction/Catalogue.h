#pragma once

#include "TextPages.h"
#include "script/LegacyFonts.h"
#include "script/ScriptText.h"

#include <QString>

#include <array>
#include <span>

// What the introduction window sets at load for the chosen information
// language (font face of the subject buttons, heading and text labels; the
// captions of the seven subject buttons and the heading; the text page its
// subjects show) and for the chosen script (the legacy font of the sample
// labels and of the samples they show).
namespace Catalogue {

struct LanguageEntry {
    QString language;
    QString fontFace;
    std::array<ScriptText, 7> subjectCaptions; // subject 1 to 7
    ScriptText heading;
    const TextPage &(*textPage)();
};

struct ScriptEntry {
    QString script;
    LegacyFont font;
};

std::span<const LanguageEntry> languages();
std::span<const ScriptEntry> scripts();

// What a screen reader says for the subject buttons and their heading where
// their captions are Latin, in capitals.
std::span<const QString> spokenSubjects();
QString spokenHeading();

// The first row whose name equals the given one exactly (whole text, same
// case), or nullptr: an unknown name selects nothing.
const LanguageEntry *findLanguage(const QString &language);
const ScriptEntry *findScript(const QString &script);

} // namespace Catalogue
