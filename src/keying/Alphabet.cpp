#include "Alphabet.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Keying {

namespace {

const Row &rowWithKeys(QStringView keys)
{
    const auto rows = schemeRows();
    const auto found = std::ranges::find_if(rows, [&](const Row &row) { return keysOf(row).contains(keys); });
    Q_ASSERT(found != rows.end());
    return *found;
}

QString letterOf(QStringView keys, LegacyFont script)
{
    return rowWithKeys(keys).in(script).letter.toString();
}

QString onCircle(const QString &sign)
{
    return QChar(DottedCircle) + sign;
}

bool hasNukta(const QString &letter)
{
    return std::ranges::any_of(letter, [](QChar c) { return (c.unicode() & 0x7F) == 0x3C && c.unicode() >= 0x0900 && c.unicode() < 0x0B00; });
}

Section sectionOf(Group group)
{
    if (group == Group::Vowels)
        return Section::Vowels;
    return group == Group::Signs ? Section::Signs : Section::Consonants;
}

// The cells that one row of the scheme adds to the alphabet: one, or for a
// nasal whose form depends on the vowel before it, one for each form.
std::vector<ChartCell> cellsOf(const Row &row, LegacyFont script)
{
    const QString letter = row.in(script).letter.toString();
    const QString sign = row.in(script).sign.toString();
    const QStringList keys = [&] {
        QStringList all;
        for (const QStringView run : keysOf(row))
            all.append(run.toString());
        return all;
    }();
    const QString ka = letterOf(u"k", script);
    const QString a = letterOf(u"a", script);
    const auto examples = [&](const auto &make) {
        std::vector<ChartCell::Example> out;
        for (const QString &run : keys)
            make(run, out);
        return out;
    };

    switch (row.kind) {
    case Kind::Vowel:
        return {{letter, sign.isEmpty() ? QString() : onCircle(sign), keys,
                 examples([&](const QString &run, auto &out) {
                     out.push_back({run, letter});
                     out.push_back({u"k"_s + run, ka + sign});
                 })}};
    case Kind::Consonant:
    case Kind::Conjunct:
        return {{letter, {}, keys, examples([&](const QString &run, auto &out) {
                     out.push_back({run + u'a', letter});
                 })}};
    case Kind::FinalConsonant:
    case Kind::Punctuation:
        return {{letter, {}, keys, examples([&](const QString &run, auto &out) {
                     out.push_back({run, letter});
                 })}};
    case Kind::Nasal: {
        const QString aa = rowWithKeys(u"aa").in(script).sign.toString();
        ChartCell afterLong{onCircle(letter), {}, keys, examples([&](const QString &run, auto &out) {
                                out.push_back({u"kaa"_s + run, ka + aa + letter});
                            })};
        if (sign.isEmpty()) {
            afterLong.examples = examples([&](const QString &run, auto &out) {
                out.push_back({u"k"_s + run, ka + letter});
            });
            return {afterLong};
        }
        ChartCell afterShort{onCircle(sign), {}, keys, examples([&](const QString &run, auto &out) {
                                 out.push_back({u"k"_s + run, ka + sign});
                             })};
        return {afterLong, afterShort};
    }
    case Kind::Sign:
    case Kind::Virama:
        return {{onCircle(letter), {}, keys, examples([&](const QString &run, auto &out) {
                     out.push_back({u"k"_s + run, ka + letter});
                 })}};
    case Kind::Geminate:
        return {{onCircle(letter), {}, keys, examples([&](const QString &run, auto &out) {
                     out.push_back({u"a"_s + run + u'a', a + letter + ka});
                 })}};
    }
    return {};
}

// Where a line stands among the consonants: Gurumukhi's alphabet begins them
// with ਸ and ਹ, the others end with their sibilants.
int placeOf(Group group, LegacyFont script)
{
    if (group == Group::Sibilants && script == LegacyFont::Gurumukhi)
        return int(Group::Vowels);
    return int(group);
}

} // namespace

std::vector<ChartLine> alphabet(LegacyFont script)
{
    // Lines in the order of the groups; a letter that two rows write is
    // one cell with the keys of both. Nukta letters make a line of their own
    // after the other consonants.
    struct Placed {
        int place;
        ChartLine line;
    };
    std::vector<Placed> lines;
    std::vector<ChartCell> nukta;
    const auto cellWith = [&](const QString &letter) -> ChartCell * {
        for (Placed &placed : lines)
            for (ChartCell &cell : placed.line.cells)
                if (cell.letter == letter)
                    return &cell;
        for (ChartCell &cell : nukta)
            if (cell.letter == letter)
                return &cell;
        return nullptr;
    };

    for (const Row &row : schemeRows()) {
        if (row.in(script).letter.isEmpty())
            continue;
        const int place = placeOf(row.group, script);
        for (ChartCell &cell : cellsOf(row, script)) {
            if (ChartCell *shown = cellWith(cell.letter)) {
                shown->keys += cell.keys;
                std::ranges::move(cell.examples, std::back_inserter(shown->examples));
                continue;
            }
            if (row.kind == Kind::Consonant && hasNukta(cell.letter)) {
                nukta.push_back(std::move(cell));
                continue;
            }
            auto line = std::ranges::find_if(lines, [&](const Placed &placed) {
                return placed.place == place && placed.line.section == sectionOf(row.group);
            });
            if (line == lines.end()) {
                lines.push_back({place, {sectionOf(row.group), {}}});
                line = lines.end() - 1;
            }
            line->line.cells.push_back(std::move(cell));
        }
    }
    if (!nukta.empty())
        lines.push_back({int(Group::Additional), {Section::Consonants, std::move(nukta)}});
    std::ranges::stable_sort(lines, {}, &Placed::place);

    std::vector<ChartLine> out;
    for (Placed &placed : lines)
        out.push_back(std::move(placed.line));
    return out;
}

std::vector<ChartCell> withEveryVowel(LegacyFont script, const ChartCell &consonant)
{
    std::vector<ChartCell> cells;
    const QString key = consonant.keys.value(0);
    for (const Row &row : schemeRows()) {
        const Forms &forms = row.in(script);
        if (row.kind != Kind::Vowel || forms.letter.isEmpty())
            continue;
        const QString run = key + keysOf(row).first().toString();
        const QString text = consonant.letter + forms.sign.toString();
        cells.push_back({text, {}, {run}, {{run, text}}});
    }
    return cells;
}

} // namespace Keying
