#pragma once

#include "KeyMap.h"

#include <QString>

namespace Keying {

// Where the syllable being typed stands.
enum class Syllable {
    Open,       // nothing pending: a sign here has no letter to go with and stays its keys
    Consonant,  // a consonant showing its virama, until a vowel or the syllable's end decides
    ShortVowel, // after a short vowel (Gurumukhi nasalises it with tippi)
    LongVowel,
};

// What one run of keys does to the text typed so far: how many characters
// it takes back from the end (a consonant's virama), what it adds, and
// where the syllable then stands.
struct Step {
    int takenBack = 0;
    QString added;
    Syllable next = Syllable::Open;
};

// The step of the keys `keys` in the syllable standing at `at`, where they
// stand for `unit` in the script's map (none: keys the scheme does not
// know, which pass through). The engine types by these steps, and the
// desktop input methods are written from them.
Step step(Syllable at, const Unit *unit, QStringView keys, const QString &virama);

} // namespace Keying
