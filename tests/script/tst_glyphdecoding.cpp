#include "script/GlyphDecoding.h"
#include "script/ScriptText.h"
#include "introduction/Catalogue.h"
#include "introduction/SamplePanels.h"
#include "launcher/IntroPixDesign.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(LegacyFont)

namespace {

// "41 20 C9" -> the three characters U+0041 U+0020 U+00C9.
QString codes(const char *hex)
{
    QString text;
    for (const QString &code : QString::fromLatin1(hex).split(u' ', Qt::SkipEmptyParts))
        text.append(QChar(char16_t(code.toUShort(nullptr, 16))));
    return text;
}

// The Unicode block of each legacy font's script.
bool inBlock(LegacyFont font, char16_t c)
{
    switch (font) {
    case LegacyFont::Devanagari:
        return c >= 0x0900 && c <= 0x097F;
    case LegacyFont::Bengali:
        return c >= 0x0980 && c <= 0x09FF;
    case LegacyFont::Gurumukhi:
        return c >= 0x0A00 && c <= 0x0A7F;
    case LegacyFont::Gujarati:
        return c >= 0x0A80 && c <= 0x0AFF;
    }
    return false;
}

bool isVirama(char16_t c)
{
    return c == 0x094D || c == 0x09CD || c == 0x0A4D || c == 0x0ACD;
}

// A vowel sign (not anusvara, tippi or virama): at most one per syllable.
bool isVowelSign(char16_t c)
{
    const int offset = (c - 0x0900) % 0x80;
    return QChar(c).isMark() && !isVirama(c) && offset >= 0x3E && offset <= 0x4C;
}

// What is wrong with a text as Unicode of the script, or nothing.
QString malformation(LegacyFont font, const QString &text)
{
    static const QString punctuation = u" .+=>'`!।\r"_s;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const char16_t before = i > 0 ? text.at(i - 1).unicode() : u' ';
        if (c == QChar::ReplacementCharacter)
            return u"a code the font does not know, at %1"_s.arg(i);
        if (!inBlock(font, c) && !punctuation.contains(QChar(c)))
            return u"U+%1 is not of the script"_s.arg(int(c), 4, 16, QChar(u'0'));
        if (QChar(c).isMark() && (punctuation.contains(QChar(before)) || !inBlock(font, before)))
            return u"a sign without its letter, at %1"_s.arg(i);
        if (isVowelSign(c) && isVowelSign(before))
            return u"two vowel signs in a row, at %1"_s.arg(i);
        if (QChar(c).isMark() && isVirama(before))
            return u"a sign after a virama, at %1"_s.arg(i);
    }
    return {};
}

// The captions whose Unicode is put right: a misspelt word, or a whole
// caption that does not read as it should. What is shown and spoken carries
// the mend, everything else as decoded; the glyph codes stay as they are.
struct Mend {
    const char *caption;
    QString wrong;
    QString right;
};
const Mend mends[] = {
    {"Hindi subject 1", u"धारना"_s, u"धारणा"_s},
    {"Hindi subject 3", u"कियां"_s, u"कुंजियाँ"_s},
    {"Hindi subject 5", u"स्वरवर्णों"_s, u"स्वरवर्ण"_s},
    {"Hindi subject 6", u"व्यंजनवर्णों"_s, u"व्यंजनवर्ण"_s},
    {"Hindi heading", u"एक विषय निरीक्षन करो"_s, u"एक विषय चुनें"_s},
    {"Bengali subject 3", u"চাবিগুলি"_s, u"টাইপিং"_s},
    {"Bengali subject 6", u"ব্যঞ্জন বর্ণগুলি"_s, u"ব্যঞ্জনবর্ণ"_s},
    {"Bengali heading", u"এক বিষয় মনোনীত করুন।"_s, u"একটি বিষয় বেছে নিন"_s},
    {"KBENGAL3 sample, subject 4, Label10", u"র্শ্লি"_s, u"র্শ্লী"_s},
};

// Whether `part` stands in `text` exactly once, as whole words: a mend puts
// right a word or the whole caption, never a piece of a word.
bool standsOnceAsWords(const QString &text, const QString &part)
{
    const qsizetype at = text.indexOf(part);
    if (at < 0 || text.indexOf(part, at + 1) >= 0)
        return false;
    const qsizetype end = at + part.size();
    return (at == 0 || text.at(at - 1).isSpace()) && (end == text.size() || text.at(end).isSpace());
}

} // namespace

