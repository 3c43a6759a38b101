#pragma once

#include "base/InfoLanguage.h"
#include "script/LegacyFonts.h"

#include <QString>

// What "Show" hands to the introduction window: the language of its
// explanations and the script it is about, whose legacy font shows the
// samples.
struct IntroductionChoice {
    InfoLanguage language = InfoLanguage::English;
    LegacyFont script = LegacyFont::Devanagari;

    friend bool operator==(const IntroductionChoice &, const IntroductionChoice &) = default;
};

// The names the windows show and speak for a language or a script:
// "English", "Hindi", "Bengali"; "Devanagari", "Bengali", "Gujarati",
// "Gurumukhi".
QString displayName(InfoLanguage language);
QString displayName(LegacyFont script);
