#pragma once

#include "script/LegacyFonts.h"

#include <QList>
#include <QStringView>

#include <array>
#include <span>

// The keying scheme: which Latin keys type which letter, one row per sound,
// with what that sound is written as in each of the four scripts. The same
// keys stand for the same sound in every script. Everything that shows the
// scheme (the engine, the practice window's alphabet, the chart in docs/,
// the desktop input methods) is made from these rows.
namespace Keying {

enum class Kind {
    Vowel,          // a letter of its own where a syllable starts, a sign after a consonant
    Consonant,      // joins the consonant before it; shows its virama until a vowel or a terminator follows
    FinalConsonant, // a consonant written with its virama built in, which ends the syllable (Bengali ৎ)
    Nasal,          // nasalises the vowel before it (anusvara, candrabindu; in Gurumukhi bindi or tippi)
    Sign,           // another sign after a vowel (visarga)
    Virama,         // keeps the consonant's virama and ends the syllable
    Punctuation,    // ends the syllable, as every key that the scheme does not know does
    Geminate,       // not a key of its own: a consonant typed twice (the Gurumukhi addak)
    Conjunct,       // not a key of its own: consonants typed one after the other
};

// Where a row stands in the alphabet, in the order the scripts' own
// alphabets teach: the vowels, the consonants by where they are spoken, then
// the rest.
enum class Group {
    Vowels,
    Velar,
    Palatal,
    Retroflex,
    Dental,
    Labial,
    Semivowels,
    Sibilants,
    Additional,
    Conjuncts,
    Signs,
};

enum Trait {
    Plain = 0,
    ShortVowel = 0x1,     // a, i, u, rri: Gurumukhi nasalises them with tippi
    NasalConsonant = 0x2, // Gurumukhi doubles a nasal with tippi, any other consonant with addak
};

// What one row writes in one script. Empty where the script has no letter
// for the sound: its keys then fall back on shorter ones.
struct Forms {
    QStringView letter;
    // A vowel: its sign after a consonant (none for the inherent a).
    // A nasal: its form after a short vowel, where the script writes that
    // otherwise (Gurumukhi tippi; letter is bindi).
    QStringView sign = {};
};

struct Row {
    QStringView keys; // blank-separated where a sound has more than one; the first is the one taught
    Kind kind;
    Group group;
    std::array<Forms, 4> forms; // in LegacyFont order: Devanagari, Bengali, Gujarati, Gurumukhi
    int traits = Plain;

    const Forms &in(LegacyFont script) const { return forms[std::size_t(script)]; }
};

std::span<const Row> schemeRows();

// The keys of a row, the one taught first.
QList<QStringView> keysOf(const Row &row);

} // namespace Keying
