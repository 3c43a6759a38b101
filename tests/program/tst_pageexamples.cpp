#include "keying/Composer.h"
#include "platform/QtPlatform.h"
#include "support/Choices.h"
#include "support/Constants.h"
#include "support/IntroFixture.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Each keying label stands left of the sample of what it gives.
constexpr std::array<std::pair<int, int>, 5> KeyingBesideSample{{{9, 10}, {11, 12}, {16, 17}, {18, 19}, {20, 21}}};
// The syllables page names the inherent a in its text, beside its sample,
// and its last row shows what a syllable looks like before and after it is
// ended: "aak" as it stands, "k [Return]".
constexpr int SyllablesSubject = 4;
constexpr int InherentSample = 14;
constexpr int AsTypedFrom = 16;

const QStringList SubjectNames{u"basic idea"_s, u"alphabet"_s, u"keying"_s, u"syllables"_s, u"vowels"_s};

const ScriptFonts &unicodeFonts()
{
    static const ScriptFonts fonts = QtPlatform(ScriptTextOption::Unicode).scriptFonts();
    return fonts;
}

// The keys a keying example stands for: "[Return]" is the Return key, and
// the blanks around it only place it.
QString keysOf(const QString &keying)
{
    return QString(keying).replace(QRegularExpression(u" *\\[Return\\] *"_s), u"\n"_s);
}

// An example and its sample end in dots where they go on ("a aa i ...."),
// as many as fit; the letters before them are what is compared.
QString withoutEllipsis(const QString &text)
{
    return QString(text).remove(QRegularExpression(u"[ .]*\\.$"_s)).trimmed();
}

// "sha + ra": an explanation of a conjunct's form, its parts and what they
// make together, not keys to type as they stand.
bool isExplanation(const QString &keying)
{
    return keying.contains(u" + "_s);
}

struct Example {
    QString name;
    LegacyFont script;
    QString keying;
    QString sample;
    // Typed as it stands; every other example is a word, a blank after it.
    bool asTyped = false;
};

// Every keying example that stands beside its sample, read from the
// introduction's pages as a learner sees them in each language and script.
QList<Example> pageExamples()
{
    QList<Example> examples;
    for (const InfoLanguage language : AllInfoLanguages)
        for (const LegacyFont script : AllLegacyFonts) {
            IntroFixture intro({language, script}, unicodeFonts());
            for (int subject = 1; subject <= SubjectNames.size(); ++subject) {
                intro.clickSubject(subject);
                const auto add = [&](const QString &keying, int sampleLabel, bool asTyped) {
                    const QString sample = intro.caption(sampleLabel);
                    if (keying.trimmed().isEmpty() || sample.trimmed().isEmpty())
                        return;
                    const QString name = designedName(language) + u", "_s + designedName(script) + u", "_s
                                       + SubjectNames[subject - 1] + u": "_s + keying.trimmed();
                    examples.append({name, script, keying, sample.trimmed(), asTyped});
                };
                for (const auto &[keying, sample] : KeyingBesideSample)
                    add(intro.caption(keying), sample, subject == SyllablesSubject && keying >= AsTypedFrom);
                if (subject == SyllablesSubject)
                    add(u"a"_s, InherentSample, false);
            }
        }
    return examples;
}

} // namespace

// The introduction's keying examples, typed into the keying engine, give the
// samples that the pages show beside them, in every language and script.
class PageExamplesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldGiveEachPagesSample_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("sample");
        int rows = 0;
        for (const Example &example : pageExamples()) {
            if (isExplanation(example.keying))
                continue;
            const QString keys = keysOf(example.keying.trimmed()) + (example.asTyped ? QString() : u" "_s);
            QTest::newRow(qPrintable(example.name)) << example.script << keys << example.sample;
            ++rows;
        }
        // Five pages with examples, twelve pairs of language and script.
        QVERIFY(rows >= 12 * 12);
    }

    void shouldGiveEachPagesSample()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, keys);
        QFETCH(QString, sample);
        const QString typed = Keying::compose(script, keys).trimmed();
        QCOMPARE(withoutEllipsis(typed), withoutEllipsis(sample));
    }

    // The one sample that is not a keying: "sha + ra" shows which conjunct
    // two consonants make. Its parts are keyings, and so is the conjunct,
    // typed as its consonants one after the other.
    void shouldExplainTheConjunctAsTheKeysMakeIt_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("keying");
        QTest::addColumn<QString>("sample");
        for (const Example &example : pageExamples())
            if (isExplanation(example.keying))
                QTest::newRow(qPrintable(example.name)) << example.script << example.keying << example.sample;
    }

    void shouldExplainTheConjunctAsTheKeysMakeIt()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, keying);
        QFETCH(QString, sample);
        const QStringList parts = keying.split(u" + "_s);
        QCOMPARE(parts.size(), 2);
        const QString first = parts[0].trimmed();
        const QString second = parts[1].section(u' ', 0, 0);
        // "श + र = श्र": the parts, a sign, then the conjunct.
        const QStringList shown = sample.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0], Keying::compose(script, first + u' ').trimmed());
        QCOMPARE(shown[2], Keying::compose(script, second + u' ').trimmed());
        QCOMPARE(shown[4], Keying::compose(script, first.chopped(1) + second + u' ').trimmed());
    }
};

QTEST_MAIN(PageExamplesTest)
#include "tst_pageexamples.moc"
