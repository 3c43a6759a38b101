#include "forms/Design.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/ScriptFaces.h"
#include "script/Glyphs.h"
#include "script/ScriptFonts.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Design;

Q_DECLARE_METATYPE(ScriptFonts)

namespace {

// Four controls that overlap, listed front to back as every design is: a
// label in front of a button that it overlaps, a hidden button first in the
// tab order, and a label in a legacy script font.
Window smallDesign()
{
    Window w;
    w.name = u"Small"_s;
    w.caption = u"Small window"_s;
    w.clientWidth = 3000;
    w.clientHeight = 1500;
    w.font = font(MsSansSerif, 8.25);
    w.controls = {
        {Kind::Label, u"Front"_s, -1, u"Front"_s, {0, 0, 1500, 600}, {}, Default, Default, Flat, Visible, 0},
        {Kind::Button, u"Second"_s, -1, u"&Second"_s, {300, 300, 1500, 600}, {}, Default, Default, {}, Visible, 2},
        {Kind::Button, u"First"_s, -1, u"&First"_s, {1500, 0, 1500, 600}, {}, Default, Default, {}, Hidden, 1},
        {Kind::Label, u"Script"_s, -1, glyphs("CA BD F8 78 6E D2"), {0, 900, 1500, 600},
         font(legacyFace(LegacyFont::Devanagari), 12), Default, Default, Flat, Visible, 3, {}, u"Hindi"_s},
    };
    return w;
}

ScriptFonts allUnicode()
{
    return ScriptFonts::choose(ScriptTextOption::Unicode, {{u"Lohit Devanagari"_s}, {}});
}

} // namespace

// The builder's rules, pinned on a made-up design rather than a real window.
class FormBuilderTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldPutLabelsBeneathButtonsAndKeepTheDesignsOrder()
    {
        QWidget window;
        const FormControls &controls = *FormBuilder::build(smallDesign(), window, ScriptFonts());
        // Children paint in creation order: labels first, each group from
        // the back of the design to its front.
        QStringList stacking;
        for (QObject *child : window.children())
            if (child->isWidgetType())
                stacking << child->objectName();
        QCOMPARE(stacking, (QStringList{u"Script"_s, u"Front"_s, u"First"_s, u"Second"_s}));
        // And each control is found by its design name, as the widget of that name.
        for (const QString &name : stacking)
            QCOMPARE(controls.named<QWidget>(name).objectName(), name);
        QCOMPARE(window.objectName(), u"Small"_s);
        QCOMPARE(controls.named<QWidget>(u"Second"_s).geometry(), QRect(20, 20, 100, 40));
    }

    void shouldTabByTabIndexAndFocusTheFirstShownButton()
    {
        QWidget window;
        const FormControls &controls = *FormBuilder::build(smallDesign(), window, ScriptFonts());
        QWidget *first = &controls.named<QWidget>(u"First"_s);
        QWidget *second = &controls.named<QWidget>(u"Second"_s);
        QCOMPARE(first->nextInFocusChain(), second);
        // The first button in tab order is hidden; the focus goes to the
        // first one a user can see.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::focusWidget(), second);
        QCOMPARE(controls.named<QWidget>(u"Front"_s).focusPolicy(), Qt::NoFocus);
    }

    void shouldShowScriptCaptionsAsTheFontsWereChosen_data()
    {
        QTest::addColumn<ScriptFonts>("fonts");
        QTest::addColumn<QString>("shown");
        QTest::newRow("legacy font installed") << ScriptFonts() << QString(glyphs("CA BD F8 78 6E D2"));
        QTest::newRow("legacy font missing") << allUnicode() << u"हिन्दी"_s;
    }

    // Either way a screen reader hears the Unicode text and what it names.
    void shouldShowScriptCaptionsAsTheFontsWereChosen()
    {
        QFETCH(ScriptFonts, fonts);
        QFETCH(QString, shown);
        QWidget window;
        const FormControls &controls = *FormBuilder::build(smallDesign(), window, fonts);
        const FormLabel &label = controls.named<FormLabel>(u"Script"_s);
        QCOMPARE(label.caption(), shown);
        QCOMPARE(ScriptFaces::showsUnicode(label), fonts.showsUnicode(LegacyFont::Devanagari));
        QCOMPARE(label.accessibleName(), u"हिन्दी (Hindi)"_s);
        // A Latin caption is left as designed.
        QCOMPARE(controls.named<FormLabel>(u"Front"_s).caption(), u"Front"_s);
        QVERIFY(!ScriptFaces::showsUnicode(controls.named<FormLabel>(u"Front"_s)));
    }

    // Beside the legacy font, a text whose codes do not spell it is shown in
    // Unicode at the size for its role; the codes shown next take the
    // control's legacy face again, at the size the design gives it.
    void shouldChooseTheFaceForEachTextAControlShows()
    {
        FormLabel label(nullptr);
        QFont designed = label.font();
        designed.setPointSizeF(10);
        label.setFont(designed);
        const ScriptFonts legacyShown;
        const ScriptText hindi = decodedScriptText(LegacyFont::Devanagari, glyphs("CA BD F8 78 6E D2"));
        const ScriptText mended = hindi.mended(u"हिन्दी"_s, u"हिंदी"_s);
        const auto show = [&](const ScriptText &text) {
            label.setCaption(ScriptFaces::setFaceFor(label, text, LegacyFont::Devanagari, ScriptFaces::Role::Sample,
                                                     legacyShown));
        };

        show(mended);
        QCOMPARE(label.caption(), u"हिंदी"_s);
        QVERIFY(ScriptFaces::showsUnicode(label));
        QCOMPARE(label.font().pointSizeF(), ScriptFaces::unicodePoints(LegacyFont::Devanagari, ScriptFaces::Role::Sample));
        show(hindi);
        QCOMPARE(label.caption(), hindi.glyphs);
        QVERIFY(!ScriptFaces::showsUnicode(label));
        QCOMPARE(label.font().family(), legacyFace(LegacyFont::Devanagari));
        QCOMPARE(label.font().pointSizeF(), 10.0);
    }
};

QTEST_MAIN(FormBuilderTest)
#include "tst_formbuilder.moc"
