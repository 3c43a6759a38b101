#include "Syllable.h"

namespace Keying {

Step step(Syllable at, const Unit *unit, QStringView keys, const QString &virama)
{
    const bool consonantBefore = at == Syllable::Consonant;
    const bool vowelBefore = at == Syllable::ShortVowel || at == Syllable::LongVowel;
    // Ending the syllable takes a bare consonant's virama back: its inherent
    // a is spoken.
    const int endSyllable = consonantBefore ? 1 : 0;
    if (!unit)
        return {endSyllable, keys.toString(), Syllable::Open};

    switch (unit->kind) {
    case Kind::Vowel: {
        const Syllable next = unit->shortVowel ? Syllable::ShortVowel : Syllable::LongVowel;
        if (consonantBefore)
            return {1, unit->sign, next};
        return {0, unit->text, next};
    }
    case Kind::Consonant:
        return {0, (vowelBefore && !unit->afterVowel.isEmpty() ? unit->afterVowel : unit->text) + virama,
                Syllable::Consonant};
    case Kind::FinalConsonant:
        return {0, unit->text, Syllable::Open};
    case Kind::Nasal:
    case Kind::Sign: {
        if (at == Syllable::Open)
            return {0, keys.toString(), Syllable::Open};
        // After a bare consonant the sign follows its inherent a, a short vowel.
        const bool shortVowel = consonantBefore || at == Syllable::ShortVowel;
        const bool tippi = unit->kind == Kind::Nasal && shortVowel && !unit->sign.isEmpty();
        return {endSyllable, tippi ? unit->sign : unit->text, Syllable::Open};
    }
    case Kind::Virama:
        // A consonant keeps the virama it shows; with none before, the key
        // stays as typed.
        return {0, consonantBefore ? QString() : keys.toString(), Syllable::Open};
    case Kind::Punctuation:
    case Kind::Geminate:
    case Kind::Conjunct:
        return {endSyllable, unit->text, Syllable::Open};
    }
    return {};
}

} // namespace Keying
