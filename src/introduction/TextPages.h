#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The explanatory text pages as data. A page holds, per subject, the captions
// it writes into the page labels Label8 to Label21 (by label number). Every
// other label that the text page owns on that subject is cleared; the labels
// it does not own are left to the script's sample panel.
struct PageCaption {
    int label = 0;
    QString text;
    // The form shown instead when the script is exactly "Gurumukhi".
    std::optional<QString> gurumukhiText;
};

struct TextPage {
    std::array<std::vector<PageCaption>, 7> subjects; // subject 1 at index 0
};

const TextPage &englishPage();
const TextPage &hindiPage();
const TextPage &bengaliPage();
