#include "keying/Composer.h"
#include "support/KeyStrings.h"
#include "support/ScriptBlocks.h"

#include <QTest>


using namespace Qt::StringLiterals;
using Keying::Composer;
using Keying::compose;

namespace {

QString typedOneByOne(LegacyFont script, QStringView keys)
{
    Composer composer(script);
    for (const QChar key : keys) {
        composer.type(key);
        composer.text(); // looking must change nothing
    }
    return composer.text();
}

} // namespace

// The keying engine: keys typed one by one turn into script text as the
// introduction's pages teach it.
class ComposerTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldWriteTheSyllablesThePagesTeach_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        using enum LegacyFont;
        QTest::newRow("a vowel alone is its letter") << Devanagari << u"i"_s << u"इ"_s;
        QTest::newRow("after a consonant, its sign") << Bengali << u"ki"_s << u"কি"_s;
        QTest::newRow("the inherent a writes nothing") << Gujarati << u"ka"_s << u"ક"_s;
        QTest::newRow("a vowel after a vowel is a letter") << Devanagari << u"kaai"_s << u"काइ"_s;
        QTest::newRow("a consonant shows its virama until decided") << Devanagari << u"aak"_s << u"आक्"_s;
        QTest::newRow("a blank ends the syllable with its a") << Devanagari << u"aak "_s << u"आक "_s;
        QTest::newRow("so does Return") << Gurumukhi << u"k\n"_s << u"ਕ\n"_s;
        QTest::newRow("so does punctuation") << Bengali << u"k,"_s << u"ক,"_s;
        QTest::newRow("consonants join into a conjunct") << Devanagari << u"rshlii"_s << u"र्श्ली"_s;
        QTest::newRow("dd is the dental d") << Gurumukhi << u"ddva"_s << u"ਦ੍ਵ"_s;
        QTest::newRow("a third d doubles it") << Devanagari << u"udddeshya"_s << u"उद्देश्य"_s;
        QTest::newRow("d before its aspirate") << Devanagari << u"buddha"_s << u"बुद्ध"_s;
        QTest::newRow("aspirates take an h") << Gujarati << u"khaTh"_s << u"ખઠ્"_s;
        QTest::newRow("Gurumukhi doubles with addak") << Gurumukhi << u"pakkaa"_s << u"ਪੱਕਾ"_s;
        QTest::newRow("also before an aspirate") << Gurumukhi << u"chiTThii"_s << u"ਚਿੱਠੀ"_s;
        QTest::newRow("and a nasal with tippi") << Gurumukhi << u"kann "_s << u"ਕੰਨ "_s;
        QTest::newRow("a conjunct where no vowel comes before") << Gurumukhi << u"kka"_s << u"ਕ੍ਕ"_s;
        QTest::newRow("tippi after a short vowel") << Gurumukhi << u"paMjaabii"_s << u"ਪੰਜਾਬੀ"_s;
        QTest::newRow("bindi after a long one") << Gurumukhi << u"haaM"_s << u"ਹਾਂ"_s;
        QTest::newRow("the anusvara elsewhere") << Bengali << u"baaMlaa"_s << u"বাংলা"_s;
        QTest::newRow("candrabindu") << Devanagari << u"haa~"_s << u"हाँ"_s;
        QTest::newRow("a sign after a bare consonant speaks its a") << Devanagari << u"duHkh"_s << u"दुःख्"_s;
        QTest::newRow("the virama key keeps the virama") << Devanagari << u"vaak_ "_s << u"वाक् "_s;
        QTest::newRow("Bengali t with its virama") << Bengali << u"hoThaat_"_s << u"হোঠাৎ"_s;
        QTest::newRow("nukta letters") << Devanagari << u"zaraa"_s << u"ज़रा"_s;
        QTest::newRow("the danda") << Devanagari << u"namaste|"_s << u"नमस्ते।"_s;
        QTest::newRow("rr before a vowel is two r") << Devanagari << u"rra"_s << u"र्र"_s;
        QTest::newRow("rri is the vowel") << Gujarati << u"krrishhNa"_s << u"કૃષ્ણ"_s;
    }

    void shouldWriteTheSyllablesThePagesTeach()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QCOMPARE(typedOneByOne(script, keys), text);
        QCOMPARE(compose(script, keys), text);
    }

    void shouldPassOnWhatTheSchemeDoesNotKnow_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        using enum LegacyFont;
        QTest::newRow("digits") << Devanagari << u"k2"_s << u"क2"_s;
        QTest::newRow("a letter of another script") << Bengali << u"kਕa"_s << u"কਕঅ"_s;
        QTest::newRow("a capital that is no key") << Gujarati << u"Bk"_s << u"Bક્"_s;
        QTest::newRow("beyond the BMP") << Gurumukhi << u"k😀"_s << u"ਕ😀"_s;
        QTest::newRow("a sign with no letter") << Devanagari << u" M~H_"_s << u" M~H_"_s;
        QTest::newRow("a sign after a sign") << Bengali << u"kaMM"_s << u"কংM"_s;
        QTest::newRow("a key the script has no letter for falls back") << Gurumukhi << u"x"_s << u"x"_s;
    }

    void shouldPassOnWhatTheSchemeDoesNotKnow()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QCOMPARE(typedOneByOne(script, keys), text);
    }

    // What the learner sees after each key.
    void shouldShowTheSyllableAsItForms()
    {
        const QStringList shown{u"र्"_s, u"र्स्"_s, u"र्श्"_s, u"र्श्ल्"_s, u"र्श्लि"_s, u"र्श्ली"_s, u"र्श्ली "_s};
        Composer composer(LegacyFont::Devanagari);
        QStringList seen;
        for (const QChar key : u"rshlii "_s) {
            composer.type(key);
            seen.append(composer.text());
        }
        QCOMPARE(seen, shown);
    }

    void shouldWriteWellFormedTextForAnyKeys()
    {
        for (const LegacyFont script : AllLegacyFonts)
            for (const QString &keys : randomKeyStrings(script, 5000, 24)) {
                const QString wrong = malformation(compose(script, keys));
                QVERIFY2(wrong.isEmpty(), qPrintable(u"keys \""_s + keys + u"\": "_s + wrong));
            }
    }

    void shouldWriteTheSameTypedOneByOneAsAllAtOnce()
    {
        for (const LegacyFont script : AllLegacyFonts)
            for (const QString &keys : randomKeyStrings(script, 5000, 24))
                QCOMPARE(typedOneByOne(script, keys), compose(script, keys));
    }
};

QTEST_GUILESS_MAIN(ComposerTest)
#include "tst_composer.moc"
