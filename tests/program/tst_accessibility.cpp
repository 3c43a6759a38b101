#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"
#include "support/ScriptBlocks.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A caption in a legacy script font: its characters are glyph codes, which
// only that font can show and no screen reader can speak.
bool inScriptFont(const QWidget *widget)
{
    return Designed::LegacyFaces.values().contains(widget->font().family());
}

// Every shown control with a glyph-code caption has a name a screen reader
// can speak, and the name is not the glyph codes themselves.
void verifyEverySpeakable(const DesignedControls &controls, const QString &where)
{
    for (QWidget *control : controls.all()) {
        const QString caption = captionOf(control);
        if (control->isHidden() || caption.trimmed().isEmpty() || !inScriptFont(control))
            continue;
        const QString name = spokenName(control);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + u": "_s + control->objectName() + u" has no name"_s));
        QVERIFY2(name != caption, qPrintable(where + u": "_s + control->objectName() + u" speaks glyph codes"_s));
    }
}

} // namespace

// What a screen reader can say about the windows whose captions are glyph codes.
class AccessibilityTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldNameTheLaunchersScriptButtons()
    {
        FakePlatform platform;
        IntroPix launcher(platform);
        for (QWidget *control : controlsOf(launcher).all())
            control->show();
        verifyEverySpeakable(controlsOf(launcher), u"launcher"_s);
        // Named by what they say, in the script and in English.
        QCOMPARE(spokenName(controlsOf(launcher).control(u"Command3D5"_s)), u"বাংলা (Bengali)"_s);
        QCOMPARE(spokenName(controlsOf(launcher).control(u"Command3D7"_s)), u"ਪੰਜਾਬੀ (Punjabi)"_s);
        QVERIFY(controlsOf(launcher).control(u"Command3D6"_s)->accessibleDescription().contains(u"Gujarati"_s));
        // Latin captions speak for themselves, without the access-key mark.
        QCOMPARE(spokenName(controlsOf(launcher).control(u"Command3D13"_s, 0)), u"Close"_s);
        controlsOf(launcher).label(u"Label9"_s)->setCaption(u"English"_s);
        QCOMPARE(spokenName(controlsOf(launcher).control(u"Label9"_s)), u"English"_s);
    }

    void shouldSpeakEveryPage_data()
    {
        addLanguageAndScriptRows();
    }

    void shouldSpeakEveryPage()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        IntroFixture intro({language, script});
        const DesignedControls &controls = controlsOf(intro.window());
        // The subject buttons and their heading say in glyph codes what they
        // show in Unicode; the English ones, in capitals, say their names.
        static const QStringList subjects{u"Basic idea"_s, u"Alphabet"_s, u"Keying"_s,    u"Syllables"_s,
                                          u"Vowels"_s,     u"Consonants"_s, u"More info"_s, u"Pick a subject"_s};
        const IntroFixture unicode({language, script}, QtPlatform(ScriptTextOption::Unicode).scriptFonts());
        QStringList names = pageLabelNames({24});
        for (int subject = 1; subject <= 7; ++subject)
            names.insert(subject - 1, u"Command3D"_s + QString::number(subject + 3));
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString shown = captionOf(controlsOf(unicode.window()).control(names[i]));
            QCOMPARE(spokenName(controls.control(names[i])), language == InfoLanguage::English ? subjects[i] : shown);
        }

        for (int subject = 1; subject <= 7; ++subject) {
            intro.clickSubject(subject);
            verifyEverySpeakable(controls, u"subject "_s + QString::number(subject));
            for (const QString &name : pageLabelNames(Designed::SampleLabels)) {
                const FormLabel *sample = controls.label(name);
                if (sample->caption().trimmed().isEmpty())
                    continue;
                // Samples are spoken as real letters of the script.
                const QString spoken = spokenName(controls.control(name));
                const bool inBlock = std::any_of(spoken.cbegin(), spoken.cend(), [&](QChar c) {
                    return inScriptBlock(script, c.unicode());
                });
                QVERIFY2(inBlock, qPrintable(name + u" on subject "_s + QString::number(subject) + u": "_s + spoken));
            }
            // Leaving a subject leaves no stale name: a cleared label says nothing.
            for (QWidget *control : controls.all())
                if (auto *label = qobject_cast<FormLabel *>(control); label && label->caption().isEmpty())
                    QVERIFY2(spokenName(label).isEmpty(), qPrintable(label->objectName()));
        }
    }

    void shouldSpeakSamplesAsUnicode_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Devanagari kaa") << LegacyFont::Devanagari << 1 << u"Label19"_s << u"का"_s;
        QTest::newRow("Bengali aakaa") << LegacyFont::Bengali << 1 << u"Label21"_s << u"আকা"_s;
        QTest::newRow("Gujarati rshlii") << LegacyFont::Gujarati << 4 << u"Label10"_s << u"ર્શ્લી"_s;
        QTest::newRow("Gurumukhi ddva") << LegacyFont::Gurumukhi << 4 << u"Label10"_s << u"ਦ੍ਵ"_s;
        QTest::newRow("Devanagari eekee") << LegacyFont::Devanagari << 5 << u"Label12"_s << u"ऐकै"_s;
    }

    void shouldSpeakSamplesAsUnicode()
    {
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        QFETCH(QString, label);
        QFETCH(QString, spoken);
        IntroFixture intro({InfoLanguage::English, script});
        intro.clickSubject(subject);
        QCOMPARE(spokenName(controlsOf(intro.window()).control(label)), spoken);
    }

    // The explanations are Unicode, also beside the legacy fonts: spoken as
    // shown, in their own language.
    void shouldSpeakHindiAndBengaliExplanationsInTheirScript_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<QString>("opening");
        QTest::newRow("Hindi") << InfoLanguage::Hindi << u"केवल अलग-अलग वर्णों"_s;
        QTest::newRow("Bengali") << InfoLanguage::Bengali << u"শুধু আলাদা আলাদা বর্ণ"_s;
    }

    void shouldSpeakHindiAndBengaliExplanationsInTheirScript()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(QString, opening);
        IntroFixture intro({language, LegacyFont::Devanagari});
        intro.clickSubject(4);
        for (const QString &name : {u"Label8"_s, u"Label13"_s, u"Label15"_s}) {
            const FormLabel *label = controlsOf(intro.window()).label(name);
            QVERIFY(!label->caption().isEmpty());
            QCOMPARE(spokenName(controlsOf(intro.window()).control(name)), QString(label->caption()).replace(u'\r', u'\n'));
        }
        QVERIFY(spokenName(controlsOf(intro.window()).control(u"Label8"_s)).startsWith(opening));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
