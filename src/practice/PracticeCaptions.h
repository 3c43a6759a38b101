#pragma once

#include "base/InfoLanguage.h"

#include <QString>

#include <array>

// The practice window's few captions, in each information language. The
// window's title and the buttons that open it say in English what it is.
struct PracticeCaptions {
    QString script;                     // the heading of the script buttons
    std::array<QString, 4> scriptButtons; // with their access keys, in LegacyFont order
    std::array<QString, 4> scriptNames;   // the names alone
    std::array<QString, 4> inScript;      // "In Devanagari:", above the text the keys give
    QString keys;                       // the label of the keys field, with its access key
    QString allScripts;                 // above the same keys in all four scripts
    QString alphabet;
    QString chartHint;
    QString vowels;
    QString consonants;
    QString signs;
    QString withEveryVowel; // "%1 with every vowel"
    QString close;
    // Where the desktop offers the scheme to every program: %1 is how IBus
    // lists the script's input method, %2 how Fcitx 5 does.
    QString inputMethod;
};

const PracticeCaptions &practiceCaptions(InfoLanguage language);

inline constexpr char16_t PracticeTitle[] = u"Keying Practice";
