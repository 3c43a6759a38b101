#include "keying/Alphabet.h"
#include "keying/Composer.h"
#include "support/ScriptBlocks.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Keying;

namespace {

void addScriptRows()
{
    QTest::addColumn<LegacyFont>("script");
    QTest::newRow("Devanagari") << LegacyFont::Devanagari;
    QTest::newRow("Bengali") << LegacyFont::Bengali;
    QTest::newRow("Gujarati") << LegacyFont::Gujarati;
    QTest::newRow("Gurumukhi") << LegacyFont::Gurumukhi;
}

QString shown(const ChartCell &cell)
{
    return cell.letter + cell.sign;
}

// Whether an example shows the cell's letter or sign; after a consonant, the
// inherent a shows nothing of its own.
bool illustrates(const ChartCell::Example &example, const ChartCell &cell, Section section)
{
    const QString letter = QString(cell.letter).remove(DottedCircle);
    const QString sign = QString(cell.sign).remove(DottedCircle);
    const bool inherentVowel = section == Section::Vowels && sign.isEmpty();
    return example.text.contains(letter) || (!sign.isEmpty() && example.text.endsWith(sign)) || inherentVowel;
}

} // namespace

// The alphabet that the practice window and the chart in docs/ show.
class AlphabetTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldTypeEachCellWithItsKeys_data() { addScriptRows(); }

    void shouldTypeEachCellWithItsKeys()
    {
        QFETCH(LegacyFont, script);
        int examples = 0;
        for (const ChartLine &line : alphabet(script))
            for (const ChartCell &cell : line.cells) {
                QCOMPARE(cell.examples.size(), std::size_t(cell.keys.size()) * (line.section == Section::Vowels ? 2 : 1));
                for (const ChartCell::Example &example : cell.examples) {
                    QCOMPARE(compose(script, example.keys), example.text);
                    QVERIFY2(illustrates(example, cell, line.section), qPrintable(shown(cell) + u" "_s + example.keys));
                    ++examples;
                }
            }
        QVERIFY(examples > 40);
    }

    // Every key of the scheme that types a letter of the script is in the
    // chart, and no letter is shown twice.
    void shouldShowEveryKeyOnce_data() { addScriptRows(); }

    void shouldShowEveryKeyOnce()
    {
        QFETCH(LegacyFont, script);
        QStringList charted;
        QStringList letters;
        for (const ChartLine &line : alphabet(script))
            for (const ChartCell &cell : line.cells) {
                QVERIFY2(!letters.contains(shown(cell)), qPrintable(shown(cell)));
                letters.append(shown(cell));
                charted += cell.keys;
            }
        for (const Row &row : schemeRows())
            if (!row.in(script).letter.isEmpty())
                for (const QStringView keys : keysOf(row))
                    QVERIFY2(charted.contains(keys.toString()), qPrintable(keys.toString()));
    }

    void shouldKeepTheScriptsOrder()
    {
        const std::vector<ChartLine> devanagari = alphabet(LegacyFont::Devanagari);
        QCOMPARE(devanagari.front().section, Section::Vowels);
        QCOMPARE(devanagari.front().cells.front().letter, u"अ"_s);
        QCOMPARE(devanagari.back().section, Section::Signs);
        // The consonants in rows of five by where they are spoken, क to ङ first.
        QCOMPARE(devanagari[1].cells.size(), std::size_t(5));
        QCOMPARE(devanagari[1].cells.back().letter, u"ङ"_s);
        // Gurumukhi begins its consonants with ਸ ਹ.
        QCOMPARE(alphabet(LegacyFont::Gurumukhi)[1].cells.front().letter, u"ਸ"_s);
    }

    void shouldPairAConsonantWithEveryVowel()
    {
        const ChartCell ka = alphabet(LegacyFont::Bengali)[1].cells.front();
        const std::vector<ChartCell> cells = withEveryVowel(LegacyFont::Bengali, ka);
        QCOMPARE(cells.size(), alphabet(LegacyFont::Bengali).front().cells.size());
        for (const ChartCell &cell : cells) {
            QCOMPARE(compose(LegacyFont::Bengali, cell.keys.first()), cell.letter);
            QVERIFY2(malformation(cell.letter).isEmpty(), qPrintable(cell.letter));
        }
        QCOMPARE(cells[1].letter, u"কা"_s);
    }
};

QTEST_GUILESS_MAIN(AlphabetTest)
#include "tst_alphabet.moc"
