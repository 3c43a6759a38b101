#include "introduction/Catalogue.h"
#include "introduction/SamplePanels.h"
#include "launcher/IntroPixDesign.h"
#include "script/GlyphDecoding.h"
#include "script/ScriptText.h"
#include "support/ScriptBlocks.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

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
        if (!inScriptBlock(font, c) && !punctuation.contains(QChar(c)))
            return u"U+%1 is not of the script"_s.arg(int(c), 4, 16, QChar(u'0'));
        if (QChar(c).isMark() && (punctuation.contains(QChar(before)) || !inScriptBlock(font, before)))
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

// Every script caption of the program, from the launcher's design, the
// introduction's catalogue and its samples: its Unicode is what the one
// decoding reads from its glyph codes.
class CaptionDecodingTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(CaptionDecodingTest)
#include "tst_captiondecoding.moc"
