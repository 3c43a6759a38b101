#pragma once

#include "IntroductionChoice.h"
#include "TextPages.h"
#include "script/ScriptText.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

// What the introduction window sets at load for the chosen information
// language: the script it is written in, which decides the font of the
// subject buttons, heading and text labels, the captions of the seven subject
// buttons and the heading, and the text page its subjects show. The script
// the introduction is about needs no entry: its legacy font is the sample
// labels' font.
namespace Catalogue {

struct LanguageEntry {
    InfoLanguage language;
    // None for a language written in Latin letters, which the window's
    // Latin font shows.
    std::optional<LegacyFont> script;
    std::array<ScriptText, 7> subjectCaptions; // subject 1 to 7
    ScriptText heading;
    const TextPage &(*textPage)();
};

const LanguageEntry &forLanguage(InfoLanguage language);

// What a screen reader says for the subject buttons and their heading where
// their captions are Latin, in capitals.
std::span<const QString> spokenSubjects();
QString spokenHeading();

} // namespace Catalogue
