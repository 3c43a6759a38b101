#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/ScriptFaces.h"
#include "introduction/SamplePanels.h"
#include "introduction/TextPages.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/Conversions.h"
#include "support/IntroFixture.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

using Captions = QMap<int, QString>; // page label -> caption

// What a page writes with text, by label; the labels it clears are left out.
Captions written(const std::vector<LabelCaption> &captions)
{
    Captions texts;
    for (const LabelCaption &caption : captions)
        if (!caption.text.unicode.isEmpty())
            texts.insert(caption.label, caption.text.unicode);
    return texts;
}

} // namespace

// The subject pages: the English text page, the script sample panels, and
// the division of Label8 to Label21 between text page and sample panel that
// every language keeps to.
class TextPagesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    // What the English text page writes, whatever the samples beside it.
    void shouldWriteTheEnglishPage_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<Captions>("captions");
        const LegacyFont script = LegacyFont::Bengali; // any but Gurumukhi, which has forms of its own

        const QString cr = u"\r"_s;
        QTest::newRow("1 BASIC IDEA") << 1 << script << Captions{
            {8, u"Korvani compiles Asian scripts in a simple phonetical relationship to English (Roman) sounds and "
                "therefore to a standard keyboard. For example:-"_s},
            {9, u"a"_s}, {11, u"k"_s},
            {13, u"Consonants and vowels are combined to form pronounceable groups of sounds (syllables). Use the "
                 "same keying for each sound, no matter how it occurs."_s},
            {16, u"aa"_s}, {18, u"kaa"_s}, {20, u"aakaa"_s}};
        QTest::newRow("2 ALPHABET") << 2 << script << Captions{
            {8, u"To show a full display, use Menu/Key/Show alphabet."_s + cr
                    + u"For example, some early characters are:-"_s},
            {9, u"a aa i ii u uu rri ...."_s}, {11, u"k kh g gh ....."_s}};
        QTest::newRow("3 KEYING") << 3 << script << Captions{
            {8, u"The form of each character may change greatly, depending on its context. Learn to recognize such "
                "forms, like:-"_s},
            {9, u"sha + ra"_s},
            {13, u"However, you can still type the same input, wherever the same sound occurs. The programme "
                 "analyzes your input and displays the appropriate forms."_s}};
        QTest::newRow("4 SYLLABLES") << 4 << script << Captions{
            {8, u"Learn to think in syllables, not just in terms of individual characters."_s + cr
                    + u"A syllable is a pronounceable group of characters. It may be between one and about eight "
                      "characters long, such as:-"_s},
            {9, u"rshlii"_s},
            {13, u"Each syllable must be terminated with a vowel to make it pronounceable."_s + cr
                     + u"The programme can infer a final 'a', the inherent form of "_s},
            {15, u"even if you do not type it, but if you type a space, punctuation or function key. So:-"_s},
            {16, u"aak"_s}, {18, u"k  [Return]"_s}, {20, u"[Return]      "_s}};
        QTest::newRow("5 VOWELS") << 5 << script << Captions{
            {8, u"Vowels use the sounds: a, e, i, o, u...."_s + cr
                    + u"Short vowels are typed with a single keying. For long vowels double the keying."_s + cr
                    + u"The same keying is used, whether the vowel is an initial (independent) or trailing sound "
                      "in a syllable."_s},
            {9, u"eke"_s}, {11, u"eekee"_s}};
        QTest::newRow("6 CONSONANTS") << 6 << script << Captions{
            {8, u"One or more of these sounds may be chained together with a vowel added to make a syllable. Any "
                "changes in shape required by a particular combination of consonant characters are made by the "
                "programme automatically."_s}};
        QTest::newRow("7 MORE INFO") << 7 << script << Captions{
            {8, u"Further information is given in your Korvani Vorda manual/Help."_s + cr
                    + u"See Menu/Key for tutorial exercises and practice."_s + cr
                    + u"See the files in your directory or on your disc:-"_s}};
    }

    void shouldWriteTheEnglishPage()
    {
        QFETCH(int, subject);
        QFETCH(LegacyFont, script);
        QFETCH(Captions, captions);
        QCOMPARE(written(textPageCaptions(englishPage(), subject, script)), captions);
        IntroFixture intro({InfoLanguage::English, script});
        intro.clickSubject(subject);
        for (auto caption = captions.cbegin(); caption != captions.cend(); ++caption)
            QCOMPARE(intro.caption(caption.key()), caption.value());
        QVERIFY(!intro.page().join(QString()).contains(u'\n'));
    }

    void shouldPickTheFirstKeyingExampleByScript_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("example");
        // Beside Gurumukhi samples every page gives the Gurumukhi forms, so
        // that the keying matches the letters shown.
        for (const InfoLanguage language : AllInfoLanguages) {
            const QString shaRa = language == InfoLanguage::Bengali ? u"sha + ra > "_s : u"sha + ra"_s;
            const auto row = [&](const char *tag, LegacyFont script, int subject, const QString &example) {
                QTest::addRow("%s %s", qPrintable(designedName(language)), tag) << language << script << subject
                                                                                << example;
            };
            row("Gurumukhi 2", LegacyFont::Gurumukhi, 2, u"a aa i ii u uu e ee o oo"_s);
            row("Gurumukhi 3", LegacyFont::Gurumukhi, 3, u"bha + ra"_s);
            row("Gurumukhi 4", LegacyFont::Gurumukhi, 4, u"ddva"_s);
            row("Devanagari 3", LegacyFont::Devanagari, 3, shaRa);
            row("Bengali 3", LegacyFont::Bengali, 3, shaRa);
            row("Gujarati 3", LegacyFont::Gujarati, 3, shaRa);
            row("Devanagari 4", LegacyFont::Devanagari, 4, u"rshlii"_s);
            row("Gujarati 2", LegacyFont::Gujarati, 2, u"a aa i ii u uu rri ...."_s);
            row("Gurumukhi 1 has one form", LegacyFont::Gurumukhi, 1, u"a"_s);
            row("Gurumukhi 5 has one form", LegacyFont::Gurumukhi, 5, u"eke"_s);
        }
    }

    void shouldPickTheFirstKeyingExampleByScript()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        QFETCH(QString, example);
        IntroFixture intro({language, script});
        intro.clickSubject(subject);
        QCOMPARE(intro.caption(9), example);
    }

    // Which labels a page writes with text, per subject; the text page owns
    // further labels that it clears, and the sample panel writes the rest.
    void shouldWriteTheSameLabelsOnEveryTextPage_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QList<int>>("written");
        const std::map<int, QList<int>> written{
            {1, {8, 9, 11, 13, 16, 18, 20}}, {2, {8, 9, 11}}, {3, {8, 9, 13}}, {4, {8, 9, 13, 15, 16, 18, 20}},
            {5, {8, 9, 11}},                 {6, {8}},        {7, {8}},
        };
        for (const InfoLanguage language : AllInfoLanguages)
            for (const auto &[subject, labels] : written)
                QTest::addRow("%s %d", qPrintable(designedName(language)), subject) << language << subject << labels;
    }

    void shouldWriteTheSameLabelsOnEveryTextPage()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(int, subject);
        QFETCH(QList<int>, written);
        const TextPage &page = language == InfoLanguage::English ? englishPage()
                             : language == InfoLanguage::Hindi   ? hindiPage()
                                                                 : bengaliPage();
        QList<int> labels;
        for (const PageCaption &caption : page.subjects[std::size_t(subject - 1)]) {
            QVERIFY2(!caption.text.isEmpty(), "a written caption has text");
            labels.append(caption.label);
        }
        std::sort(labels.begin(), labels.end());
        QCOMPARE(labels, written);
    }

    void shouldDivideThePageBetweenTextAndSamples()
    {
        for (const TextPage *page : {&englishPage(), &hindiPage(), &bengaliPage()}) {
            for (int subject = 1; subject <= 7; ++subject) {
                for (const LegacyFont script : AllLegacyFonts) {
                    std::multiset<int> labels;
                    for (const LabelCaption &caption : textPageCaptions(*page, subject, script))
                        labels.insert(caption.label);
                    for (const LabelCaption &caption : sampleCaptions(script, subject))
                        labels.insert(caption.label);
                    std::multiset<int> all;
                    for (int label = 8; label <= 21; ++label)
                        all.insert(label);
                    QVERIFY2(labels == all, qPrintable(u"subject %1"_s.arg(subject)));
                }
            }
            QVERIFY(textPageCaptions(*page, 0, LegacyFont::Devanagari).empty());
            QVERIFY(textPageCaptions(*page, 8, LegacyFont::Devanagari).empty());
        }
    }

    // Each page label is written by exactly one of text page and sample panel:
    // nothing of a page survives, whatever was there before.
    void shouldOverwriteEveryPageLabel_data() { addLanguageAndScriptRows(); }

    void shouldOverwriteEveryPageLabel()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        const QString stale = u"stale"_s;
        for (int subject = 1; subject <= 7; ++subject) {
            IntroFixture intro({language, script});
            for (int label = 8; label <= 21; ++label)
                controlsOf(intro.window()).label(u"Label"_s + QString::number(label))->setCaption(stale);
            intro.clickSubject(subject);
            const QStringList page = intro.page();
            QVERIFY2(!page.contains(stale), qPrintable(u"subject %1: %2"_s.arg(subject).arg(page.indexOf(stale) + 8)));
        }
    }

    void shouldLeaveNothingOfTheEarlierSubject_data() { shouldOverwriteEveryPageLabel_data(); }

    void shouldLeaveNothingOfTheEarlierSubject()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        std::map<int, QStringList> fresh;
        for (int subject = 1; subject <= 7; ++subject) {
            IntroFixture intro({language, script});
            intro.clickSubject(subject);
            fresh[subject] = intro.page();
        }
        IntroFixture intro({language, script});
        for (int earlier = 1; earlier <= 7; ++earlier) {
            for (int later = 1; later <= 7; ++later) {
                intro.clickSubject(earlier);
                intro.clickSubject(later);
                QVERIFY2(intro.page() == fresh[later], qPrintable(u"%1 then %2"_s.arg(earlier).arg(later)));
            }
        }
    }

    // What each script's sample panel writes, and nothing else, in the
    // script's font; a sample whose Unicode says more than its codes can is
    // shown as that Unicode, in a real font of the script.
    void shouldShowTheScriptSamples_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<int>("subject");
        QTest::addColumn<Captions>("captions");
        QTest::addColumn<Captions>("unicode");
        const auto row = [](const char *name, int subject, std::initializer_list<std::pair<int, const char *>> codes,
                            const Captions &unicode = {}) {
            Captions captions;
            for (const auto &[label, hex] : codes)
                captions.insert(label, fromCodes(hex));
            const auto script = LegacyFont(Designed::Scripts.indexOf(QLatin1StringView(name)));
            QTest::addRow("%s %d", name, subject) << script << subject << captions << unicode;
        };
        row("Devanagari", 1, {{10, "2B"}, {12, "45 F2"}, {17, "2B C9"}, {19, "45 F2 C9"}, {21, "2B C9 45 F2 C9"}});
        row("Devanagari", 2, {{10, "2B 20 2B C9 20 3C 20 3C C7 20 3D 20 20 3E F0 20 40 F1 20 2E 2E 2E"}, {12, "45 F2 20 4A C9 20 4D C9 20 50 C9 20 2E 2E 2E 20"}});
        row("Devanagari", 3, {{10, "B6 C9 20 20 AE F4 20 2E 2E 20 B8 C9 20"}}, {{10, u"श + र = श्र"_s}});
        row("Devanagari", 4, {{10, "20 B6 B1 C9 EA 20"}, {14, "2B"}, {17, "2B C9 45 F2 21"}, {19, "20 20 20 20 20 20 20 20 20 20 45 F2"}});
        row("Devanagari", 5, {{10, "20 42 45 E4 F2 20"}, {12, "20 42 E4 45 E8 F2"}});
        row("Bengali", 1, {{10, "41"}, {12, "B1"}, {17, "41 C1"}, {19, "B1 C1"}, {21, "41 61 B1 C1"}});
        row("Bengali", 2, {{10, "41 20 41 C1 20 53 20 44 20 46 20 47 20 48 2E 2E 2E"}, {12, "B1 20 B2 20 B3 20 B4 2E 2E 2E"}});
        row("Bengali", 3, {{10, "AE 20 2B 20 6D 20 20 3E 20 AE CD"}});
        row("Bengali", 4, {{10, "CB AE CC ED 20"}, {14, "41"}, {17, "41 61 B1 21"}, {19, "20 20 20 B1"}}, {{10, u"র্শ্লী"_s}});
        row("Bengali", 5, {{10, "4A 6A B1"}, {12, "4B 6B B1"}});
        row("Gujarati", 1, {{10, "2B"}, {12, "48 ED"}, {17, "2B C9"}, {19, "48 FB C9"}, {21, "2B C9 48 FB C9"}});
        row("Gujarati", 2, {{10, "2B 20 2B C9 20 3C 20 3E 20 41 20 43 20 45 EC 2E 2E 2E"}, {12, "48 ED 20 4C C9 20 4E C9 20 50 C9 20 2E 2E 2E"}});
        row("Gujarati", 3, {{10, "B6 C9 20 AD 20 2E 2E 2E 20 B8 C9"}}, {{10, u"શ + ર = શ્ર"_s}});
        row("Gujarati", 4, {{10, "B6 B1 C9 E6"}, {14, "2B"}, {17, "2B C9 48 ED 21"}, {19, "48 ED"}});
        row("Gujarati", 5, {{10, "2B E0 48 E0 ED"}, {12, "2B E4 48 E4 ED"}});
        row("Gurumukhi", 1, {{10, "41"}, {12, "45"}, {17, "41 73"}, {19, "45 73"}, {21, "41 73 45 73"}});
        row("Gurumukhi", 2, {{10, "41 20 41 73 20 75 42 20 42 76 20 43 78 20 43 79 20 42 A1 20 41 A5 20 44 20 41 AC"}, {12, "45 20 47 20 49 20 4B 20 2E 2E 2E"}});
        row("Gurumukhi", 3, {{10, "65 20 2B 20 6A 20 3D 20 66"}});
        row("Gurumukhi", 4, {{10, "20 20 B0 5D AF"}, {14, "41"}, {17, "41 73 45 21"}, {19, "45"}});
        row("Gurumukhi", 5, {{10, "42 A1 45 A1"}, {12, "41 A5 45 A5"}});
        for (const char *script : {"Devanagari", "Bengali", "Gujarati", "Gurumukhi"})
            row(script, 6, {});
        QTest::newRow("Devanagari 7") << LegacyFont::Devanagari << 7 << Captions{{9, u"VORDA5.HLP"_s}, {11, u"DemDevaR.rtf"_s}} << Captions();
        QTest::newRow("Bengali 7") << LegacyFont::Bengali << 7 << Captions{{9, u"VORDA5.HLP"_s}, {11, u"DemBengR.rtf"_s}} << Captions();
        QTest::newRow("Gujarati 7") << LegacyFont::Gujarati << 7 << Captions{{9, u"VORDA5.HLP"_s}, {11, u"DemGujaR.rtf"_s}} << Captions();
        QTest::newRow("Gurumukhi 7") << LegacyFont::Gurumukhi << 7 << Captions{{9, u"VORDA5.HLP"_s}, {11, u"DemGuruR.rtf"_s}} << Captions();
    }

    void shouldShowTheScriptSamples()
    {
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        QFETCH(Captions, captions);
        QFETCH(Captions, unicode);
        const std::vector<LabelCaption> written = sampleCaptions(script, subject);
        QCOMPARE(::written(written).keys(), captions.keys());
        IntroFixture intro({InfoLanguage::English, script});
        intro.clickSubject(subject);
        const QString sampleFont = Designed::LegacyFaces.value(designedName(script));
        for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
            const auto sample = std::ranges::find(written, it.key(), &LabelCaption::label);
            QCOMPARE(sample->text.glyphs, it.value());
            const bool latin = subject == 7;
            const FormLabel &label = *controlsOf(intro.window()).label(u"Label"_s + QString::number(it.key()));
            const QString face = label.font().family();
            if (unicode.contains(it.key())) {
                QCOMPARE(intro.caption(it.key()), unicode.value(it.key()));
                QVERIFY(ScriptFaces::showsUnicode(label));
            } else {
                QCOMPARE(intro.caption(it.key()), it.value());
                QCOMPARE(face, latin ? u"MS Sans Serif"_s : sampleFont);
            }
        }
        // The other sample labels show nothing: the text page clears them.
        for (const int label : Designed::SampleLabels)
            if (!captions.contains(label))
                QVERIFY2(intro.caption(label).isEmpty(), qPrintable(u"Label%1"_s.arg(label)));
    }

    void shouldNameTheFilesOnSubject7InEveryLanguage()
    {
        for (const InfoLanguage language : AllInfoLanguages) {
            IntroFixture intro({language, LegacyFont::Gujarati});
            intro.clickSubject(5);
            intro.clickSubject(7);
            QCOMPARE(intro.caption(9), u"VORDA5.HLP"_s);
            QCOMPARE(intro.caption(11), u"DemGujaR.rtf"_s);
        }
    }

    // Every Latin caption of an English page, in the label's design font,
    // shows all its lines within the label.
    void shouldFitEveryEnglishCaption_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<int>("subject");
        for (const LegacyFont script : AllLegacyFonts)
            for (int subject = 1; subject <= 7; ++subject)
                QTest::addRow("%s %d", qPrintable(designedName(script)), subject) << script << subject;
    }

    void shouldFitEveryEnglishCaption()
    {
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        IntroFixture intro({InfoLanguage::English, script});
        intro.clickSubject(subject);
        const QStringList latin{u"Label8"_s, u"Label9"_s, u"Label11"_s, u"Label13"_s, u"Label15"_s,
                                u"Label16"_s, u"Label18"_s, u"Label20"_s, u"Label24"_s};
        for (const QString &name : latin)
            verifyFits(*controlsOf(intro.window()).label(name));
        verifyFits(*controlsOf(intro.window()).label(u"Label22"_s, 0));
        verifyFits(*controlsOf(intro.window()).label(u"Label23"_s, 0));
    }

    void shouldFitEverySubjectCaptionOnItsButton_data()
    {
        QTest::addColumn<int>("subject");
        for (int subject = 1; subject <= 7; ++subject)
            QTest::addRow("%d", subject) << subject;
    }

    void shouldFitEverySubjectCaptionOnItsButton()
    {
        QFETCH(int, subject);
        IntroFixture intro({InfoLanguage::English, LegacyFont::Devanagari});
        const FormButton &button = *controlsOf(intro.window()).button(u"Command3D"_s + QString::number(subject + 3));
        QStyleOptionButton option;
        option.initFrom(&button);
        const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
        const QFontMetricsF metrics(button.font());
        // A caption too wide for one line wraps at its blanks ("CONSON- ANTS").
        const QStringList lines = button.shownLines();
        QCOMPARE(lines.join(QString()).simplified(), button.text());
        QCOMPARE(lines.size(), subject == 6 ? 2 : 1);
        QVERIFY(lines.size() * metrics.lineSpacing() <= room.height());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= room.width(),
                     qPrintable(u"%1: %2 of %3"_s.arg(line).arg(metrics.horizontalAdvance(line)).arg(room.width())));
    }

private:
    static void verifyFits(const FormLabel &label)
    {
        const QFontMetricsF metrics(label.font());
        const int border = label.isFramed() ? (label.isFlat() ? 1 : 2) : 0;
        const QRectF inner = QRectF(label.rect()).adjusted(border, border, -border, -border);
        const QStringList lines = label.shownLines();
        const QString what = label.objectName() + u": "_s + label.caption().left(30);
        QVERIFY2(lines.size() * metrics.lineSpacing() <= inner.height(),
                 qPrintable(what + u" needs %1 lines"_s.arg(lines.size())));
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= inner.width(), qPrintable(what + u" too wide"_s));
    }
};

QTEST_MAIN(TextPagesTest)
#include "tst_textpages.moc"
