#pragma once

#include "script/LegacyFonts.h"

#include <QStringList>

// Keys for the suites of the keying scheme.

// The keys one after the other, as a keyboard sends them: a character
// beyond the Basic Multilingual Plane is one key.
QStringList keysIn(const QString &typed);

// Key strings, the same on every run of the suites: half of them any keys
// (every key the scheme uses, and a blank, punctuation, a digit, Return,
// capitals the scheme leaves alone, a letter of a script and a character
// beyond the Basic Multilingual Plane), half of them the script's own runs
// of keys one after another, mixed with single keys, so that runs which
// only begin longer ones ("lr" of "lrri") meet every key that may follow.
QStringList randomKeyStrings(LegacyFont script, int count, int longest = 16);
