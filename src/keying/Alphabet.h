#pragma once

#include "Scheme.h"

#include <QString>
#include <QStringList>

#include <vector>

// A script's alphabet as the scheme types it: every letter and sign with its
// keys, in the order the script's own alphabet teaches. The practice window
// and the chart in docs/ are drawn from it.
namespace Keying {

struct ChartCell {
    QString letter; // a letter, or a sign on a dotted circle
    QString sign;   // a vowel's sign on a dotted circle; empty for other cells
    QStringList keys; // the keys taught first, then any others

    // Keys that show the cell in use, with the text they give: a consonant
    // with its a, a vowel alone and after a consonant, a sign after a vowel.
    struct Example {
        QString keys;
        QString text;
    };
    std::vector<Example> examples;
};

enum class Section { Vowels, Consonants, Signs };

struct ChartLine {
    Section section;
    std::vector<ChartCell> cells;
};

std::vector<ChartLine> alphabet(LegacyFont script);

// A consonant with every vowel of the script after it (ka kaa ki kii ...),
// from the keys of the consonant's cell.
std::vector<ChartCell> withEveryVowel(LegacyFont script, const ChartCell &consonant);

// The dotted circle on which a sign is shown alone.
inline constexpr char16_t DottedCircle = u'\u25CC';

} // namespace Keying
