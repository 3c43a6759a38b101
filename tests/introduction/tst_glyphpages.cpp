#include "support/IntroFixture.h"
#include "forms/FormLabel.h"
#include "forms/ScriptFaces.h"
#include "introduction/Catalogue.h"
#include "introduction/SamplePanels.h"
#include "introduction/TextPages.h"
#include "platform/QtPlatform.h"
#include "support/Constants.h"
#include "support/Controls.h"

#include <QAccessible>
#include <QFontInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct LatinRow {
    const char *page;
    int subject;
    int label;
    QString text;
    std::optional<QString> gurumukhi;
};

const LatinRow latinRows[] = {
    {"hindi", 1, 9, u"a"_s, {}},
    {"hindi", 1, 11, u"k"_s, {}},
    {"hindi", 1, 16, u"aa"_s, {}},
    {"hindi", 1, 18, u"kaa"_s, {}},
    {"hindi", 1, 20, u"aakaa"_s, {}},
    {"hindi", 2, 9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
    {"hindi", 2, 11, u"k kh g gh ....."_s, {}},
    {"hindi", 3, 9, u"sha + ra"_s, u"bha + ra"_s},
    {"hindi", 4, 9, u"rshlii"_s, u"ddva"_s},
    {"hindi", 4, 16, u"aak"_s, {}},
    {"hindi", 4, 18, u"k  [Return]"_s, {}},
    {"hindi", 4, 20, u"[Return]"_s, {}},
    {"hindi", 5, 9, u"eke"_s, {}},
    {"hindi", 5, 11, u"eekee"_s, {}},
    {"bengali", 1, 9, u"a"_s, {}},
    {"bengali", 1, 11, u"k"_s, {}},
    {"bengali", 1, 16, u"aa"_s, {}},
    {"bengali", 1, 18, u"kaa"_s, {}},
    {"bengali", 1, 20, u"aakaa"_s, {}},
    {"bengali", 2, 9, u"a aa i ii u uu rri ...."_s, u"a aa i ii u uu e ee o oo"_s},
    {"bengali", 2, 11, u"k kh g gh ....."_s, {}},
    {"bengali", 3, 9, u"sha + ra > "_s, u"bha + ra"_s},
    {"bengali", 4, 9, u"rshlii"_s, u"ddva"_s},
    {"bengali", 4, 16, u"aak"_s, {}},
    {"bengali", 4, 18, u"k  [Return]"_s, {}},
    {"bengali", 4, 20, u"[Return]     "_s, {}},
    {"bengali", 5, 9, u"eke"_s, {}},
    {"bengali", 5, 11, u"eekee"_s, {}},
};

const TextPage &pageNamed(const QString &name)
{
    return name == u"hindi"_s ? hindiPage() : bengaliPage();
}

const std::vector<PageCaption> &subjectOf(const QString &page, int subject)
{
    return pageNamed(page).subjects.at(std::size_t(subject - 1));
}

std::vector<const PageCaption *> captionsOf(const QString &page, int subject, int label)
{
    std::vector<const PageCaption *> found;
    for (const PageCaption &caption : subjectOf(page, subject))
        if (caption.label == label)
            found.push_back(&caption);
    return found;
}

bool isLatin(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u' ' && c <= u'~'; });
}

// The script that a page's explanations are written in.
LegacyFont scriptOf(const QString &page)
{
    return page == u"hindi"_s ? LegacyFont::Devanagari : LegacyFont::Bengali;
}

// Letters of the script's Unicode block, and no code of a legacy font above
// ASCII, which would show as a Latin-1 letter.
bool isUnicodeOf(LegacyFont script, const QString &text)
{
    const char16_t first = script == LegacyFont::Devanagari ? 0x0900 : 0x0980;
    const auto ofScript = [&](QChar c) { return c.unicode() >= first && c.unicode() < first + 0x80; };
    const auto legacyCode = [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0xFF; };
    return std::any_of(text.cbegin(), text.cend(), ofScript) && std::none_of(text.cbegin(), text.cend(), legacyCode);
}

// The letters that a page names for vowel keys: "a/aa = अ/आ" names two
// at once, "e = ए" one; the blanks around "=" may be narrow no-break ones.
// A key named twice is left out of the second time and reported in `twice`.
QMap<QString, QString> namedLetters(const QString &page, QStringList &twice)
{
    static const QRegularExpression named(
        u"([a-z]+(?:/[a-z]+)*)[ \\x{202F}]*=[ \\x{202F}]*([^\\s,;()।/]+(?:/[^\\s,;()।/]+)*)"_s);
    QMap<QString, QString> letterOf;
    for (const QRegularExpressionMatch &match : named.globalMatch(page)) {
        const QStringList keys = match.captured(1).split(u'/');
        const QStringList letters = match.captured(2).split(u'/');
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (letterOf.contains(keys[i]))
                twice << keys[i];
            else
                letterOf.insert(keys[i], letters.value(i));
        }
    }
    return letterOf;
}

