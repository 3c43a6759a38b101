#include "TextPages.h"

namespace {

// The page labels that every text page owns on a subject (writes or clears),
// in ascending order; empty for a number outside 1 to 7.
std::span<const int> textPageLabels(int subject)
{
    // Together with the sample panels this covers Label8 to Label21 on every
    // subject, so that no caption of one subject is left over on the next.
    static const std::array<std::vector<int>, SubjectCount> owned{{
        {8, 9, 11, 13, 14, 15, 16, 18, 20},
        {8, 9, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21},
        {8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
        {8, 9, 11, 12, 13, 15, 16, 18, 20, 21},
        {8, 9, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21},
        {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
        {8, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
    }};
    if (subject < 1 || subject > SubjectCount)
        return {};
    return owned[std::size_t(subject - 1)];
}

} // namespace

std::vector<LabelCaption> textPageCaptions(const TextPage &page, int subject, LegacyFont script)
{
    std::vector<LabelCaption> captions;
    const std::span<const int> labels = textPageLabels(subject);
    if (labels.empty())
        return captions;
    const bool gurumukhi = script == LegacyFont::Gurumukhi;
    const std::vector<PageCaption> &written = page.subjects[std::size_t(subject - 1)];
    for (const int label : labels) {
        QString text;
        for (const PageCaption &caption : written) {
            if (caption.label == label) {
                text = gurumukhi && caption.gurumukhiText ? *caption.gurumukhiText : caption.text;
                break;
            }
        }
        captions.push_back({label, text});
    }
    return captions;
}
