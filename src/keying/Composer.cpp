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
        const Step change = step(written.at, match.unit, keys.sliced(done, length), map.virama());
        written.text.chop(change.takenBack);
        written.text.append(change.added);
        written.at = change.next;
        done += length;
    }
    return done;
}

QString compose(LegacyFont script, QStringView keys)
{
    Composer::Written written;
    written.text.reserve(keys.size() * 2);
    Composer::write(written, keys, KeyMap::of(script), true);
    return written.text;
}

} // namespace Keying