// What the named letters make of a keying of vowels and the consonant k: a
// vowel's letter where it begins the syllable, its sign after k (Unicode
// places each sign 38 hex after its letter; a, the inherent vowel, has none).
QString spelt(const QString &keying, const QMap<QString, QString> &letterOf, LegacyFont script)
{
    const char16_t block = script == LegacyFont::Devanagari ? 0x0900 : 0x0980;
    QString text;
    bool afterConsonant = false;
    for (qsizetype at = 0; at < keying.size();) {
        if (keying.at(at) == u'k') {
            text += QChar(block + 0x15);
            afterConsonant = true;
            ++at;
            continue;
        }
        QString key;
        for (auto it = letterOf.cbegin(); it != letterOf.cend(); ++it)
            if (keying.sliced(at).startsWith(it.key()) && it.key().size() > key.size())
                key = it.key();
        if (key.isEmpty())
            return u"no letter named for "_s + keying.sliced(at);
        const QString letter = letterOf.value(key);
        if (!afterConsonant)
            text += letter;
        else if (letter != QChar(block + 0x05))
            text += QChar(letter.front().unicode() + 0x38);
        afterConsonant = false;
        at += key.size();
    }
    return text;
}

// The words of a row of keys or letters, without the dots that end the row.
QStringList wordsOf(const QString &row)
{
    QStringList words = QString(row).remove(u'.').split(u' ', Qt::SkipEmptyParts);
    return words;
}

} // namespace

class Tst_glyphpages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void explanations_data();
    void explanations();
    void explanationsAreDistinct();
    void shouldShowExplanationsInUnicodeBesideLegacyCaptions_data();
    void shouldShowExplanationsInUnicodeBesideLegacyCaptions();
    void latinExamples_data();
    void latinExamples();
    void gurumukhiForms_data();
    void gurumukhiForms();
    void labelsWritten_data();
    void labelsWritten();
    void captionNamesItsPage_data();
    void captionNamesItsPage();
    void shouldTeachTheVowelKeysThatTheSamplesShow_data();
    void shouldTeachTheVowelKeysThatTheSamplesShow();
};

void Tst_glyphpages::initTestCase()
{
    for (const LegacyFont font : {LegacyFont::Devanagari, LegacyFont::Bengali})
        QVERIFY2(!QtPlatform().scriptFonts().unicodeFamily(font).isEmpty(),
                 qPrintable(u"no real font of the script of "_s + legacyFace(font)
                            + u" is installed; the test command installs them"_s));
}

void Tst_glyphpages::explanations_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("label");
    for (const char *page : {"hindi", "bengali"})
        for (int subject = 1; subject <= 7; ++subject)
            for (const PageCaption &caption : subjectOf(QString::fromLatin1(page), subject))
                if (Designed::TextLabels.contains(caption.label))
                    QTest::addRow("%s s%d Label%d", page, subject, caption.label)
                        << QString::fromLatin1(page) << subject << caption.label;
}

// An explanation is Unicode text of its script, line by line written out,
// with nothing of a legacy font's glyph codes.
void Tst_glyphpages::explanations()
{
    QFETCH(QString, page);
    QFETCH(int, subject);
    QFETCH(int, label);

    const auto captions = captionsOf(page, subject, label);
    QCOMPARE(captions.size(), std::size_t(1));
    const PageCaption &caption = *captions.front();
    QVERIFY(!caption.gurumukhiText);
    for (const QString &line : caption.text.split(u'\r')) {
        QVERIFY2(isUnicodeOf(scriptOf(page), line), qPrintable(line));
        QVERIFY2(!line.startsWith(u' ') && !line.endsWith(u' ') && !line.contains(u"  "_s), qPrintable(line));
        QVERIFY2(std::none_of(line.cbegin(), line.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }),
                 qPrintable(line));
        // A label would take "&" as the mark of an access key.
        QVERIFY2(!line.contains(u'&'), qPrintable(line));
    }
}

void Tst_glyphpages::explanationsAreDistinct()
{
    QStringList lines;
    for (const TextPage *page : {&hindiPage(), &bengaliPage()})
        for (const std::vector<PageCaption> &subject : page->subjects)
            for (const PageCaption &caption : subject)
                if (Designed::TextLabels.contains(caption.label))
                    lines << caption.text.split(u'\r');
    QVERIFY(!lines.isEmpty());
    QCOMPARE(QSet<QString>(lines.cbegin(), lines.cend()).size(), lines.size());
}

