#include "script/GlyphDecoding.h"
#include "support/Conversions.h"
#include "support/ScriptBlocks.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Glyph codes of the legacy fonts read as Unicode: one decoding, from which
// every script caption's Unicode text comes (every caption of the program:
// tests/program/tst_captiondecoding.cpp).
class GlyphDecodingTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadRealWords_data()
    {
        QTest::addColumn<LegacyFont>("font");
        QTest::addColumn<QString>("glyphCodes");
        QTest::addColumn<QString>("unicode");
        // The launcher's script buttons: names of languages in their scripts.
        QTest::newRow("Hindi, i-sign before its consonant")
            << LegacyFont::Devanagari << fromCodes("CA BD F8 78 6E D2") << u"हिन्दी"_s;
        QTest::newRow("Nepali, e-sign and half forms closed by the stem")
            << LegacyFont::Devanagari << fromCodes("78 C9 E4 7B C9 C9 B1 C9 D2") << u"नेपाली"_s;
        QTest::newRow("Marathi") << LegacyFont::Devanagari << fromCodes("A8 C9 AE F4 C9 60 D2") << u"मराठी"_s;
        QTest::newRow("Sanskrit, vowel sign inside a split consonant")
            << LegacyFont::Devanagari << fromCodes("BA C9 C6 BA 45 DE F2 69 C9") << u"संस्कृत"_s;
        QTest::newRow("Bangla") << LegacyFont::Bengali << fromCodes("63 61 C8 AC C1") << u"বাংলা"_s;
        QTest::newRow("Gujarati") << LegacyFont::Gujarati << fromCodes("4E C9 D6 57 F0 AD C9 6C C9 ED D2") << u"ગુજરાતી"_s;
        QTest::newRow("Punjabi") << LegacyFont::Gurumukhi << fromCodes("61 7C 4F 73 64 76") << u"ਪੰਜਾਬੀ"_s;
        // Shaping that the samples show.
        QTest::newRow("reph moves before its cluster")
            << LegacyFont::Devanagari << fromCodes("B6 B1 C9 EA") << u"र्श्ली"_s;
        QTest::newRow("ra below a consonant") << LegacyFont::Bengali << fromCodes("AE CD") << u"শ্র"_s;
        QTest::newRow("va below a consonant") << LegacyFont::Gurumukhi << fromCodes("B0 5D AF") << u"ਦ੍ਵ"_s;
        QTest::newRow("e-sign and aa-sign around a consonant make o")
            << LegacyFont::Bengali << fromCodes("62 6A 70 61 70 64 79") << u"মনোনীত"_s;
        QTest::newRow("vowel letters built from a bearer and a sign")
            << LegacyFont::Gurumukhi << fromCodes("75 42 20 43 79 20 41 AC") << u"ਇ ਊ ਔ"_s;
        QTest::newRow("ii drawn as i with the reph's hook")
            << LegacyFont::Devanagari << fromCodes("3C 20 3C C7") << u"इ ई"_s;
        QTest::newRow("an open half form keeps its virama")
            << LegacyFont::Gujarati << fromCodes("2B C9 48 ED 21") << u"આક્"_s;
        QTest::newRow("blanks and line breaks stay")
            << LegacyFont::Devanagari << fromCodes("20 2B 0D 2B 20 20") << u" अ\rअ  "_s;
    }

    void shouldReadRealWords()
    {
        QFETCH(LegacyFont, font);
        QFETCH(QString, glyphCodes);
        QFETCH(QString, unicode);
        QCOMPARE(GlyphDecoding::toUnicode(font, glyphCodes), unicode);
    }

    void shouldMarkCodesTheFontDoesNotHave()
    {
        const QString text = GlyphDecoding::toUnicode(LegacyFont::Gurumukhi, fromCodes("41 FE 41"));
        QCOMPARE(text, u"ਅ\uFFFDਅ"_s);
    }
};

QTEST_GUILESS_MAIN(GlyphDecodingTest)
#include "tst_glyphdecoding.moc"
