#pragma once

#include "Scheme.h"

#include <QString>

#include <array>
#include <vector>

namespace Keying {

// What one run of keys stands for in one script, ready to be written.
struct Unit {
    Kind kind = Kind::Punctuation;
    QString text; // a vowel's letter, a consonant (a conjunct: with its inner viramas), a sign, a punctuation mark
    // A vowel: its sign after a consonant. A nasal: its form after a short
    // vowel.
    QString sign;
    // A doubled consonant after a vowel, where the script writes it with a
    // sign on that vowel (Gurumukhi ੱਕ); empty elsewhere.
    QString afterVowel;
    bool shortVowel = false;
};

// The keys of one script's scheme as a prefix tree: where a run of keys
// could be the start of a longer one, the longer one wins. Keys are ASCII;
// any other character is no key.
//
// Besides the scheme's rows, Gurumukhi gets one entry for each consonant
// typed twice ("kk", "kkh"), which it writes with addak (tippi for a nasal).
class KeyMap
{
public:
    static const KeyMap &of(LegacyFont script);

    LegacyFont script() const { return script_; }

    struct Match {
        const Unit *unit = nullptr; // none: no run of keys starts here
        qsizetype length = 0;       // how many keys it takes
    };
    // The longest run of keys at the start of `keys` that the scheme knows.
    Match longestAt(QStringView keys) const;

    // Whether `keys` begin a longer run of keys than themselves.
    bool couldGrow(QStringView keys) const;

    // Every run of keys with its unit, for those who write the scheme out
    // in another form.
    struct Entry {
        QString keys;
        const Unit *unit;
    };
    std::vector<Entry> entries() const;

    qsizetype longestKeys() const { return longestKeys_; }

    // The sign that a consonant shows until a vowel or the syllable's end
    // decides.
    const QString &virama() const { return virama_; }

private:
    explicit KeyMap(LegacyFont script);
    void add(const QString &keys, Unit unit);
    void addGeminates();
    void walk(int node, QString &keys, std::vector<Entry> &out) const;

    struct Node {
        std::array<short, 128> next;
        int unit = -1;
        Node() { next.fill(-1); }
    };

    LegacyFont script_;
    QString virama_;
    std::vector<Node> nodes_;
    std::vector<Unit> units_;
    qsizetype longestKeys_ = 0;
};

} // namespace Keying