// Glyph codes of the legacy fonts read as Unicode: one decoding, from which
// every script caption's Unicode text comes.
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
            << LegacyFont::Devanagari << codes("CA BD F8 78 6E D2") << u"हिन्दी"_s;
        QTest::newRow("Nepali, e-sign and half forms closed by the stem")
            << LegacyFont::Devanagari << codes("78 C9 E4 7B C9 C9 B1 C9 D2") << u"नेपाली"_s;
        QTest::newRow("Marathi") << LegacyFont::Devanagari << codes("A8 C9 AE F4 C9 60 D2") << u"मराठी"_s;
        QTest::newRow("Sanskrit, vowel sign inside a split consonant")
            << LegacyFont::Devanagari << codes("BA C9 C6 BA 45 DE F2 69 C9") << u"संस्कृत"_s;
        QTest::newRow("Bangla") << LegacyFont::Bengali << codes("63 61 C8 AC C1") << u"বাংলা"_s;
        QTest::newRow("Gujarati") << LegacyFont::Gujarati << codes("4E C9 D6 57 F0 AD C9 6C C9 ED D2") << u"ગુજરાતી"_s;
        QTest::newRow("Punjabi") << LegacyFont::Gurumukhi << codes("61 7C 4F 73 64 76") << u"ਪੰਜਾਬੀ"_s;
        // Shaping that the samples show.
        QTest::newRow("reph moves before its cluster")
            << LegacyFont::Devanagari << codes("B6 B1 C9 EA") << u"र्श्ली"_s;
        QTest::newRow("ra below a consonant") << LegacyFont::Bengali << codes("AE CD") << u"শ্র"_s;
        QTest::newRow("va below a consonant") << LegacyFont::Gurumukhi << codes("B0 5D AF") << u"ਦ੍ਵ"_s;
        QTest::newRow("e-sign and aa-sign around a consonant make o")
            << LegacyFont::Bengali << codes("62 6A 70 61 70 64 79") << u"মনোনীত"_s;
        QTest::newRow("vowel letters built from a bearer and a sign")
            << LegacyFont::Gurumukhi << codes("75 42 20 43 79 20 41 AC") << u"ਇ ਊ ਔ"_s;
        QTest::newRow("ii drawn as i with the reph's hook")
            << LegacyFont::Devanagari << codes("3C 20 3C C7") << u"इ ई"_s;
        QTest::newRow("an open half form keeps its virama")
            << LegacyFont::Gujarati << codes("2B C9 48 ED 21") << u"આક્"_s;
        QTest::newRow("blanks and line breaks stay")
            << LegacyFont::Devanagari << codes("20 2B 0D 2B 20 20") << u" अ\rअ  "_s;
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
        const QString text = GlyphDecoding::toUnicode(LegacyFont::Gurumukhi, codes("41 FE 41"));
        QCOMPARE(text, u"ਅ\uFFFDਅ"_s);
    }

    void shouldDecodeEveryScriptCaptionOfTheProgram_data()
    {
        QTest::addColumn<LegacyFont>("font");
        QTest::addColumn<QString>("glyphCodes");
        QTest::addColumn<QString>("unicode");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");
        int mended = 0;
        const auto addRow = [&](const QString &tag, LegacyFont font, const ScriptText &text) {
            const auto mend = std::ranges::find_if(mends, [&](const Mend &m) { return tag == QLatin1String(m.caption); });
            const bool isMended = mend != std::end(mends);
            mended += isMended;
            QTest::newRow(qPrintable(tag)) << font << text.glyphs << text.unicode
                                           << (isMended ? mend->wrong : QString())
                                           << (isMended ? mend->right : QString());
        };
        for (const Design::Control &control : introPixDesign().controls) {
            if (const auto font = control.font ? legacyFontWithFace(control.font->face) : std::nullopt)
                addRow(u"launcher "_s + control.name, *font, decodedScriptText(*font, control.caption));
        }
        for (const Catalogue::LanguageEntry &entry : Catalogue::languages()) {
            const auto font = legacyFontWithFace(entry.fontFace);
            if (!font)
                continue;
            for (std::size_t i = 0; i < entry.subjectCaptions.size(); ++i)
                addRow(u"%1 subject %2"_s.arg(entry.language).arg(i + 1), *font, entry.subjectCaptions[i]);
            addRow(entry.language + u" heading"_s, *font, entry.heading);
        }
        for (const SampleRow &row : sampleRows()) {
            for (const LegacyFont font : AllLegacyFonts) {
                const ScriptText &sample = row.byScript[std::size_t(font)];
                if (sample.glyphs != sample.unicode)
                    addRow(u"%1 sample, subject %2, Label%3"_s.arg(legacyFace(font)).arg(row.subject).arg(row.label), font, sample);
            }
        }
        // Every mend names a caption that exists.
        QCOMPARE(mended, int(std::size(mends)));
    }

    // Each carries the Unicode that the decoding reads from its codes, but
    // for the mended word or whole text of a few, and that Unicode is
    // well-formed text of the script.
    void shouldDecodeEveryScriptCaptionOfTheProgram()
    {
        QFETCH(LegacyFont, font);
        QFETCH(QString, glyphCodes);
        QFETCH(QString, unicode);
        QFETCH(QString, wrong);
        QFETCH(QString, right);
        QString decoded = GlyphDecoding::toUnicode(font, glyphCodes).trimmed();
        if (!wrong.isEmpty()) {
            QVERIFY2(standsOnceAsWords(decoded, wrong), qPrintable(decoded));
            QVERIFY(!unicode.contains(wrong));
            decoded.replace(wrong, right);
        }
        QCOMPARE(unicode, decoded);
        QVERIFY(!unicode.isEmpty());
        const QString fault = malformation(font, unicode);
        QVERIFY2(fault.isEmpty(), qPrintable(unicode + u": "_s + fault));
    }
};

QTEST_GUILESS_MAIN(GlyphDecodingTest)
#include "tst_glyphdecoding.moc"
