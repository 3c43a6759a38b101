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

// The captions whose codes misspell a word: what is shown and spoken
// carries the right spelling, every other word as decoded.
struct Respelling {
    const char *caption;
    QString misspelt;
    QString correct;
};
const Respelling respellings[] = {
    {"Hindi subject 1", u"धारना"_s, u"धारणा"_s},
    {"Hindi subject 3", u"कियां"_s, u"कुंजियाँ"_s},
    {"Hindi heading", u"निरीक्षन"_s, u"निरीक्षण"_s},
};

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
        QTest::addColumn<QString>("misspelt");
        QTest::addColumn<QString>("correct");
        int respelt = 0;
        const auto addRow = [&](const QString &tag, LegacyFont font, const ScriptText &text) {
            const auto respelling = std::ranges::find_if(respellings, [&](const Respelling &r) { return tag == QLatin1String(r.caption); });
            const bool isRespelt = respelling != std::end(respellings);
            respelt += isRespelt;
            QTest::newRow(qPrintable(tag)) << font << text.glyphs << text.unicode
                                           << (isRespelt ? respelling->misspelt : QString())
                                           << (isRespelt ? respelling->correct : QString());
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
        QCOMPARE(respelt, int(std::size(respellings)));
    }

    // Each carries the Unicode that the decoding reads from its codes, but
    // for the respelt word of the few misspelt ones, and that Unicode is
    // well-formed text of the script.
    void shouldDecodeEveryScriptCaptionOfTheProgram()
    {
        QFETCH(LegacyFont, font);
        QFETCH(QString, glyphCodes);
        QFETCH(QString, unicode);
        QFETCH(QString, misspelt);
        QFETCH(QString, correct);
        QString decoded = GlyphDecoding::toUnicode(font, glyphCodes).trimmed();
        if (!misspelt.isEmpty()) {
            QVERIFY2(decoded.contains(misspelt), qPrintable(decoded));
            QVERIFY(!unicode.contains(misspelt));
            decoded.replace(misspelt, correct);
        }
        QCOMPARE(unicode, decoded);
        QVERIFY(!unicode.isEmpty());
        const QString fault = malformation(font, unicode);
        QVERIFY2(fault.isEmpty(), qPrintable(unicode + u": "_s + fault));
    }
};

QTEST_GUILESS_MAIN(CaptionDecodingTest)
#include "tst_captiondecoding.moc"
