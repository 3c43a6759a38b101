#include "Chart.h"

#include "keying/Alphabet.h"
#include "keying/Composer.h"
#include "keying/Scheme.h"

#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace Keying;

namespace {

QString groupName(Group group)
{
    switch (group) {
    case Group::Vowels:
        return u"Vowels: the letter, and the sign after a consonant"_s;
    case Group::Velar:
        return u"Consonants spoken at the back of the mouth"_s;
    case Group::Palatal:
        return u"Consonants spoken at the palate"_s;
    case Group::Retroflex:
        return u"Retroflex consonants, the tongue curled back: capitals"_s;
    case Group::Dental:
        return u"Dental consonants, the tongue at the teeth"_s;
    case Group::Labial:
        return u"Consonants spoken with the lips"_s;
    case Group::Semivowels:
        return u"Semivowels"_s;
    case Group::Sibilants:
        return u"Sibilants and h"_s;
    case Group::Additional:
        return u"Letters of borrowed and regional sounds"_s;
    case Group::Conjuncts:
        return u"Conjuncts that the alphabets teach as letters"_s;
    case Group::Signs:
        return u"Signs and punctuation"_s;
    }
    return {};
}

QString shownForms(const Row &row, LegacyFont script)
{
    const Forms &forms = row.in(script);
    if (forms.letter.isEmpty())
        return u"–"_s;
    const QString circle{QChar(DottedCircle)};
    const QString letter = forms.letter.toString();
    const QString sign = forms.sign.toString();
    switch (row.kind) {
    case Kind::Vowel:
        return sign.isEmpty() ? letter : letter + u" "_s + circle + sign;
    case Kind::Nasal:
        return sign.isEmpty() ? circle + letter
                              : circle + letter + u" after a long vowel, "_s + circle + sign + u" after a short one"_s;
    case Kind::Sign:
    case Kind::Virama:
    case Kind::Geminate:
        return circle + letter;
    default:
        return letter;
    }
}

// Keys as code; a vertical bar would end the table's cell.
QString code(QString keys)
{
    return u"`"_s + keys.replace(u"|"_s, u"\\|"_s) + u"`"_s;
}

QString keysCell(const Row &row)
{
    QStringList keys;
    for (const QStringView run : keysOf(row))
        keys.append(code(run.toString()));
    QString cell = keys.join(u", "_s);
    if (row.kind == Kind::Geminate)
        cell = u"a consonant typed twice, "_s + cell;
    else if (row.kind == Kind::Conjunct)
        cell += u" (its consonants)"_s;
    return cell;
}

const QString Header = u"| Keys | Devanagari | Bengali | Gujarati | Gurumukhi |\n|---|---|---|---|---|\n"_s;

// Words that show the rules, in all four scripts as the engine types them.
const QStringList ExampleWords{
    u"aakaa"_s, u"rshlii"_s, u"ddva"_s, u"aak"_s, u"k\n"_s, u"eekee"_s, u"hiMdii"_s, u"baaMlaa"_s,
    u"gujaraatii"_s, u"paMjaabii"_s, u"pakkaa"_s, u"chiTThii"_s, u"buddha"_s, u"vidyaa"_s, u"namaste|"_s,
};

QString shownKeys(const QString &keys)
{
    return code(QString(keys).replace(u'\n', u" [Return]"_s));
}

} // namespace

QString keyingChart()
{
    QString out;
    QTextStream chart(&out);
    chart << "# The keying scheme\n\n"
             "<!-- Written by kintroa-keying chart from the program's own table (src/keying/Scheme.cpp); "
             "a test fails when it is out of date. -->\n\n"
             "The same keys stand for the same sound in Devanagari, Bengali, Gujarati and Gurumukhi. "
             "What the introduction's pages teach:\n\n"
             "- A short vowel is typed once, a long one by doubling it: `a` `aa`, `i` `ii`, `u` `uu`; "
             "`e` is ए and `ee` ऐ, `o` is ओ and `oo` औ.\n"
             "- A vowel at the start of a syllable is its letter; after a consonant it is its sign, typed with "
             "the same keys.\n"
             "- Aspirates take an h: `k` `kh`, `g` `gh`.\n"
             "- Consonants typed one after the other join into a conjunct: `rshlii` is र्श्ली.\n"
             "- A consonant shows its virama until what follows decides: a vowel takes its place, and a space, "
             "a punctuation mark, Return or any other key that the scheme does not know ends the syllable "
             "with the inferred a. `aak` shows आक्; `k` then Return gives क. Such keys pass through unchanged.\n\n"
             "Where the pages leave a choice, the scheme follows common phonetic practice:\n\n"
             "- Retroflex consonants are capitals (`T` `Th` `D` `Dh` `N`), dental ones small letters "
             "(`t` `th` `d` `dh` `n`). `dd` is the dental d too, as the pages write it in `ddva`; "
             "the doubled dd (द्द) is therefore typed `ddd`.\n"
             "- The nasals: `~N` ङ, `~n` ञ, `N` ण, `n` न, `m` म. The anusvara is `M`, the candrabindu `~`.\n"
             "- The sibilants: `s` स, `sh` श, `Sh` (or `shh`) ष.\n"
             "- `_` keeps a consonant's virama and ends the syllable (`vaak_` वाक्); in Bengali `t_` is ৎ.\n"
             "- A consonant typed twice is a doubled consonant. Gurumukhi writes it after a vowel with addak "
             "(`pakkaa` ਪੱਕਾ), a doubled nasal with tippi (`kann` ਕੰਨ). In Gurumukhi the anusvara is tippi "
             "after a short vowel and bindi after a long one.\n"
             "- A sign needs the letter it belongs to: with none before it, its key passes through.\n"
             "- Capitals other than those in the table, digits, and letters of other scripts pass through.\n"
             "- Where a script has no letter for a sound, its keys fall back on shorter ones (`rri` in "
             "Gurumukhi is ਰ੍ਰਿ).\n\n"
             "Not in the scheme: the candra vowels ऍ ऑ, the short ऎ ऒ, the avagraha and the scripts' own digits.\n\n"
             "## Examples\n\n";
    chart << Header;
    for (const QString &keys : ExampleWords) {
        chart << "| " << shownKeys(keys);
        for (const LegacyFont script : AllLegacyFonts)
            chart << " | " << compose(script, keys).trimmed();
        chart << " |\n";
    }

    std::optional<Group> group;
    for (const Row &row : schemeRows()) {
        if (row.group != group) {
            group = row.group;
            chart << "\n## " << groupName(row.group) << "\n\n" << Header;
        }
        chart << "| " << keysCell(row);
        for (const LegacyFont script : AllLegacyFonts)
            chart << " | " << shownForms(row, script);
        chart << " |\n";
    }
    return out;
}
