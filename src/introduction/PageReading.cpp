#include "PageReading.h"

#include "TextPages.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

std::optional<int> sampleBeside(int keyingLabel)
{
    const auto pair = std::ranges::find(KeyingBesideSample, keyingLabel, &std::pair<int, int>::first);
    if (pair == KeyingBesideSample.end())
        return std::nullopt;
    return pair->second;
}

bool isSampleBesideKeying(int label)
{
    return std::ranges::find(KeyingBesideSample, label, &std::pair<int, int>::second) != KeyingBesideSample.end();
}

} // namespace

std::vector<ReadingStop> pageReading(std::span<const int> order, const std::function<QString(int)> &spokenOf)
{
    std::vector<ReadingStop> stops;
    for (const int label : order) {
        if (isSampleBesideKeying(label))
            continue; // heard with its keying
        const QString own = spokenOf(label).trimmed();
        const std::optional<int> sample = sampleBeside(label);
        const QString given = sample ? spokenOf(*sample).trimmed() : QString();
        if (!own.isEmpty() && !given.isEmpty())
            stops.push_back({label, own + u": "_s + given});
        else if (!own.isEmpty())
            stops.push_back({label, own});
        else if (!given.isEmpty())
            stops.push_back({*sample, given});
    }
    return stops;
}
