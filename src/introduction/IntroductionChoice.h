#pragma once

#include "script/LegacyFonts.h"

#include <QString>

#include <array>

// The languages the introduction explains in.
enum class InfoLanguage { English, Hindi, Bengali };

inline constexpr std::array<InfoLanguage, 3> AllInfoLanguages{InfoLanguage::English, InfoLanguage::Hindi,
                                                              InfoLanguage::Bengali};

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
