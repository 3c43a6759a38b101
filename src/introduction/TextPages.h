#pragma once

#include "script/ScriptText.h"

#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The explanatory text pages as data. A page holds, per subject, the captions
// it writes into the page labels Label8 to Label21 (by label number). Every
// other label that the text page owns on that subject is cleared; the labels
// it does not own are left to the script's sample panel.
struct PageCaption {
    int label = 0;
    // Latin, or the glyph codes of the information language's font with
    // the same explanation in Unicode.
    ScriptText text;
    // The form shown instead when the script is exactly "Gurumukhi"; most
    // captions have none and leave it out.
    std::optional<QString> gurumukhiText = std::nullopt;
};

struct TextPage {
    std::array<std::vector<PageCaption>, 7> subjects; // subject 1 at index 0
};

const TextPage &englishPage();
const TextPage &hindiPage();
const TextPage &bengaliPage();

// One caption assignment: page label number, its new caption and, for the
// glyph-code form of a script text, what a screen reader says instead (empty:
// the caption speaks for itself).
struct LabelCaption {
    int label = 0;
    ScriptText text;
    QString spoken = {};
    friend bool operator==(const LabelCaption &, const LabelCaption &) = default;
};

inline constexpr int FirstPageLabel = 8;
inline constexpr int LastPageLabel = 21;
inline constexpr int SubjectCount = 7;

// The three text labels carry the explanations in the information language's
// font, the six sample labels the samples in the script's font; the other
// page labels are keying examples.
inline constexpr std::array<int, 3> TextLabels{8, 13, 15};
inline constexpr std::array<int, 6> SampleLabels{10, 12, 14, 17, 19, 21};

// Each keying label stands left of the sample label that shows what its
// keying gives: {keying, sample}.
inline constexpr std::array<std::pair<int, int>, 5> KeyingBesideSample{{{9, 10}, {11, 12}, {16, 17}, {18, 19}, {20, 21}}};

constexpr bool isTextLabel(int label)
{
    return std::ranges::find(TextLabels, label) != TextLabels.end();
}

// The page labels that every text page owns on a subject (writes or clears),
// in ascending order; the others belong to the sample panel. Empty for a
// number outside 1 to 7.
std::span<const int> textPageLabels(int subject);

// What a text page sets on a subject, in order: each label it owns, ascending,
// with the page's caption for it (its Gurumukhi form when `script` is exactly
// "Gurumukhi" and it has one) or the empty text. Nothing for a number outside
// 1 to 7.
std::vector<LabelCaption> textPageCaptions(const TextPage &page, int subject, const QString &script);
