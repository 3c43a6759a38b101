#include "IntroFixture.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// A caption in a legacy script font: its characters are glyph codes, which
// only that font can show and no screen reader can speak.
bool inScriptFont(const QWidget *widget)
{
    static const QStringList scriptFonts{u"KDEV01__"_s, u"KBENGAL3"_s, u"KGUJ01__"_s, u"KGUR01__"_s};
    return scriptFonts.contains(widget->font().family());
}

QString captionOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const FormLabel *>(widget))
        return label->caption();
    if (auto *button = qobject_cast<const FormButton *>(widget))
        return button->text();
    return {};
}

// Every shown control with a glyph-code caption has a name a screen reader
// can speak, and the name is not the glyph codes themselves.
void verifyEverySpeakable(const FormControls &controls, const QString &where)
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

struct Block {
    char16_t first;
    char16_t last;
};

Block unicodeBlock(const QString &script)
{
    if (script == u"Devanagari"_s)
        return {0x0900, 0x097F};
    if (script == u"Bengali"_s)
        return {0x0980, 0x09FF};
    if (script == u"Gujarati"_s)
        return {0x0A80, 0x0AFF};
    return {0x0A00, 0x0A7F}; // Gurmukhi
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
        for (QWidget *control : launcher.controls().all())
            control->show();
        verifyEverySpeakable(launcher.controls(), u"launcher"_s);
        // Named by what they say, in the script and in English.
        QCOMPARE(spokenName(launcher.controls().control(u"Command3D5"_s)), u"বাংলা (Bengali)"_s);
        QCOMPARE(spokenName(launcher.controls().control(u"Command3D7"_s)), u"ਪੰਜਾਬੀ (Punjabi)"_s);
        QVERIFY(launcher.controls().control(u"Command3D6"_s)->accessibleDescription().contains(u"Gujarati"_s));
        // Latin captions speak for themselves, without the access-key mark.
        QCOMPARE(spokenName(launcher.controls().control(u"Command3D13"_s, 0)), u"Close"_s);
        launcher.controls().label(u"Label9"_s)->setCaption(u"English"_s);
        QCOMPARE(spokenName(launcher.controls().control(u"Label9"_s)), u"English"_s);
    }

    void shouldSpeakEveryPage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");
        for (const QString &language : {u"English"_s, u"Hindi"_s, u"Bengali"_s})
            for (const QString &script : {u"Devanagari"_s, u"Bengali"_s, u"Gujarati"_s, u"Gurumukhi"_s})
                QTest::addRow("%s about %s", qPrintable(language), qPrintable(script)) << language << script;
    }

    void shouldSpeakEveryPage()
    {
        QFETCH(QString, language);
        QFETCH(QString, script);
        IntroFixture intro(language, script);
        const FormControls &controls = intro.window().controls();
        static const QStringList subjects{u"Basic idea"_s, u"Alphabet"_s, u"Keying"_s, u"Syllables"_s,
                                          u"Vowels"_s,     u"Consonants"_s, u"More info"_s};
        for (int subject = 1; subject <= 7; ++subject)
            QCOMPARE(spokenName(controls.control(u"Command3D"_s + QString::number(subject + 3))), subjects[subject - 1]);
        QCOMPARE(spokenName(controls.control(u"Label24"_s)), u"Pick a subject"_s);

        const Block block = unicodeBlock(script);
        for (int subject = 1; subject <= 7; ++subject) {
            intro.clickSubject(subject);
            verifyEverySpeakable(controls, u"subject "_s + QString::number(subject));
            for (const QString &name : {u"Label10"_s, u"Label12"_s, u"Label14"_s, u"Label17"_s, u"Label19"_s,
                                        u"Label21"_s}) {
                const FormLabel *sample = controls.label(name);
                if (sample->caption().trimmed().isEmpty())
                    continue;
                // Samples are spoken as real letters of the script.
                const QString spoken = spokenName(controls.control(name));
                const bool inBlock = std::any_of(spoken.cbegin(), spoken.cend(), [&](QChar c) {
                    return c.unicode() >= block.first && c.unicode() <= block.last;
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
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Devanagari kaa") << u"Devanagari"_s << 1 << u"Label19"_s << u"का"_s;
        QTest::newRow("Bengali aakaa") << u"Bengali"_s << 1 << u"Label21"_s << u"আকা"_s;
        QTest::newRow("Gujarati rshlee") << u"Gujarati"_s << 4 << u"Label10"_s << u"ર્શ્લી"_s;
        QTest::newRow("Gurumukhi ddva") << u"Gurumukhi"_s << 4 << u"Label10"_s << u"ਦ੍ਵ"_s;
        QTest::newRow("Devanagari eekee") << u"Devanagari"_s << 5 << u"Label12"_s << u"ऐकै"_s;
    }

    void shouldSpeakSamplesAsUnicode()
    {
        QFETCH(QString, script);
        QFETCH(int, subject);
        QFETCH(QString, label);
        QFETCH(QString, spoken);
        IntroFixture intro(u"English"_s, script);
        intro.clickSubject(subject);
        QCOMPARE(spokenName(intro.window().controls().control(label)), spoken);
    }

    // The explanations are Unicode, also beside the legacy fonts: spoken as
    // shown, in their own language.
    void shouldSpeakHindiAndBengaliExplanationsInTheirScript_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("opening");
        QTest::newRow("Hindi") << u"Hindi"_s << u"केवल अलग-अलग वर्णों"_s;
        QTest::newRow("Bengali") << u"Bengali"_s << u"শুধু আলাদা আলাদা বর্ণ"_s;
    }

    void shouldSpeakHindiAndBengaliExplanationsInTheirScript()
    {
        QFETCH(QString, language);
        QFETCH(QString, opening);
        IntroFixture intro(language, u"Devanagari"_s);
        intro.clickSubject(4);
        for (const QString &name : {u"Label8"_s, u"Label13"_s, u"Label15"_s}) {
            const FormLabel *label = intro.window().controls().label(name);
            QVERIFY(!label->caption().isEmpty());
            QCOMPARE(spokenName(intro.window().controls().control(name)), QString(label->caption()).replace(u'\r', u'\n'));
        }
        QVERIFY(spokenName(intro.window().controls().control(u"Label8"_s)).startsWith(opening));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