void Tst_glyphpages::shouldShowExplanationsInUnicodeBesideLegacyCaptions_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<InfoLanguage>("language");
    QTest::addColumn<LegacyFont>("script");
    QTest::addColumn<int>("subject");
    for (const char *how : {"installed", "forced"})
        for (const InfoLanguage language : {InfoLanguage::Hindi, InfoLanguage::Bengali})
            for (const LegacyFont script : AllLegacyFonts)
                for (int subject = 1; subject <= 7; ++subject)
                    QTest::addRow("legacy fonts %s, %s about %s, subject %d", how, qPrintable(designedName(language)),
                                  qPrintable(designedName(script)), subject)
                        << QString::fromLatin1(how) << language << script << subject;
}

// Where the legacy fonts are shown, the explanations, which are Unicode
// only, are shown and spoken as such in a real font of the script (how the
// captions and samples beside them are drawn: tst_captiondecoding).
void Tst_glyphpages::shouldShowExplanationsInUnicodeBesideLegacyCaptions()
{
    QFETCH(QString, how);
    QFETCH(InfoLanguage, language);
    QFETCH(LegacyFont, script);
    QFETCH(int, subject);
    const Catalogue::LanguageEntry &entry = Catalogue::forLanguage(language);
    QVERIFY(entry.script);
    const LegacyFont languageFont = *entry.script;
    IntroFixture intro({language, script}, legacyFontsShown(how));
    intro.clickSubject(subject);
    const DesignedControls &controls = controlsOf(intro.window());

    int explanations = 0;
    for (const LabelCaption &expected : textPageCaptions(entry.textPage(), subject, script)) {
        FormLabel *label = controls.label(u"Label"_s + QString::number(expected.label));
        const QString where = label->objectName() + u": "_s;
        QCOMPARE(label->caption(), expected.text.unicode);
        if (!Designed::TextLabels.contains(expected.label) || expected.text.unicode.isEmpty())
            continue;
        ++explanations;
        QVERIFY2(isUnicodeOf(languageFont, label->caption()), qPrintable(where + label->caption()));
        QVERIFY(ScriptFaces::showsUnicode(*label));
        const QString family = QFontInfo(label->font()).family();
        QVERIFY2(ScriptFonts::preferredFamilies(languageFont).contains(family), qPrintable(where + family));
        QCOMPARE(spokenName(label), QString(label->caption()).replace(u'\r', u'\n'));
    }
    QVERIFY(explanations > 0);
}

void Tst_glyphpages::latinExamples_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gurumukhi"); // null: no Gurumukhi form
    for (const LatinRow &row : latinRows)
        QTest::addRow("%s s%d Label%d", row.page, row.subject, row.label)
            << QString::fromLatin1(row.page) << row.subject << row.label << row.text
            << row.gurumukhi.value_or(QString());
}

void Tst_glyphpages::latinExamples()
{
    QFETCH(QString, page);
    QFETCH(int, subject);
    QFETCH(int, label);
    QFETCH(QString, text);
    QFETCH(QString, gurumukhi);

    const auto captions = captionsOf(page, subject, label);
    QCOMPARE(captions.size(), std::size_t(1));
    const PageCaption &caption = *captions.front();
    QCOMPARE(caption.text, text);
    QCOMPARE(caption.gurumukhiText.has_value(), !gurumukhi.isNull());
    QCOMPARE(caption.gurumukhiText.value_or(QString()), gurumukhi);
}

void Tst_glyphpages::gurumukhiForms_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("hindi") << u"hindi"_s << QStringList{u"s2 Label9"_s, u"s3 Label9"_s, u"s4 Label9"_s};
    QTest::newRow("bengali") << u"bengali"_s << QStringList{u"s2 Label9"_s, u"s3 Label9"_s, u"s4 Label9"_s};
}

void Tst_glyphpages::gurumukhiForms()
{
    QFETCH(QString, page);
    QFETCH(QStringList, expected);

    QStringList found;
    for (int subject = 1; subject <= 7; ++subject)
        for (const PageCaption &caption : subjectOf(page, subject))
            if (caption.gurumukhiText)
                found << u"s%1 Label%2"_s.arg(subject).arg(caption.label);
    QCOMPARE(found, expected);
}

void Tst_glyphpages::labelsWritten_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("subject");
    for (const char *page : {"hindi", "bengali"})
        for (int subject = 1; subject <= 7; ++subject)
            QTest::addRow("%s s%d", page, subject) << QString::fromLatin1(page) << subject;
}

