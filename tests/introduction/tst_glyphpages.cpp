#include "introduction/TextPages.h"
#include "support/Constants.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct GlyphRow {
    const char *page;
    int subject;
    int label;
    QList<int> partLengths;
};

// Where the two pages carry texts in their script's font, and how long each
// line of them is in codes.
const GlyphRow glyphRows[] = {
    {"hindi", 1, 8, {159}},
    {"hindi", 1, 13, {217}},
    {"hindi", 2, 8, {108}},
    {"hindi", 3, 8, {141}},
    {"hindi", 3, 13, {223}},
    {"hindi", 4, 8, {100, 163}},
    {"hindi", 4, 13, {96, 54}},
    {"hindi", 4, 15, {124}},
    {"hindi", 5, 8, {57, 116, 149}},
    {"hindi", 6, 8, {218}},
    {"hindi", 7, 8, {88, 105, 83}},
    {"bengali", 1, 8, {125}},
    {"bengali", 1, 13, {166}},
    {"bengali", 2, 8, {80}},
    {"bengali", 3, 8, {57, 34}},
    {"bengali", 3, 13, {146}},
    {"bengali", 4, 8, {53, 118}},
    {"bengali", 4, 13, {65, 39}},
    {"bengali", 4, 15, {119}},
    {"bengali", 5, 8, {41, 49, 33, 82}},
    {"bengali", 6, 8, {158}},
    {"bengali", 7, 8, {57, 54, 47}},
};

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
    {"hindi", 4, 9, u"rshlee"_s, u"ddva"_s},
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
    {"bengali", 4, 9, u"rshlee"_s, u"ddva"_s},
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

bool hasScriptCodes(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0xA0; });
}

} // namespace

class Tst_glyphpages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void glyphCaptions_data();
    void glyphCaptions();
    void glyphTextsAreDistinct();
    void latinExamples_data();
    void latinExamples();
    void gurumukhiForms_data();
    void gurumukhiForms();
    void labelsWritten_data();
    void labelsWritten();
};

void Tst_glyphpages::glyphCaptions_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("label");
    QTest::addColumn<QList<int>>("partLengths");
    for (const GlyphRow &row : glyphRows)
        QTest::addRow("%s s%d Label%d", row.page, row.subject, row.label)
            << QString::fromLatin1(row.page) << row.subject << row.label << row.partLengths;
}

void Tst_glyphpages::glyphCaptions()
{
    QFETCH(QString, page);
    QFETCH(int, subject);
    QFETCH(int, label);
    QFETCH(QList<int>, partLengths);

    const auto captions = captionsOf(page, subject, label);
    QCOMPARE(captions.size(), std::size_t(1));
    const PageCaption &caption = *captions.front();
    QVERIFY(!caption.gurumukhiText);

    const QStringList parts = caption.text.glyphs.split(u'\r');
    QList<int> lengths;
    for (const QString &part : parts)
        lengths << int(part.size());
    QCOMPARE(lengths, partLengths);
    const int sum = std::accumulate(partLengths.cbegin(), partLengths.cend(), 0);
    QCOMPARE(caption.text.glyphs.size(), sum + partLengths.size() - 1);

    for (const QString &part : parts) {
        // Script text rather than Latin letters, filled with words rather
        // than padded with blanks.
        QVERIFY(hasScriptCodes(part));
        QVERIFY(!part.startsWith(u' ') && !part.endsWith(u' '));
        QVERIFY(!part.contains(u"  "_s));
        for (const QChar c : part) {
            const char16_t code = c.unicode();
            const QByteArray where = "code " + QByteArray::number(int(code), 16);
            QVERIFY2(code >= 0x20 && code <= 0xFF, where.constData());
            QVERIFY2(code < 0x7F || code > 0x9F, where.constData());
            // A label would take "&" as the mark of an access key.
            QVERIFY2(code != u'&', where.constData());
        }
    }
}

void Tst_glyphpages::glyphTextsAreDistinct()
{
    QSet<QString> parts;
    int count = 0;
    for (const TextPage *page : {&hindiPage(), &bengaliPage()}) {
        for (const std::vector<PageCaption> &subject : page->subjects) {
            for (const PageCaption &caption : subject) {
                if (!Designed::TextLabels.contains(caption.label))
                    continue;
                for (const QString &part : caption.text.glyphs.split(u'\r')) {
                    parts.insert(part);
                    ++count;
                }
            }
        }
    }
    QCOMPARE(count, 36);
    QCOMPARE(parts.size(), count);
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

    QList<int> expected;
    for (const GlyphRow &row : glyphRows)
        if (QLatin1StringView(row.page) == page && row.subject == subject)
            expected << row.label;
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
            QVERIFY2(hasScriptCodes(caption.text.glyphs), (where + " holds no script text").constData());
        else if (Designed::KeyingLabels.contains(caption.label))
            QVERIFY2(isLatin(caption.text.glyphs) && isLatin(caption.gurumukhiText.value_or(QString())),
                     (where + " holds no Latin text").constData());
        else
            QFAIL((where + " is not a text or keying label").constData());
    }
    // Same labels, each once.
    std::sort(expected.begin(), expected.end());
    std::sort(written.begin(), written.end());
    QCOMPARE(written, expected);
}

QTEST_MAIN(Tst_glyphpages)
#include "tst_glyphpages.moc"
