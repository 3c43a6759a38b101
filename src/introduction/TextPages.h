#pragma once

#include "forms/ScriptText.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
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

// The three text labels, which carry the explanations in the information
// language's font; the other page labels are keying examples and samples.
constexpr bool isTextLabel(int label)
{
    return label == 8 || label == 13 || label == 15;
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
