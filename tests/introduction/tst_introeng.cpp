#include "base/Twips.h"
#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/ScriptFaces.h"
#include "introduction/Catalogue.h"
#include "introduction/IntroEng.h"
#include "introduction/IntroEngDesign.h"
#include "introduction/SamplePanels.h"
#include "introduction/TextPages.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/Conversions.h"
#include "support/FakeHost.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using Designed::Bold;
using Designed::Normal;

namespace {

const QString &Ms = Designed::MsSansSerif;
const QColor &SystemWindow = Designed::SystemColour; // the desktop's window background

const QStringList SubjectButtons{u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s, u"Command3D7"_s,
                                 u"Command3D8"_s, u"Command3D9"_s, u"Command3D10"_s};

// The heading and the labels of running text: the language's font.
QStringList textControls()
{
    return QStringList{u"Label24"_s} + pageLabelNames(Designed::TextLabels);
}

} // namespace

// The introduction window: its design, its load step, the subject dispatch.
// With the launcher that opens it: tests/program/tst_introductionrun.cpp.
class IntroEngTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    void shouldBuildEveryControlAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("back");  // labels only
        QTest::addColumn<int>("alignment"); // labels only; horizontal part
        QTest::addColumn<bool>("framed");

        const auto button = [](const char *tag, const QString &name, QRect twips, double points, int weight,
                               bool visible, const QString &caption) {
            QTest::newRow(tag) << name << -1 << twips << points << weight << visible << caption << QColor() << 0
                               << false;
        };
        const auto label = [](const char *tag, const QString &name, int index, QRect twips, double points, int weight,
                              QColor back, Qt::Alignment alignment, bool framed, const QString &caption = {}) {
            QTest::newRow(tag) << name << index << twips << points << weight << true << (caption.isEmpty() ? name : caption) << back
                               << int(alignment) << framed;
        };
        button("subject 7", u"Command3D10"_s, {0, 5880, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 6", u"Command3D9"_s, {0, 5040, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 5", u"Command3D8"_s, {0, 4200, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 4", u"Command3D7"_s, {0, 3360, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 3", u"Command3D6"_s, {0, 2520, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 2", u"Command3D5"_s, {0, 1680, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("subject 1", u"Command3D4"_s, {0, 840, 2055, 855}, 13.5, Normal, true, u"Command1"_s);
        button("restart", u"Command3D1"_s, {5520, 6240, 2655, 495}, 8.25, Bold, true, u"Restart &Introduction"_s);
        button("word processor", u"Command3D2"_s, {5160, 6240, 2895, 495}, 8.25, Bold, false,
               u"&Go To Word Processor"_s);
        button("close", u"Command3D3"_s, {8280, 6240, 1095, 495}, 8.25, Bold, true, u"&Close"_s);

        const QColor red(255, 0, 0), yellow(255, 255, 0), green(128, 255, 128);
        const auto centre = Qt::AlignHCenter, left = Qt::AlignLeft, right = Qt::AlignRight;
        label("Shown about", u"Label23"_s, 1, {3840, 6120, 1575, 255}, 8.25, Bold, red, centre, true, u"Shown about:"_s);
        label("Shown in", u"Label22"_s, 1, {2160, 6120, 1575, 255}, 8.25, Bold, yellow, centre, true, u"Shown in:"_s);
        label("heading", u"Label24"_s, -1, {0, 0, 2055, 975}, 13.5, Normal, green, centre, true);
        label("script box", u"Label23"_s, 0, {3840, 6360, 1575, 375}, 8.25, Bold, red, centre, true);
        label("language box", u"Label22"_s, 0, {2160, 6360, 1575, 375}, 8.25, Bold, yellow, centre, true);
        label("Label21", u"Label21"_s, -1, {8160, 5640, 1335, 495}, 13.5, Normal, SystemWindow, centre, false);
        label("Label20", u"Label20"_s, -1, {6840, 5640, 1335, 495}, 9.75, Bold, SystemWindow, centre, false);
        label("Label19", u"Label19"_s, -1, {5640, 5640, 855, 495}, 13.5, Normal, SystemWindow, centre, false);
        label("Label18", u"Label18"_s, -1, {4440, 5640, 1095, 495}, 9.75, Bold, SystemWindow, centre, false);
        label("Label17", u"Label17"_s, -1, {3120, 5640, 975, 495}, 13.5, Normal, SystemWindow, centre, false);
        label("Label16", u"Label16"_s, -1, {2160, 5640, 855, 495}, 9.75, Bold, SystemWindow, centre, false);
        label("Label15", u"Label15"_s, -1, {2160, 4800, 7215, 735}, 13.5, Normal, SystemWindow, left, false);
        label("Label14", u"Label14"_s, -1, {4920, 4200, 855, 495}, 13.5, Normal, SystemWindow, centre, false);
        label("Label13", u"Label13"_s, -1, {2160, 3120, 7215, 1095}, 13.5, Normal, SystemWindow, left, false);
        label("Label12", u"Label12"_s, -1, {5160, 2640, 4215, 495}, 13.5, Normal, SystemWindow, left, false);
        label("Label11", u"Label11"_s, -1, {2160, 2640, 2895, 750}, 12, Bold, SystemWindow, right, false);
        label("Label10", u"Label10"_s, -1, {5160, 2040, 4215, 495}, 13.5, Normal, SystemWindow, left, false);
        label("Label9", u"Label9"_s, -1, {2160, 2040, 2895, 495}, 12, Bold, SystemWindow, right, false);
        label("Label8", u"Label8"_s, -1, {2160, 120, 7215, 1935}, 13.5, Normal, SystemWindow, left, false);
    }

    void shouldBuildEveryControlAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(bool, visible);
        QFETCH(QString, caption);
        QFETCH(QColor, back);
        QFETCH(int, alignment);
        QFETCH(bool, framed);

        FakePlatform platform;
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        QWidget *control = controlsOf(window).control(name, index);
        QCOMPARE(inTwips(control->geometry()), twips);
        QCOMPARE(control->font().family(), Ms);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().weight(), weight);
        QVERIFY(!control->font().italic());
        QVERIFY(!control->font().underline());
        QCOMPARE(control->isVisibleTo(&window), visible);

        if (auto *button = qobject_cast<FormButton *>(control)) {
            QCOMPARE(button->text(), caption);
            return;
        }
        auto *label = qobject_cast<FormLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->caption(), caption);
        const QPalette app = QApplication::palette();
        QCOMPARE(label->palette().color(QPalette::Window), back.isValid() ? back : app.color(QPalette::Base));
        QCOMPARE(label->palette().color(QPalette::WindowText), app.color(QPalette::Text));
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(label->isFramed(), framed);
        QVERIFY(label->isFlat());
    }

    void shouldBeASizableWindowOfTheDesignedSize()
    {
        FakePlatform platform;
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        QCOMPARE(window.objectName(), u"IntroEng"_s);
        QCOMPARE(window.windowTitle(), u"Korvani Introduction"_s);
        QCOMPARE(Twips::fromPixels(window.width()), 9495);
        QCOMPARE(Twips::fromPixels(window.height()), 6810 + PracticeStripTwips);
        QCOMPARE(window.parentWidget(), &opener);
        QVERIFY(window.isWindow());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(window.minimumSize() != window.maximumSize());
        QVERIFY(!window.testAttribute(Qt::WA_SetWindowIcon));
        QCOMPARE(window.font().family(), Ms);
        QCOMPARE(window.font().pointSizeF(), 8.25);
        QCOMPARE(window.font().weight(), Bold);
        QCOMPARE(controlsOf(window).all().size(), 30);
    }

    void shouldLeaveControlsInPlaceWhenResized()
    {
        FakePlatform platform;
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        QHash<QWidget *, QRect> before;
        for (QWidget *control : controlsOf(window).all())
            before.insert(control, control->geometry());
        window.resize(window.size() * 2);
        window.resize(window.size() / 4);
        for (QWidget *control : controlsOf(window).all())
            QCOMPARE(control->geometry(), before.value(control));
    }

    // Where controls overlap, the one designed in front is the one hit.
    void shouldStackOverlappingControlsAsDesigned_data()
    {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QString>("front");
        QTest::newRow("Label13 over the foot of Label11") << QPoint(3000, 3300) << u"Label13"_s;
        QTest::newRow("Label13 over Label12's last row") << QPoint(6000, 3120) << u"Label13"_s;
        QTest::newRow("Label14 over Label13's last row") << QPoint(5100, 4200) << u"Label14"_s;
        QTest::newRow("first subject button over the heading") << QPoint(600, 900) << u"Command3D4"_s;
        QTest::newRow("subject 2 over the foot of subject 1") << QPoint(600, 1680) << u"Command3D5"_s;
        QTest::newRow("restart where the hidden button lies") << QPoint(5600, 6300) << u"Command3D1"_s;
    }

    void shouldStackOverlappingControlsAsDesigned()
    {
        QFETCH(QPoint, twips);
        QFETCH(QString, front);
        FakePlatform platform;
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidget *hit = window.childAt(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), front);
    }

    void shouldStartOnCloseAndTabThroughTheSubjects()
    {
        FakePlatform platform;
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.focusWidget());
        QCOMPARE(window.focusWidget()->objectName(), u"Command3D3"_s);

        const QStringList expected =
            QStringList{u"Command3D1"_s} + SubjectButtons + QStringList{u"practiceButton"_s, u"Command3D3"_s};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited.append(window.focusWidget()->objectName());
        }
        QCOMPARE(visited, expected);
    }

    // Load: position

    // 420 twips are 28 pixels; the window's 9495 x 7410 twips (the design's
    // 6810 and the strip of "Try the Keys") are 633 x 494.
    void shouldPlaceTheWindow420TwipsBelowCentre_data()
    {
        QTest::addColumn<QSize>("screenTwips");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1280 x 1024") << QSize(1280 * 15, 1024 * 15) << QPoint(324, 265 + 28);
        QTest::newRow("1366 x 768") << QSize(1366 * 15, 768 * 15) << QPoint(367, 137 + 28);
        QTest::newRow("odd twips") << QSize(20491, 12007) << QPoint(367, 153 + 28);
        // The window then reaches past the bottom of the screen; it stays there.
        QTest::newRow("640 x 480") << QSize(640 * 15, 480 * 15) << QPoint(4, -7 + 28);
        QTest::newRow("smaller than the window") << QSize(6000, 5000) << QPoint(-117, -80 + 28);
    }

    void shouldPlaceTheWindow420TwipsBelowCentre()
    {
        QFETCH(QSize, screenTwips);
        QFETCH(QPoint, position);
        FakePlatform platform;
        platform.screen.setSize(screenTwips);
        FakeHost host;
        QWidget opener;
        IntroEng window(platform, host, {}, &opener);
        window.load();
        QCOMPARE(window.pos(), position);
    }

    // Load: hand-over, title, empty page

    void shouldShowTheChoiceAboveAnEmptyPage()
    {
        IntroFixture intro({InfoLanguage::English, LegacyFont::Devanagari});
        IntroEng &window = intro.window();
        QCOMPARE(controlsOf(window).label(u"Label22"_s, 0)->caption(), u"English"_s);
        QCOMPARE(controlsOf(window).label(u"Label23"_s, 0)->caption(), u"Devanagari"_s);
        QCOMPARE(controlsOf(window).label(u"Label22"_s, 1)->caption(), u"Shown in:"_s);
        QCOMPARE(controlsOf(window).label(u"Label23"_s, 1)->caption(), u"Shown about:"_s);
        QCOMPARE(window.windowTitle(), u"Korvani Introduction About Devanagari"_s);
        QCOMPARE(intro.page(), QStringList(14, QString()));
    }

    // Load: catalogue

    void shouldCaptionAndFontTheSubjectsByLanguage_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QStringList>("captions"); // subjects 1 to 7, then the heading

        QTest::newRow("English") << InfoLanguage::English << Ms
                                 << QStringList{u"BASIC IDEA"_s, u"ALPHABET"_s, u"KEYING"_s, u"SYLLABLES"_s,
                                                u"VOWELS"_s, u"CONSON- ANTS"_s, u"MORE INFO"_s, u"Pick a subject"_s};
        // The design's codes, where a misspelt word is spelt anew in glyphs of
        // the font; where the font lacks a glyph of the right word, the
        // Unicode of the caption, in a real font of the script (the mends:
        // tests/program/tst_captiondecoding.cpp).
        QTest::newRow("Hindi") << InfoLanguage::Hindi << u"KDEV01__"_s
                               << QStringList{fromCodes("A8 C9 DA B1 C9 20 76 C9 C9 AE F4 68 C9 C9"),
                                              fromCodes("B4 C9 68 C9 C7 A8 C9 C9 B1 C9 C9 20"),
                                              u"टाइपिंग"_s,
                                              fromCodes("B6 C9 A4 6E F4 C9 C4 B6 C9 20"),
                                              fromCodes("BA B4 C9 AE F4 B4 C9 68 C9 C7 20"),
                                              fromCodes("B4 AA C9 5C 56 C9 78 C9 B4 C9 68 C9 C7"),
                                              fromCodes("2B CA 76 C9 45 F2 20 56 C9 C9 78 C9 45 F2 C9 AE D2"),
                                              u"एक विषय चुनें"_s};
        QTest::newRow("Bengali") << InfoLanguage::Bengali << u"KBENGAL3"_s
                                 << QStringList{fromCodes("62 67 AC 20 7A C4 73 79"),
                                                fromCodes("63 74 ED 62 61 AC 61"),
                                                u"টাইপিং"_s,
                                                fromCodes("AE 43 C9 61 C8 AE"),
                                                fromCodes("5C C3 6D 63 74 ED"),
                                                fromCodes("63 BA AA 70 63 74 ED"),
                                                u"আরও তথ্য"_s,
                                                u"বিষয় বেছে নিন"_s};
    }

    void shouldCaptionAndFontTheSubjectsByLanguage()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(QString, face);
        QFETCH(QStringList, captions);
        IntroFixture intro({language, LegacyFont::Gujarati});
        const DesignedControls &controls = controlsOf(intro.window());

        for (int i = 0; i < 7; ++i)
            QCOMPARE(controls.button(SubjectButtons[i])->text(), captions[i]);
        QCOMPARE(controls.label(u"Label24"_s)->caption(), captions[7]);
        // The buttons and the heading, in the order of the captions, then the text labels.
        const QStringList names = SubjectButtons + textControls();
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString &name = names[i];
            const QWidget &control = *controls.control(name);
            // Explanations in a script are Unicode only, shown in a real font
            // of it even where the legacy font shows the captions; so is a
            // caption whose codes lack a glyph of the right word.
            const bool unicode = i >= captions.size() || captions[i].contains(QRegularExpression(u"[\\x{0900}-\\x{09FF}]"_s));
            if (unicode && legacyFontWithFace(face))
                QVERIFY2(ScriptFaces::showsUnicode(control), qPrintable(name));
            else
                QCOMPARE(control.font().family(), face);
            QCOMPARE(control.font().pointSizeF(), 13.5);
            QCOMPARE(control.font().weight(), Normal);
        }
        // Keying labels keep the design font in every language.
        for (const QString &name : pageLabelNames(Designed::KeyingLabels))
            QCOMPARE(controls.control(name)->font().family(), Ms);
        // The script's font is applied whatever the language.
        for (const QString &name : pageLabelNames(Designed::SampleLabels))
            QCOMPARE(controls.control(name)->font().family(), u"KGUJ01__"_s);
    }

    void shouldFontTheSampleLabelsByScript_data()
    {
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<QString>("face");
        QTest::newRow("Devanagari") << LegacyFont::Devanagari << u"KDEV01__"_s;
        QTest::newRow("Bengali") << LegacyFont::Bengali << u"KBENGAL3"_s;
        QTest::newRow("Gujarati") << LegacyFont::Gujarati << u"KGUJ01__"_s;
        QTest::newRow("Gurumukhi") << LegacyFont::Gurumukhi << u"KGUR01__"_s;
    }

    void shouldFontTheSampleLabelsByScript()
    {
        QFETCH(LegacyFont, script);
        QFETCH(QString, face);
        // Bengali as the language must not decide the script font.
        IntroFixture intro({InfoLanguage::Bengali, script});
        const DesignedControls &controls = controlsOf(intro.window());
        for (const QString &name : pageLabelNames(Designed::SampleLabels)) {
            const QFont font = controls.control(name)->font();
            QCOMPARE(font.family(), face);
            QCOMPARE(font.pointSizeF(), 13.5);
            QCOMPARE(font.weight(), Normal);
        }
        QCOMPARE(controls.control(u"Command3D4"_s)->font().family(), u"KBENGAL3"_s);
        for (const QString &name : pageLabelNames(Designed::TextLabels))
            QVERIFY(ScriptFaces::showsUnicode(*controls.control(name)));
    }

    // Subjects and dispatch

    void shouldDrawNothingForASubjectOutsideOneToSeven_data()
    {
        QTest::addColumn<int>("subject");
        QTest::newRow("0") << 0;
        QTest::newRow("8") << 8;
        QTest::newRow("-1") << -1;
    }

    // No button gives such a number; the page of one would be empty.
    void shouldDrawNothingForASubjectOutsideOneToSeven()
    {
        QFETCH(int, subject);
        for (const InfoLanguage language : AllInfoLanguages)
            QVERIFY(textPageCaptions(Catalogue::forLanguage(language).textPage(), subject, LegacyFont::Gurumukhi).empty());
        for (const LegacyFont script : AllLegacyFonts)
            QVERIFY(sampleCaptions(script, subject).empty());
    }

    void shouldPairAnyLanguageWithAnyScript()
    {
        IntroFixture intro({InfoLanguage::Bengali, LegacyFont::Devanagari});
        intro.clickSubject(4);
        QCOMPARE(intro.caption(9), u"rshlii"_s);
        QCOMPARE(intro.caption(14), u"+"_s);
        QCOMPARE(intro.caption(19), fromCodes("20 20 20 20 20 20 20 20 20 20 45 F2"));
    }
};

QTEST_MAIN(IntroEngTest)
#include "tst_introeng.moc"
