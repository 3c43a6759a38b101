#include "Composer.h"

namespace Keying {

Composer::Composer(LegacyFont script)
    : map_(&KeyMap::of(script))
{
}

void Composer::type(QStringView keys)
{
    for (const QChar key : keys) {
        pending_.append(key);
        pending_.remove(0, write(written_, pending_, *map_, false));
    }
}

QString Composer::text() const
{
    Written shown = written_;
    write(shown, pending_, *map_, true);
    return shown.text;
}

qsizetype Composer::write(Written &written, QStringView keys, const KeyMap &map, bool all)
{
    qsizetype done = 0;
    while (done < keys.size() && (all || !map.couldGrow(keys.sliced(done)))) {
        const KeyMap::Match match = map.longestAt(keys.sliced(done));
        const qsizetype length = match.unit ? match.length : 1;
        written.write(match, keys.sliced(done, length), map.virama());
        done += length;
    }
    return done;
}

// The consonant before loses its virama: its inherent a is spoken.
void Composer::Written::endSyllable()
{
    if (after == After::Consonant)
        text.chop(1);
    after = After::Nothing;
}

void Composer::Written::write(const KeyMap::Match &match, QStringView keys, const QString &virama)
{
    const Unit *unit = match.unit;
    const bool consonantBefore = after == After::Consonant;
    const bool letterBefore = after != After::Nothing;
    if (!unit) {
        endSyllable();
        text.append(keys);
        return;
    }
    switch (unit->kind) {
    case Kind::Vowel:
        if (consonantBefore) {
            text.chop(1);
            text.append(unit->sign);
        } else {
            text.append(unit->text);
        }
        after = After::Vowel;
        shortVowel = unit->shortVowel;
        return;
    case Kind::Consonant:
        text.append(after == After::Vowel && !unit->afterVowel.isEmpty() ? unit->afterVowel : unit->text);
        text.append(virama);
        after = After::Consonant;
        return;
    case Kind::FinalConsonant:
        text.append(unit->text);
        after = After::Nothing;
        return;
    case Kind::Nasal:
    case Kind::Sign:
        if (!letterBefore) {
            text.append(keys);
            return;
        }
        // After a bare consonant the sign follows its inherent a, a short vowel.
        if (consonantBefore)
            shortVowel = true;
        endSyllable();
        text.append(unit->kind == Kind::Nasal && shortVowel && !unit->sign.isEmpty() ? unit->sign : unit->text);
        return;
    case Kind::Virama:
        if (!consonantBefore)
            text.append(keys);
        after = After::Nothing; // a consonant keeps the virama it shows
        return;
    case Kind::Punctuation:
    case Kind::Geminate:
    case Kind::Conjunct:
        endSyllable();
        text.append(unit->text);
        return;
    }
}

QString compose(LegacyFont script, QStringView keys)
{
    Composer::Written written;
    written.text.reserve(keys.size() * 2);
    Composer::write(written, keys, KeyMap::of(script), true);
    return written.text;
}

} // namespace Keying
