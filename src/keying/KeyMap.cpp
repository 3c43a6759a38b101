#include "KeyMap.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Keying {

namespace {

const Row *firstRow(Kind kind, LegacyFont script)
{
    const auto rows = schemeRows();
    const auto found = std::ranges::find_if(rows, [&](const Row &row) {
        return row.kind == kind && !row.in(script).letter.isEmpty();
    });
    return found == rows.end() ? nullptr : &*found;
}

bool isStop(Group group)
{
    return group >= Group::Velar && group <= Group::Labial;
}

Unit unitOf(const Row &row, LegacyFont script)
{
    const Forms &forms = row.in(script);
    Unit unit;
    unit.kind = row.kind;
    unit.text = forms.letter.toString();
    unit.sign = forms.sign.toString();
    unit.shortVowel = row.traits & ShortVowel;
    return unit;
}

} // namespace

const KeyMap &KeyMap::of(LegacyFont script)
{
    static const std::array<KeyMap, 4> maps{KeyMap(LegacyFont::Devanagari), KeyMap(LegacyFont::Bengali),
                                            KeyMap(LegacyFont::Gujarati), KeyMap(LegacyFont::Gurumukhi)};
    return maps[std::size_t(script)];
}

KeyMap::KeyMap(LegacyFont script)
    : script_(script)
    , virama_(firstRow(Kind::Virama, script)->in(script).letter.toString())
    , nodes_(1)
{
    for (const Row &row : schemeRows()) {
        // Geminates and conjuncts are shown, not typed as keys of their own.
        if (row.kind == Kind::Geminate || row.kind == Kind::Conjunct || row.in(script).letter.isEmpty())
            continue;
        for (const QStringView keys : keysOf(row))
            add(keys.toString(), unitOf(row, script));
    }
    addGeminates();
}

void KeyMap::add(const QString &keys, Unit unit)
{
    int node = 0;
    for (const QChar key : keys) {
        Q_ASSERT(key.unicode() < 128);
        // By value: a new node may move the nodes, and a reference into them with them.
        short next = nodes_[std::size_t(node)].next[key.unicode()];
        if (next < 0) {
            next = short(nodes_.size());
            nodes_[std::size_t(node)].next[key.unicode()] = next;
            nodes_.emplace_back();
        }
        node = next;
    }
    // The first row to claim a run of keys keeps it: the scheme's own rows
    // come before the doubled consonants made from them.
    if (nodes_[std::size_t(node)].unit >= 0)
        return;
    nodes_[std::size_t(node)].unit = int(units_.size());
    units_.push_back(std::move(unit));
    longestKeys_ = std::max(longestKeys_, keys.size());
}

// A consonant typed twice, and an unaspirated consonant typed before its
// aspirate ("kkh"): one entry each, so that the same keys make the same
// doubled consonant in every script, whatever shorter runs of keys there are
// ("dd" is द, "ddh" is द्ध). Where no vowel comes before it, it is a
// conjunct; after a vowel, a script may write it with a sign on that vowel
// instead (Gurumukhi: addak, and tippi before a nasal).
void KeyMap::addGeminates()
{
    const Row *geminate = firstRow(Kind::Geminate, script_);
    const Row *nasal = firstRow(Kind::Nasal, script_);
    QString addak;
    QString tippi;
    if (geminate && nasal) {
        addak = geminate->in(script_).letter.toString();
        const Forms &nasalForms = nasal->in(script_);
        tippi = (nasalForms.sign.isEmpty() ? nasalForms.letter : nasalForms.sign).toString();
    }

    const auto doubled = [&](const Row &first, const Row &second) {
        Unit unit;
        unit.kind = Kind::Consonant;
        const QString letter = second.in(script_).letter.toString();
        unit.text = first.in(script_).letter.toString().append(virama_).append(letter);
        if (geminate)
            unit.afterVowel = (second.traits & NasalConsonant ? tippi : addak) + letter;
        return unit;
    };
    const auto consonants = [this](const Row &row) {
        return row.kind == Kind::Consonant && row.group != Group::Conjuncts && !row.in(script_).letter.isEmpty();
    };

    for (const Row &row : schemeRows()) {
        if (!consonants(row))
            continue;
        for (const QStringView first : keysOf(row))
            for (const QStringView second : keysOf(row))
                add(first.toString().append(second), doubled(row, row));
    }
    for (const Row &aspirate : schemeRows()) {
        if (!consonants(aspirate) || !isStop(aspirate.group))
            continue;
        for (const Row &plain : schemeRows()) {
            if (&plain == &aspirate || plain.group != aspirate.group || !consonants(plain))
                continue;
            const QList<QStringView> plainKeys = keysOf(plain);
            const QList<QStringView> aspirateKeys = keysOf(aspirate);
            const bool aspirates = std::ranges::any_of(aspirateKeys, [&](QStringView keys) {
                return std::ranges::any_of(plainKeys, [&](QStringView unaspirated) { return keys == unaspirated.toString() + u'h'; });
            });
            if (!aspirates)
                continue;
            for (const QStringView first : plainKeys)
                for (const QStringView second : aspirateKeys)
                    add(first.toString().append(second), doubled(plain, aspirate));
        }
    }
}

KeyMap::Match KeyMap::longestAt(QStringView keys) const
{
    Match match;
    int node = 0;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const char16_t key = keys[i].unicode();
        if (key >= 128)
            break;
        node = nodes_[std::size_t(node)].next[key];
        if (node < 0)
            break;
        if (const int unit = nodes_[std::size_t(node)].unit; unit >= 0)
            match = {&units_[std::size_t(unit)], i + 1};
    }
    return match;
}

bool KeyMap::couldGrow(QStringView keys) const
{
    int node = 0;
    for (const QChar key : keys) {
        if (key.unicode() >= 128)
            return false;
        node = nodes_[std::size_t(node)].next[key.unicode()];
        if (node < 0)
            return false;
    }
    return std::ranges::any_of(nodes_[std::size_t(node)].next, [](short next) { return next >= 0; });
}

std::vector<KeyMap::Entry> KeyMap::entries() const
{
    std::vector<Entry> out;
    QString keys;
    walk(0, keys, out);
    return out;
}

void KeyMap::walk(int node, QString &keys, std::vector<Entry> &out) const
{
    if (const int unit = nodes_[std::size_t(node)].unit; unit >= 0)
        out.push_back({keys, &units_[std::size_t(unit)]});
    for (int key = 0; key < 128; ++key) {
        if (const short next = nodes_[std::size_t(node)].next[std::size_t(key)]; next >= 0) {
            keys.append(QChar(key));
            walk(next, keys, out);
            keys.chop(1);
        }
    }
}

} // namespace Keying
