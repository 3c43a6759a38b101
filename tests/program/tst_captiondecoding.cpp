#include "introduction/Catalogue.h"
#include "introduction/SamplePanels.h"
#include "launcher/IntroPix.h"
#include "launcher/IntroPixDesign.h"
#include "platform/QtPlatform.h"
#include "script/GlyphDecoding.h"
#include "script/ScriptText.h"
#include "support/Choices.h"
#include "support/Conversions.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"
#include "support/ScriptBlocks.h"

#include <QFontInfo>
#include <QTest>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <vector>

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
        if (c == u' ' && i > 0 && before == u' ')
            return u"two blanks in a row, at %1"_s.arg(i);
    }
    return {};
}

// The captions whose Unicode is put right: a misspelt word, or a whole
// caption that does not read as it should. What is shown and spoken carries
// the mend, everything else as decoded.
struct Mend {
    const char *caption;
    QString wrong;
    QString right;
};
const Mend mends[] = {
    {"Hindi subject 3", u"कियां"_s, u"टाइपिंग"_s},
    {"Hindi heading", u"एक विषय निरीक्षण करो"_s, u"एक विषय चुनें"_s},
    {"Bengali subject 3", u"চাবিগুলি"_s, u"টাইপিং"_s},
    {"Bengali subject 7", u"অতিরিক্ত"_s, u"আরও"_s},
    {"Bengali heading", u"এক বিষয় মনোনীত করুন"_s, u"বিষয় বেছে নিন"_s},
    {"KBENGAL3 sample, subject 4, Label10", u"র্শ্লি"_s, u"র্শ্লী"_s},
    {"KDEV01__ sample, subject 3, Label10", u"श र .. श्र"_s, u"श + र = श्र"_s},
    {"KGUJ01__ sample, subject 3, Label10", u"શ ર ... શ્ર"_s, u"શ + ર = શ્ર"_s},
};

// The captions whose glyph codes are put right too, where the legacy font's
// own texts show every glyph that the right word needs: the codes of a word,
// and the words they spell. The Unicode is then read from the mended codes.
struct CodeMend {
    const char *caption;
    const char *wrongCodes;
    const char *rightCodes;
    QString wrong;
    QString right;
};
const CodeMend codeMends[] = {
    {"Hindi subject 1", "76 C9 C9 AE F4 78 C9 C9", "76 C9 C9 AE F4 68 C9 C9", u"धारना"_s, u"धारणा"_s},
    {"Hindi subject 2", "B4 C9 68 C9 C7", "B4 C9 68 C9 C7 A8 C9 C9 B1 C9 C9", u"वर्ण"_s, u"वर्णमाला"_s},
    {"Hindi subject 5", "BA B4 C9 AE F4 B4 C9 68 C9 C9 E7", "BA B4 C9 AE F4 B4 C9 68 C9 C7", u"स्वरवर्णों"_s,
     u"स्वरवर्ण"_s},
    {"Hindi subject 6", "B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C9 E7", "B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C7",
     u"व्यंजनवर्णों"_s, u"व्यंजनवर्ण"_s},
    {"Hindi subject 7", "2B CA 69 C9 CA AE F4 43 69 C9 20 BA C9 DA 53 C9 78 C9 C9",
     "2B CA 76 C9 45 F2 20 56 C9 C9 78 C9 45 F2 C9 AE D2", u"अतिरिक्त सूचना"_s, u"अधिक जानकारी"_s},
    {"Hindi heading", "CA 78 C9 AE D2 49 C9 78 C9", "CA 78 C9 AE D2 49 C9 68 C9", u"निरीक्षन"_s, u"निरीक्षण"_s},
    {"Bengali subject 2", "63 74 ED", "63 74 ED 62 61 AC 61", u"বর্ণ"_s, u"বর্ণমালা"_s},
    {"Bengali subject 4", "AE 43 C9 61 C8 AE D3 73 AC", "AE 43 C9 61 C8 AE", u"শব্দাংশগুলি"_s, u"শব্দাংশ"_s},
    {"Bengali subject 6", "63 BA AA 70 20 63 74 ED D3 73 AC", "63 BA AA 70 63 74 ED", u"ব্যঞ্জন বর্ণগুলি"_s,
     u"ব্যঞ্জনবর্ণ"_s},
    {"Bengali heading", "B1 6D C6 70 7C", "B1 6D C6 70", u"করুন।"_s, u"করুন"_s},
    {"KBENGAL3 sample, subject 4, Label14", "60 41 27", "41", u"`অ'"_s, u"অ"_s},
};

