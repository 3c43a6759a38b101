#pragma once

#include <optional>

class Platform;

// What the keying practice costs, each until the window has painted what
// changed: a key typed at the end of the keys, on an empty field and at the
// end of 100,000 keys, pasted as one line or as lines of about a hundred
// keys (microseconds); the paste itself (milliseconds).
struct PracticeFigures {
    double keyMicros = 0;
    double pasteMillis = 0;
    double keyAfterPasteMicros = 0;
    double linesPasteMillis = 0;
    double keyAfterLinesMicros = 0;
};

inline constexpr int PastedKeys = 100000;

// Opens a practice window and first checks that its field gives what the
// engine gives, in the window and in all four scripts; where it does not,
// it says what it saw and times nothing. Then types `keys` keys one at a
// time, pastes 100,000, and types `keys` more.
std::optional<PracticeFigures> measurePractice(Platform &platform, int keys);
