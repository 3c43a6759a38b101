#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"

#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The script fonts as a machine without the legacy fonts has them: every
// script text in Unicode, in the real fonts that the test command installs.
const ScriptFonts &unicodeFonts()
{
    static const ScriptFonts fonts = QtPlatform(ScriptTextOption::Unicode).scriptFonts();
    return fonts;
}

bool hasIndicLetters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x0900 && c.unicode() < 0x0B00; });
}

// The part of a label that its text covers, in window coordinates, and what
// is wrong with it: a line cut at the bottom or a word cut at a side.
struct Footprint {
    QRectF area;
    QString fault;
};

Footprint footprintOf(const FormLabel &label)
{
    const QFontMetricsF metrics(label.font());
    const QStringList lines = label.shownLines();
    const int border = label.isFramed() ? 1 : 0;
    const QRectF box = QRectF(label.geometry()).adjusted(border, border, -border, -border);
    qreal widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const qreal height = (lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() + metrics.descent();
    qreal left = box.left();
    if (label.alignment() & Qt::AlignHCenter)
        left += (box.width() - widest) / 2;
    else if (label.alignment() & Qt::AlignRight)
        left += box.width() - widest;

    Footprint footprint{QRectF(left, box.top(), widest, height), {}};
    if (height > box.height() + 0.5)
        footprint.fault = u"needs %1 px of %2 in height"_s.arg(height).arg(box.height());
    else if (widest > box.width() + 0.5)
        footprint.fault = u"needs %1 px of %2 in width"_s.arg(widest).arg(box.width());
    return footprint;
}

// Where the text of a framed label comes within two pixels of its frame, or
// nothing: those rings inside the frame show the background alone.
std::optional<QPoint> inkNearFrame(FormLabel &label)
{
    const QImage image = label.grab().toImage();
    const QRgb background = label.palette().color(label.backgroundRole()).rgb();
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x) {
            const bool nearFrame = y <= 2 || x <= 2 || y >= image.height() - 3 || x >= image.width() - 3;
            if (nearFrame && image.pixel(x, y) != background)
                return QPoint(x, y);
        }
    return std::nullopt;
}

QString buttonFault(const FormButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect area = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetricsF metrics(button.font());
    const QStringList lines = button.shownLines();
    const qreal height = (lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() + metrics.descent();
    if (height > area.height() + 0.5)
        return u"needs %1 px of %2 in height"_s.arg(height).arg(area.height());
    for (const QString &line : lines)
        if (metrics.horizontalAdvance(line) > area.width() + 0.5)
            return u"\"%1\" needs %2 px of %3 in width"_s.arg(line).arg(metrics.horizontalAdvance(line)).arg(area.width());
    return {};
}

const QStringList LauncherScriptButtons{u"Command3D2"_s, u"Command3D3"_s, u"Command3D4"_s, u"Command3D14"_s,
                                        u"Command3D5"_s, u"Command3D6"_s, u"Command3D7"_s};

} // namespace