void Tst_glyphpages::labelsWritten()
{
    QFETCH(QString, page);
    QFETCH(int, subject);

    // The explanations stand where the English page has its texts.
    QList<int> expected;
    for (const PageCaption &caption : englishPage().subjects.at(std::size_t(subject - 1)))
        if (Designed::TextLabels.contains(caption.label))
            expected << caption.label;
    for (const LatinRow &row : latinRows)
        if (QLatin1StringView(row.page) == page && row.subject == subject)
            expected << row.label;

    QList<int> written;
    for (const PageCaption &caption : subjectOf(page, subject)) {
        const QByteArray where = "Label" + QByteArray::number(caption.label);
        written << caption.label;
        QVERIFY2(!Designed::SampleLabels.contains(caption.label), (where + " belongs to the sample panel").constData());
        QVERIFY2(!caption.text.isEmpty(), (where + " is written empty").constData());
        if (Designed::TextLabels.contains(caption.label))
            QVERIFY2(isUnicodeOf(scriptOf(page), caption.text), (where + " holds no text of the script").constData());
        else if (Designed::KeyingLabels.contains(caption.label))
            QVERIFY2(isLatin(caption.text) && isLatin(caption.gurumukhiText.value_or(QString())),
                     (where + " holds no Latin text").constData());
        else
            QFAIL((where + " is not a text or keying label").constData());
    }
    // Same labels, each once.
    std::sort(expected.begin(), expected.end());
    std::sort(written.begin(), written.end());
    QCOMPARE(written, expected);
}

void Tst_glyphpages::captionNamesItsPage_data()
{
    QTest::addColumn<InfoLanguage>("language");
    QTest::addColumn<int>("subject");
    // The subjects whose pages use the word that their button shows.
    for (const int subject : {2, 4, 5, 6, 7})
        QTest::addRow("Hindi %d", subject) << InfoLanguage::Hindi << subject;
    for (const int subject : {2, 4, 5, 6, 7})
        QTest::addRow("Bengali %d", subject) << InfoLanguage::Bengali << subject;
}

// A subject's button and its page name the subject with the same word: the
// caption stands at the start of a word of the page, which may inflect it
// (व्यंजनवर्णों, ব্যঞ্জনবর্ণের).
void Tst_glyphpages::captionNamesItsPage()
{
    QFETCH(InfoLanguage, language);
    QFETCH(int, subject);
    const Catalogue::LanguageEntry &entry = Catalogue::forLanguage(language);
    const QString caption = entry.subjectCaptions.at(std::size_t(subject - 1)).unicode;
    QString page;
    for (const PageCaption &text : entry.textPage().subjects.at(std::size_t(subject - 1)))
        if (Designed::TextLabels.contains(text.label))
            page += u' ' + text.text;
    bool named = false;
    for (qsizetype at = page.indexOf(caption); at >= 0 && !named; at = page.indexOf(caption, at + 1))
        named = !page.at(at - 1).isLetterOrNumber() && !page.at(at - 1).isMark();
    QVERIFY2(named, qPrintable(caption));
}

void Tst_glyphpages::shouldTeachTheVowelKeysThatTheSamplesShow_data()
{
    QTest::addColumn<InfoLanguage>("language");
    QTest::addColumn<LegacyFont>("script");
    QTest::newRow("Hindi about Devanagari") << InfoLanguage::Hindi << LegacyFont::Devanagari;
    QTest::newRow("Bengali about Bengali") << InfoLanguage::Bengali << LegacyFont::Bengali;
}

// The vowels page names the letter that each vowel key gives. The samples
// beside the keys show the same letters: the alphabet's vowels one by one,
// and the vowels page's own examples, where the same key gives the letter at
// the start and its sign after a consonant.
void Tst_glyphpages::shouldTeachTheVowelKeysThatTheSamplesShow()
{
    QFETCH(InfoLanguage, language);
    QFETCH(LegacyFont, script);
    IntroFixture intro({language, script}, QtPlatform(ScriptTextOption::Unicode).scriptFonts());

    intro.clickSubject(5);
    QStringList twice;
    const QMap<QString, QString> letterOf = namedLetters(intro.caption(8), twice);
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u", "_s) + u" named twice"_s));
    for (const auto &[keying, sample] : {std::pair{9, 10}, std::pair{11, 12}}) {
        QVERIFY(!intro.caption(keying).isEmpty());
        QCOMPARE(intro.caption(sample), spelt(intro.caption(keying), letterOf, script));
    }

    intro.clickSubject(2);
    const QStringList keys = wordsOf(intro.caption(9));
    const QStringList letters = wordsOf(intro.caption(10));
    QCOMPARE(letters.size(), keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        QVERIFY2(letterOf.value(keys[i]) == letters[i],
                 qPrintable(keys[i] + u" gives "_s + letters[i] + u", the page names "_s + letterOf.value(keys[i])));
}

QTEST_MAIN(Tst_glyphpages)
#include "tst_glyphpages.moc"