// Whether `part` stands in `text` exactly once, as whole words between
// blanks: a mend puts right a word or the whole caption, never a piece of a
// word.
bool standsOnceAsWords(const QString &text, const QString &part)
{
    const qsizetype at = text.indexOf(part);
    if (at < 0 || text.indexOf(part, at + 1) >= 0)
        return false;
    const qsizetype end = at + part.size();
    return (at == 0 || text.at(at - 1) == u' ') && (end == text.size() || text.at(end) == u' ');
}

// How the captions are named: by where they stand.
QString launcherTag(const QString &control)
{
    return u"launcher "_s + control;
}

QString subjectTag(InfoLanguage language, int subject)
{
    return u"%1 subject %2"_s.arg(designedName(language)).arg(subject);
}

QString headingTag(InfoLanguage language)
{
    return designedName(language) + u" heading"_s;
}

QString sampleTag(LegacyFont font, int subject, int label)
{
    return u"%1 sample, subject %2, Label%3"_s.arg(legacyFace(font)).arg(subject).arg(label);
}

struct ScriptCaption {
    QString tag;
    LegacyFont font;
    ScriptText text;
};

// Every script caption of the program, from the launcher's design, the
// introduction's catalogue and its samples.
std::vector<ScriptCaption> scriptCaptions()
{
    std::vector<ScriptCaption> captions;
    for (const Design::Control &control : introPixDesign().controls) {
        if (const auto font = control.font ? legacyFontWithFace(control.font->face) : std::nullopt)
            captions.push_back({launcherTag(control.name), *font, decodedScriptText(*font, control.caption)});
    }
    for (const InfoLanguage language : AllInfoLanguages) {
        const Catalogue::LanguageEntry &entry = Catalogue::forLanguage(language);
        const std::optional<LegacyFont> font = entry.script;
        if (!font)
            continue;
        for (std::size_t i = 0; i < entry.subjectCaptions.size(); ++i)
            captions.push_back({subjectTag(entry.language, int(i + 1)), *font, entry.subjectCaptions[i]});
        captions.push_back({headingTag(entry.language), *font, entry.heading});
    }
    for (const LegacyFont font : AllLegacyFonts) {
        for (int subject = 1; subject <= 7; ++subject) {
            for (const LabelCaption &sample : sampleCaptions(font, subject)) {
                if (sample.text.glyphs != sample.text.unicode)
                    captions.push_back({sampleTag(font, subject, sample.label), font, sample.text});
            }
        }
    }
    return captions;
}

template<typename Row>
const Row *mendOf(std::span<const Row> rows, const QString &caption)
{
    const auto found = std::ranges::find_if(rows, [&](const Row &row) { return caption == QLatin1String(row.caption); });
    return found == rows.end() ? nullptr : &*found;
}

// The words that glyph codes spell: the blanks that only placed the legacy
// glyphs left out, one between two words.
QString spelt(LegacyFont font, const QString &glyphCodes)
{
    return GlyphDecoding::toUnicode(font, glyphCodes).split(u' ', Qt::SkipEmptyParts).join(u' ');
}

// The script of a text in Unicode: that of its first letter of one of the
// four scripts, if any.
std::optional<LegacyFont> scriptOf(const QString &text)
{
    for (const QChar c : text)
        for (const LegacyFont font : AllLegacyFonts)
            if (inScriptBlock(font, c.unicode()))
                return font;
    return std::nullopt;
}