// Script texts where the legacy fonts are missing: Unicode text in real fonts
// of the scripts, fitting the boxes that were drawn for the legacy fonts.
class ScriptTextTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // As the program does: the Latin texts' stand-in fonts.
        Fonts::installSubstitutes();
        for (const LegacyFont font : AllLegacyFonts) {
            QVERIFY2(ScriptFonts::preferredFamilies(font).contains(unicodeFonts().unicodeFamily(font)),
                     qPrintable(u"no font made for the script of "_s + legacyFace(font)
                                + u" is installed; the test command installs them"_s));
        }
    }

    void shouldFitEveryPageCaption_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<int>("subject");
        for (const InfoLanguage language : AllInfoLanguages)
            for (const LegacyFont script : AllLegacyFonts)
                for (int subject = 1; subject <= 7; ++subject)
                    QTest::addRow("%s about %s, subject %d", qPrintable(designedName(language)),
                                  qPrintable(designedName(script)), subject)
                        << language << script << subject;
    }

    // No line cut at the bottom, no word at a side, and no text running under
    // another label's text or a button.
    void shouldFitEveryPageCaption()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        IntroFixture intro({language, script}, unicodeFonts());
        intro.clickSubject(subject);
        const DesignedControls &controls = controlsOf(intro.window());

        QList<std::pair<const FormLabel *, Footprint>> written;
        for (int number = 8; number <= 21; ++number) {
            const FormLabel *label = controls.label(u"Label"_s + QString::number(number));
            if (!label->caption().trimmed().isEmpty())
                written.append({label, footprintOf(*label)});
        }
        for (const auto &[label, footprint] : written) {
            const QString where = label->objectName() + u": "_s;
            QVERIFY2(footprint.fault.isEmpty(), qPrintable(where + footprint.fault));
            for (const auto &[other, otherFootprint] : written)
                if (other != label)
                    QVERIFY2(!footprint.area.intersects(otherFootprint.area),
                             qPrintable(where + u"runs under "_s + other->objectName()));
            for (QWidget *control : controls.all())
                if (qobject_cast<FormButton *>(control) && control->isVisibleTo(&intro.window()))
                    QVERIFY2(!footprint.area.intersects(QRectF(control->geometry())),
                             qPrintable(where + u"runs under "_s + control->objectName()));
        }
    }

    void shouldShowEveryScriptCaptionInUnicode_data() { shouldFitEveryPageCaption_data(); }

    // Every caption is real letters of a script, never Latin-1 stand-ins, and
    // a screen reader says exactly what is shown.
    void shouldShowEveryScriptCaptionInUnicode()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        QFETCH(int, subject);
        IntroFixture intro({language, script}, unicodeFonts());
        intro.clickSubject(subject);
        for (int number = 8; number <= 21; ++number) {
            FormLabel *label = controlsOf(intro.window()).label(u"Label"_s + QString::number(number));
            const QString caption = label->caption();
            const auto latin1Letter = [](QChar c) { return c.unicode() >= 0xA0 && c.unicode() <= 0xFF; };
            QVERIFY2(std::none_of(caption.cbegin(), caption.cend(), latin1Letter), qPrintable(label->objectName()));
            if (hasIndicLetters(caption))
                QCOMPARE(spokenName(label), QString(caption).replace(u'\r', u'\n'));
        }
    }

    void shouldFitTheCatalogue_data()
    {
        QTest::addColumn<InfoLanguage>("language");
        QTest::newRow("Hindi") << InfoLanguage::Hindi;
        QTest::newRow("Bengali") << InfoLanguage::Bengali;
    }

    void shouldFitTheCatalogue()
    {
        QFETCH(InfoLanguage, language);
        IntroFixture intro({language, LegacyFont::Devanagari}, unicodeFonts());
        const DesignedControls &controls = controlsOf(intro.window());
        for (int number = 4; number <= 10; ++number) {
            FormButton *button = controls.button(u"Command3D"_s + QString::number(number));
            QVERIFY2(hasIndicLetters(button->text()), qPrintable(button->objectName()));
            QVERIFY2(buttonFault(*button).isEmpty(), qPrintable(button->objectName() + u": "_s + buttonFault(*button)));
            QCOMPARE(spokenName(button), button->text());
        }
        FormLabel &heading = *controls.label(u"Label24"_s);
        QVERIFY(hasIndicLetters(heading.caption()));
        const Footprint footprint = footprintOf(heading);
        QVERIFY2(footprint.fault.isEmpty(), qPrintable(footprint.fault));
        QCOMPARE(heading.shownLines(), QStringList{heading.caption()});
        if (const auto ink = inkNearFrame(heading))
            QFAIL(qPrintable(u"the heading's text comes near its frame at %1, %2"_s.arg(ink->x()).arg(ink->y())));
        // The first subject button overlaps the heading's foot.
        QVERIFY2(!footprint.area.intersects(QRectF(controls.button(u"Command3D4"_s)->geometry())),
                 "the heading runs under the first subject button");
    }

    void shouldShowTheLaunchersScriptButtonsInTheirScripts()
    {
        FakePlatform platform(unicodeFonts());
        IntroPix launcher(platform);
        for (const QString &name : LauncherScriptButtons) {
            FormButton &button = *controlsOf(launcher).button(name);
            QVERIFY2(hasIndicLetters(button.text()), qPrintable(name));
            QVERIFY2(buttonFault(button).isEmpty(), qPrintable(name + u": "_s + buttonFault(button)));
            // A real font of a script, not a substitute for the legacy one.
            const QString family = QFontInfo(button.font()).family();
            QVERIFY2(std::any_of(AllLegacyFonts.cbegin(), AllLegacyFonts.cend(),
                                 [&](LegacyFont font) { return ScriptFonts::preferredFamilies(font).contains(family); }),
                     qPrintable(name + u" is shown in "_s + family));
            // Named by what it says, with the language in English.
            QVERIFY2(spokenName(&button).startsWith(button.text() + u" ("_s), qPrintable(spokenName(&button)));
        }
        QCOMPARE(spokenName(controlsOf(launcher).button(u"Command3D3"_s)), u"नेपाली (Nepali)"_s);
    }

    // Where the legacy fonts are installed, captions and samples keep their
    // glyph codes in the legacy face, spoken as their Unicode text; the
    // explanations, which have no glyph codes, stay Unicode. (The texts
    // whose codes do not spell them: tst_captiondecoding.)
    void shouldKeepGlyphCodesWhereTheLegacyFontsAreInstalled()
    {
        IntroFixture intro({InfoLanguage::Hindi, LegacyFont::Bengali});
        intro.clickSubject(4);
        const FormLabel &text = *controlsOf(intro.window()).label(u"Label8"_s);
        const FormLabel &sample = *controlsOf(intro.window()).label(u"Label17"_s);
        QVERIFY(hasIndicLetters(text.caption()));
        QCOMPARE(sample.font().family(), u"KBENGAL3"_s);
        QVERIFY(!hasIndicLetters(sample.caption()));
        QCOMPARE(spokenName(controlsOf(intro.window()).label(u"Label17"_s)), u"আক্"_s);
    }
};

QTEST_MAIN(ScriptTextTest)
#include "tst_scripttext.moc"
