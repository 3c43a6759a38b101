#include "InputMethodFile.h"

#include "keying/Composer.h"
#include "keying/InputMethods.h"
#include "keying/KeyMap.h"
#include "keying/Syllable.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace Keying;

// How the method works. m17n reads keys through one prefix tree per state
// and, where a run of keys could still grow ("s" before "sh"), shows what
// the run gives now and takes it back when the next key extends it: the
// engine's longest match. The states are where the engine's syllable
// stands. Text is committed to the program as soon as no later key can
// change it; only a consonant's virama, which a vowel or the syllable's end
// takes away, stays in the preedit (underlined) until it is decided.
//
// Every run of keys gets, in every state, the engine's own effect on the
// text: how many characters it takes back, what it adds, and where the
// syllable then stands. A run that only begins longer ones ("lr" before
// "lrri") shows what the engine shows for it, and where no longer run
// follows, it keeps only its longest run that the scheme knows and hands the
// other keys back to be read again, as the engine does.
namespace {

// What runs of keys do to the text typed so far, step by step as the engine
// types them: the characters taken back from the end of what was there,
// those added, and where the syllable then stands.
struct Writing {
    explicit Writing(Syllable from)
        : at(from)
    {
    }

    Syllable at;
    int takenBack = 0;
    QString added;

    void takeBackOne()
    {
        if (added.isEmpty())
            ++takenBack;
        else
            added.chop(1);
    }

    void write(const Unit *unit, QStringView keys, const QString &virama)
    {
        const Step change = step(at, unit, keys, virama);
        for (int i = 0; i < change.takenBack; ++i)
            takeBackOne();
        added += change.added;
        at = change.next;
    }
};

// What the method types, as its description and its file's heading say it.
QString scriptName(LegacyFont script)
{
    switch (script) {
    case LegacyFont::Devanagari:
        return u"Hindi in Devanagari"_s;
    case LegacyFont::Bengali:
        return u"Bengali"_s;
    case LegacyFont::Gujarati:
        return u"Gujarati"_s;
    case LegacyFont::Gurumukhi:
        return u"Panjabi in Gurumukhi"_s;
    }
    return {};
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "kintroa-keying m17n: %s\n", what);
    std::exit(1);
}

