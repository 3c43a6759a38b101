#pragma once

#include "script/LegacyFonts.h"
#include "script/ScriptText.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The explanatory text pages as data. A page holds, per subject, the captions
// it writes into the page labels Label8 to Label21 (by label number). Every
// other label that the text page owns on that subject is cleared; the labels
// it does not own are left to the script's sample panel.
//
// Every caption of a page is a plain text: the keying examples in Latin
// letters, the explanations in the information language, Hindi and Bengali
// ones in Unicode. They have no glyph codes: of the legacy fonts the program
// knows only the glyphs that the windows' captions and samples use, too few
// to write a paragraph with, so the window shows these explanations in a
// real font of the script even where the legacy font is installed.
struct PageCaption {
    int label = 0;
    QString text;
    // The form shown instead when the page is about Gurumukhi; most captions
    // have none and leave it out.
    std::optional<QString> gurumukhiText = std::nullopt;
};

struct TextPage {
    std::array<std::vector<PageCaption>, 7> subjects; // subject 1 at index 0
};

const TextPage &englishPage();
const TextPage &hindiPage();
const TextPage &bengaliPage();

// One caption assignment: page label number and its new caption.
struct LabelCaption {
    int label = 0;
    ScriptText text;
    friend bool operator==(const LabelCaption &, const LabelCaption &) = default;
};

inline constexpr int FirstPageLabel = 8;
inline constexpr int LastPageLabel = 21;
inline constexpr int SubjectCount = 7;

// The three text labels carry the explanations in the information language,
// the six sample labels the samples in the script's font; the other page
// labels are keying examples.
inline constexpr std::array<int, 3> TextLabels{8, 13, 15};
inline constexpr std::array<int, 6> SampleLabels{10, 12, 14, 17, 19, 21};

// Each keying label stands left of the sample label that shows what its
// keying gives: {keying, sample}.
inline constexpr std::array<std::pair<int, int>, 5> KeyingBesideSample{{{9, 10}, {11, 12}, {16, 17}, {18, 19}, {20, 21}}};

// What a text page sets on a subject, in order: each label it owns, ascending,
// with the page's caption for it (its Gurumukhi form when the page is about
// Gurumukhi and it has one) or the empty text. Every text page owns the same
// labels on a subject, and the sample panel the others. Nothing for a number
// outside 1 to 7.
std::vector<LabelCaption> textPageCaptions(const TextPage &page, int subject, LegacyFont script);
