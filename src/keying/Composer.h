#pragma once

#include "KeyMap.h"
#include "Syllable.h"

#include <QString>

namespace Keying {

// The keying engine: turns the keys typed so far into script text, one key
// at a time, as the pages teach it.
//
// Consonants typed one after the other join into a conjunct. A consonant
// shows its virama until what follows decides: a vowel takes the virama's
// place with its sign, and a space, a punctuation mark, a function key or
// any other key that the scheme does not know ends the syllable with the
// inferred a ("aak" shows आक्, "k" then Return gives क). Such keys pass
// through unchanged. A sign (a nasal, the visarga, the virama) needs the
// letter it belongs to: with none before it, its key passes through too,
// so the text never holds a sign without its letter.
//
// Where the keys so far could still grow into a longer run ("s" before
// "sh"), the text shows what they are now and changes with the next key.
class Composer
{
public:
    explicit Composer(LegacyFont script);

    void type(QStringView keys);
    void type(QChar key) { type(QStringView(&key, 1)); }

    // The script text of every key typed so far.
    QString text() const;

private:
    // The text written so far and where its last syllable stands.
    struct Written {
        QString text;
        Syllable at = Syllable::Open;
    };

    // Writes the runs of keys at the front of `keys` and says how many keys
    // it wrote; unless `all`, it keeps back a run that could still grow into
    // a longer one.
    static qsizetype write(Written &written, QStringView keys, const KeyMap &map, bool all);

    friend QString compose(LegacyFont script, QStringView keys);

    const KeyMap *map_;
    Written written_;
    QString pending_;
};

// The script text that `keys` give, all of them at once: as a Composer
// gives it once they are typed one by one.
QString compose(LegacyFont script, QStringView keys);

} // namespace Keying