// An m17n text in double quotes.
QString quoted(QStringView text)
{
    QString out = u"\""_s;
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

class MethodWriter
{
public:
    explicit MethodWriter(LegacyFont script)
        : script_(script)
        , map_(KeyMap::of(script))
    {
        for (const KeyMap::Entry &entry : map_.entries()) {
            entries_.insert(entry.keys, entry.unit);
            if (entry.unit->kind == Kind::Nasal && !entry.unit->sign.isEmpty())
                vowelLengthMatters_ = true;
        }
        // Runs of keys that only begin longer ones.
        for (auto entry = entries_.cbegin(); entry != entries_.cend(); ++entry)
            for (qsizetype length = 1; length < entry.key().size(); ++length)
                if (const QString run = entry.key().first(length); !entries_.contains(run))
                    beginnings_.insert(run);
    }

    QString write() const;

private:
    QString stateName(Syllable syllable) const;
    QList<Syllable> states() const;
    QString enter(Syllable syllable) const;
    static QString change(int takenBack, const QString &added);
    QString description() const;

    LegacyFont script_;
    const KeyMap &map_;
    QMap<QString, const Unit *> entries_;
    QSet<QString> beginnings_;
    bool vowelLengthMatters_ = false;
};

QString MethodWriter::stateName(Syllable syllable) const
{
    switch (syllable) {
    case Syllable::Open:
        return u"init"_s;
    case Syllable::Consonant:
        return u"consonant"_s;
    case Syllable::ShortVowel:
        return vowelLengthMatters_ ? u"short-vowel"_s : u"vowel"_s;
    case Syllable::LongVowel:
        return vowelLengthMatters_ ? u"long-vowel"_s : u"vowel"_s;
    }
    return {};
}

// The initial state first: m17n starts in it, and entering it commits.
QList<Syllable> MethodWriter::states() const
{
    QList<Syllable> all{Syllable::Open, Syllable::Consonant, Syllable::ShortVowel};
    if (vowelLengthMatters_)
        all.append(Syllable::LongVowel);
    return all;
}

// Moving to where the syllable then stands. Entering the initial state
// commits the preedit; after a vowel nothing that follows changes the text
// before it either, so it is committed too.
QString MethodWriter::enter(Syllable syllable) const
{
    const QString shift = u"(shift "_s + stateName(syllable) + u')';
    if (syllable == Syllable::ShortVowel || syllable == Syllable::LongVowel)
        return u"(commit) "_s + shift;
    return shift;
}

QString MethodWriter::change(int takenBack, const QString &added)
{
    QStringList actions;
    for (int i = 0; i < takenBack; ++i)
        actions.append(u"(delete @-)"_s);
    if (!added.isEmpty())
        actions.append(quoted(added));
    return actions.join(u' ');
}

QString MethodWriter::description() const
{
    const auto example = [this](const QString &keys) { return keys + u" → "_s + compose(script_, keys); };
    QStringList signs;
    for (const Row &row : schemeRows()) {
        const Forms &forms = row.in(script_);
        if (row.group != Group::Signs || row.kind == Kind::Geminate || forms.letter.isEmpty())
            continue;
        for (const QStringView keys : keysOf(row))
            signs.append(keys.toString() + u' ' + forms.letter.toString());
    }
    QString text;
    QTextStream out(&text);
    out << "KIntroA's keys for " << scriptName(script_) << ": the romanized typing that KIntroA teaches, the same keys "
        << "for the same sound in Devanagari, Bengali, Gujarati and Gurumukhi.\n"
        << "A short vowel is typed once, a long one twice: a aa, i ii, u uu; e ee, o oo. "
        << "Aspirates take an h (k kh, g gh); retroflex consonants are capitals (T Th D Dh N).\n"
        << "Consonants typed one after the other join: " << example(u"rshlii"_s) << ".\n"
        << "A consonant shows its virama until a vowel follows, or a space, punctuation or Return ends the "
        << "syllable with its a: aak shows " << compose(script_, u"aak"_s) << ", and a space after it makes "
        << compose(script_, u"aak"_s + u' ').trimmed() << ".\n"
        << "Signs: " << signs.join(u", "_s) << ".\n"
        << "The whole chart: Try the Keys in KIntroA.";
    return text;
}

QString MethodWriter::write() const
{
    const InputMethod method = inputMethod(script_);
    QString text;
    QTextStream out(&text);
    out << ";; " << method.fileName() << ": " << scriptName(script_) << " as KIntroA teaches it to type.\n"
        << ";; Written by kintroa-keying m17n from the program's keying table; do not edit.\n\n"
        << "(input-method " << method.language << ' ' << method.name << ")\n\n"
        << "(description " << quoted(description()) << ")\n\n"
        << "(title " << quoted(method.title) << ")\n\n";

    // One map per way of leaving a run of keys, since m17n attaches what
    // follows a run (its branch actions) to the map it comes from.
    struct Branch {
        QString map;
        QString actions;
    };
    QMap<Syllable, QList<Branch>> branches;
    out << "(map\n";
    for (const Syllable state : states()) {
        const QString prefix = stateName(state);
        // By the state they lead to; the two vowel states are one where
        // the vowel's length changes nothing.
        struct Rules {
            Syllable to;
            QStringList rules;
        };
        QMap<QString, Rules> rulesTo;
        for (auto entry = entries_.cbegin(); entry != entries_.cend(); ++entry) {
            Writing writing(state);
            writing.write(entry.value(), entry.key(), map_.virama());
            QString actions = change(writing.takenBack, writing.added);
            // With no action at all m17n would show the keys themselves
            // while the run could still grow.
            if (actions.isEmpty())
                actions = u"(move @=)"_s;
            Rules &rules = rulesTo[stateName(writing.at)];
            rules.to = writing.at;
            rules.rules.append(u"  ("_s + quoted(entry.key()) + u' ' + actions + u')');
        }
        for (auto rules = rulesTo.cbegin(); rules != rulesTo.cend(); ++rules) {
            const QString name = prefix + u"-to-"_s + rules.key();
            out << " (" << name << '\n' << rules->rules.join(u'\n') << ")\n";
            branches[state].append({name, enter(rules->to)});
        }

        QStringList beginnings(beginnings_.cbegin(), beginnings_.cend());
        beginnings.sort();
        int number = 0;
        for (const QString &run : beginnings) {
            // What the engine shows for the run: its runs of keys one after
            // the other, the longest each time.
            Writing shown(state);
            std::optional<Writing> first;
            qsizetype firstLength = 0;
            for (qsizetype done = 0; done < run.size();) {
                const KeyMap::Match match = map_.longestAt(QStringView(run).sliced(done));
                const qsizetype length = match.unit ? match.length : 1;
                shown.write(match.unit, QStringView(run).sliced(done, length), map_.virama());
                if (!first) {
                    first.emplace(state);
                    first->write(match.unit, QStringView(run).sliced(0, length), map_.virama());
                    firstLength = length;
                }
                done += length;
            }
            // Only the first run may take back text from before the run.
            if (first->takenBack != shown.takenBack)
                fail("a run of keys takes back text beyond its first run");
            const QString name = prefix + u"-begun-"_s + QString::number(++number);
            out << " (" << name << "\n  (" << quoted(run) << ' '
                << (change(shown.takenBack, {}) + u" (mark begun) "_s + change(0, shown.added)).trimmed() << "))\n";
            // No longer run follows: keep the first run, read the other keys again.
            QString actions = u"(delete begun)"_s;
            if (!first->added.isEmpty())
                actions += u' ' + quoted(first->added);
            if (const qsizetype again = run.size() - firstLength; again > 0)
                actions += u" (pushback "_s + QString::number(again) + u')';
            branches[state].append({name, actions + u' ' + enter(first->at)});
        }
    }
    out << ")\n\n";

    out << "(state\n";
    for (const Syllable state : states()) {
        out << " (" << stateName(state);
        for (const Branch &branch : branches.value(state))
            out << "\n  (" << branch.map << ' ' << branch.actions << ')';
        // Any other key ends the syllable and passes through: after a
        // consonant, with its a spoken.
        if (state == Syllable::Consonant)
            out << "\n  (nil (delete @-) (shift init))";
        else if (state != Syllable::Open)
            out << "\n  (nil (shift init))";
        out << ")\n";
    }
    out << ")\n";
    return text;
}

} // namespace

QString m17nInputMethod(LegacyFont script)
{
    return MethodWriter(script).write();
}
