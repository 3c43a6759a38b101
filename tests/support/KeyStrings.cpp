#include "KeyStrings.h"

#include "keying/KeyMap.h"
#include "keying/Scheme.h"

#include <QSet>

#include <random>

using namespace Qt::StringLiterals;

QStringList keysIn(const QString &typed)
{
    QStringList keys;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const qsizetype length = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        keys.append(typed.sliced(i, length));
        i += length - 1;
    }
    return keys;
}

namespace {

QStringList keyboard()
{
    QSet<QString> keys;
    for (const Keying::Row &row : Keying::schemeRows())
        for (const QStringView run : Keying::keysOf(row))
            for (const QChar key : run)
                keys.insert(QString(key));
    QStringList all(keys.cbegin(), keys.cend());
    all.sort();
    return all + keysIn(u" .,?1\nZBਕ😀"_s);
}

} // namespace

QStringList randomKeyStrings(LegacyFont script, int count, int longest)
{
    const QStringList keys = keyboard();
    QStringList runs;
    for (const Keying::KeyMap::Entry &entry : Keying::KeyMap::of(script).entries())
        runs.append(entry.keys);
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> length(0, longest);
    std::uniform_int_distribution<qsizetype> pickKey(0, keys.size() - 1);
    std::uniform_int_distribution<qsizetype> pickRun(0, runs.size() - 1);
    std::bernoulli_distribution fromRuns(0.5);
    std::bernoulli_distribution aRun(0.7);
    QStringList strings;
    for (int i = 0; i < count; ++i) {
        const bool ofRuns = fromRuns(random);
        QString typed;
        for (int n = length(random); n > 0; --n)
            typed += ofRuns && aRun(random) ? runs[pickRun(random)] : keys[pickKey(random)];
        strings.append(typed);
    }
    return strings;
}