// A script text as a window draws it where the legacy fonts are shown, and
// what its twin, made where every script text is shown in Unicode, shows in
// its place.
struct DrawnText {
    QString tag;
    LegacyFont font;
    QString drawn;
    QString face;       // as the control asks for it
    QString realFamily; // as the font system matches it
    QString spoken;
    QString unicode;
};

// The script texts of two windows made alike, as they stand now, in the
// order their controls were made; tagOf names each by where it stands, or
// leaves it out (empty).
std::vector<DrawnText> drawnTexts(const QWidget &legacy, const QWidget &unicode,
                                  const std::function<QString(const QWidget &)> &tagOf)
{
    std::vector<DrawnText> texts;
    const QList<QWidget *> drawn = legacy.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const QList<QWidget *> twins = unicode.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < std::min(drawn.size(), twins.size()); ++i) {
        QWidget &control = *drawn[i];
        const QString tag = tagOf(control);
        const QString twin = captionOf(twins[i]);
        const std::optional<LegacyFont> font = scriptOf(twin);
        if (tag.isEmpty() || !font)
            continue;
        texts.push_back({tag, *font, captionOf(&control), control.font().family(), QFontInfo(control.font()).family(),
                         spokenName(&control), twin});
    }
    return texts;
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
        QTest::addColumn<QString>("designGlyphs"); // every code that the design's texts in the font use
        const std::vector<ScriptCaption> captions = scriptCaptions();
        std::map<LegacyFont, QString> designGlyphs;
        int mended = 0;
        for (const ScriptCaption &caption : captions) {
            QString codes = caption.text.glyphs;
            if (const CodeMend *mend = mendOf<CodeMend>(codeMends, caption.tag))
                codes.replace(fromCodes(mend->rightCodes), fromCodes(mend->wrongCodes));
            designGlyphs[caption.font] += codes;
            mended += (mendOf<Mend>(mends, caption.tag) != nullptr) + (mendOf<CodeMend>(codeMends, caption.tag) != nullptr);
        }
        for (const ScriptCaption &caption : captions)
            QTest::newRow(qPrintable(caption.tag))
                << caption.font << caption.text.glyphs << caption.text.unicode << designGlyphs[caption.font];
        // Every mend names a caption that exists.
        QCOMPARE(mended, int(std::size(mends) + std::size(codeMends)));
    }

    // Each carries well-formed Unicode text of the script, with no two
    // blanks in a row: what the decoding reads from its codes, but for the
    // mended word or whole text of a few. Mended codes spell the right word in
    // glyphs that the font's texts show elsewhere.
    void shouldDecodeEveryScriptCaptionOfTheProgram()
    {
        QFETCH(LegacyFont, font);
        QFETCH(QString, glyphCodes);
        QFETCH(QString, unicode);
        QFETCH(QString, designGlyphs);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        if (const CodeMend *mend = mendOf<CodeMend>(codeMends, tag)) {
            const QString right = fromCodes(mend->rightCodes);
            QVERIFY(standsOnceAsWords(glyphCodes, right));
            // Nothing of the wrong word is left beside the right one, which
            // may hold it (वर्ण in वर्णमाला).
            QVERIFY(!QString(glyphCodes).remove(right).contains(fromCodes(mend->wrongCodes)));
            QCOMPARE(GlyphDecoding::toUnicode(font, fromCodes(mend->wrongCodes)), mend->wrong);
            QCOMPARE(GlyphDecoding::toUnicode(font, right), mend->right);
            for (const QChar code : right)
                QVERIFY2(designGlyphs.contains(code), qPrintable(u"%1 is no glyph of the font's texts"_s.arg(code.unicode(), 2, 16)));
        }
        QVERIFY(!unicode.isEmpty());
        const QString fault = malformation(font, unicode);
        QVERIFY2(fault.isEmpty(), qPrintable(unicode + u": "_s + fault));
        // The blanks only placed the legacy glyphs: the decoding's words,
        // one blank apart.
        QString decoded = GlyphDecoding::toUnicode(font, glyphCodes).split(u' ', Qt::SkipEmptyParts).join(u' ');
        if (const Mend *mend = mendOf<Mend>(mends, tag)) {
            QVERIFY2(standsOnceAsWords(decoded, mend->wrong), qPrintable(decoded));
            QVERIFY(!unicode.contains(mend->wrong));
            decoded.replace(mend->wrong, mend->right);
        }
        QCOMPARE(unicode, decoded);
    }

    void shouldDrawGlyphCodesOnlyWhereTheySpellTheText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("launcher");
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<LegacyFont>("script");
        for (const char *how : {"installed", "forced"}) {
            QTest::addRow("legacy fonts %s, launcher", how) << QString::fromLatin1(how) << true << InfoLanguage::English
                                                            << LegacyFont::Devanagari;
            for (const InfoLanguage language : AllInfoLanguages)
                for (const LegacyFont script : AllLegacyFonts)
                    QTest::addRow("legacy fonts %s, %s about %s", how, qPrintable(designedName(language)),
                                  qPrintable(designedName(script)))
                        << QString::fromLatin1(how) << false << language << script;
        }
    }

    // Where the legacy fonts are shown, every script text of a window is
    // drawn from its glyph codes in the legacy font where they spell it,
    // and as its Unicode in a real font of the script where they do not:
    // the captions and samples whose Unicode was mended beyond their codes.
    // Either way a screen reader gets the Unicode.
    void shouldDrawGlyphCodesOnlyWhereTheySpellTheText()
    {
        QFETCH(QString, how);
        QFETCH(bool, launcher);
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        const ScriptFonts unicodeFonts = QtPlatform(ScriptTextOption::Unicode).scriptFonts();
        std::vector<DrawnText> texts;
        if (launcher) {
            FakePlatform legacyPlatform(legacyFontsShown(how));
            FakePlatform unicodePlatform(unicodeFonts);
            const IntroPix drawn(legacyPlatform);
            const IntroPix twin(unicodePlatform);
            texts = drawnTexts(drawn, twin, [](const QWidget &control) { return launcherTag(control.objectName()); });
        } else {
            const IntroFixture drawn({language, script}, legacyFontsShown(how));
            const IntroFixture twin({language, script}, unicodeFonts);
            texts = drawnTexts(drawn.window(), twin.window(), [&](const QWidget &control) {
                for (int subject = 1; subject <= 7; ++subject)
                    if (control.objectName() == u"Command3D"_s + QString::number(subject + 3))
                        return subjectTag(language, subject);
                return control.objectName() == u"Label24"_s ? headingTag(language) : QString();
            });
            for (int subject = 1; subject <= 7; ++subject) {
                drawn.clickSubject(subject);
                twin.clickSubject(subject);
                std::ranges::move(drawnTexts(drawn.window(), twin.window(),
                                             [&](const QWidget &control) {
                                                 for (const int label : Designed::SampleLabels)
                                                     if (control.objectName() == u"Label"_s + QString::number(label))
                                                         return sampleTag(script, subject, label);
                                                 return QString();
                                             }),
                                  std::back_inserter(texts));
            }
        }
        QVERIFY(!texts.empty());

        for (const DrawnText &text : texts) {
            const QByteArray where = (text.tag + u": "_s).toUtf8();
            if (mendOf<Mend>(mends, text.tag)) {
                QVERIFY2(text.drawn == text.unicode, where + text.drawn.toUtf8());
                QVERIFY2(ScriptFonts::preferredFamilies(text.font).contains(text.realFamily), where + text.realFamily.toUtf8());
            } else {
                QVERIFY2(text.face == legacyFace(text.font), where + text.face.toUtf8());
                QVERIFY2(spelt(text.font, text.drawn) == text.unicode, where + spelt(text.font, text.drawn).toUtf8());
            }
            QVERIFY2(text.spoken.startsWith(text.unicode), where + text.spoken.toUtf8());
        }
    }
};

QTEST_MAIN(CaptionDecodingTest)
#include "tst_captiondecoding.moc"
