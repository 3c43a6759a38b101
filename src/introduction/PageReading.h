#pragma once

#include <QString>

#include <functional>
#include <span>
#include <vector>

// How a listener goes through a subject page: one stop for each thing that a
// sighted reader takes in, in the page's reading order. A keying example and
// the script sample beside it make one stop, "kaa: का", so that what is typed
// and what it gives are heard together. A label with nothing to say is no
// stop, and a sample beside an empty keying label is a stop of its own.
struct ReadingStop {
    int label = 0;  // the page label that takes the focus
    QString spoken; // what a screen reader says there
    friend bool operator==(const ReadingStop &, const ReadingStop &) = default;
};

// `order` holds the page labels in reading order; `spokenOf` tells what a
// label says on its own.
std::vector<ReadingStop> pageReading(std::span<const int> order, const std::function<QString(int)> &spokenOf);
