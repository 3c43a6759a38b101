#include "support/IntroFixture.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "platform/QtPlatform.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/ScreenReader.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString subjectButtonName(int subject)
{
    return u"Command3D"_s + QString::number(subject + 3);
}

constexpr int Subjects = 7;

QString pageLabelName(int number)
{
    return u"Label"_s + QString::number(number);
}

bool isSample(const FormLabel &label)
{
    return std::ranges::any_of(Designed::SampleLabels, [&](int number) { return label.objectName() == pageLabelName(number); });
}

// A page label's text as a sighted reader takes it in: its lines, without
// the blanks that only place it.
QString shownText(const FormLabel &label)
{
    return label.caption().replace(u'\r', u'\n').trimmed();
}

// What a listener should meet on the page shown, worked out from what is on
// the screen: the labels with text, row by row from the top, each row from
// the left; a keying example and the sample right beside it on its row make
// one stop, "keying: sample".
QStringList expectedStops(const DesignedControls &controls)
{
    QList<const FormLabel *> shown;
    for (const int number : Designed::TextLabels + Designed::KeyingLabels + Designed::SampleLabels) {
        const FormLabel *label = controls.label(pageLabelName(number));
        if (!shownText(*label).isEmpty())
            shown.append(label);
    }
    std::ranges::sort(shown, [](const FormLabel *a, const FormLabel *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList stops;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const FormLabel &label = *shown[i];
        const FormLabel *beside = i + 1 < shown.size() ? shown[i + 1] : nullptr;
        if (!isSample(label) && beside && isSample(*beside) && beside->y() == label.y()) {
            stops.append(shownText(label) + u": "_s + shownText(*beside));
            ++i;
        } else {
            stops.append(shownText(label));
        }
    }
    return stops;
}

struct Walk {
    QStringList heard;         // what each stop said, in Tab order
    QString afterLast;         // where Tab goes from the last stop
    QString beforeFirst;       // where Shift+Tab goes from the first
};

// Chooses the subject as a keyboard user does and walks the page with Tab.
Walk readSubject(IntroEng &window, int subject)
{
    Walk walk;
    auto *button = controlsOf(window).button(subjectButtonName(subject));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QWidget *first = QApplication::focusWidget();
    if (first && qobject_cast<FormLabel *>(first)) {
        QTest::keyClick(first, Qt::Key_Tab, Qt::ShiftModifier);
        walk.beforeFirst = QApplication::focusWidget()->objectName();
        first->setFocus();
    }
    QWidget *at = first;
    for (int guard = 0; at && qobject_cast<FormLabel *>(at) && guard < 20; ++guard) {
        walk.heard.append(spokenName(at));
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    }
    walk.afterLast = at ? at->objectName() : QString();
    return walk;
}

const ScriptFonts &unicodeFonts()
{
    static const ScriptFonts fonts = QtPlatform(ScriptTextOption::Unicode).scriptFonts();
    return fonts;
}

void showAndActivate(IntroEng &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// A page as a screen reader user meets it: chosen with Space, read with Tab.
class PageReadingTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadEachPageInReadingOrder_data()
    {
        addLanguageAndScriptRows();
    }

    // Every text of the page is heard once, in the order it is read, each
    // keying with what it gives, and nothing of the page before: the
    // subjects are read one after another in the same window. Shift+Tab
    // from the first stop is back on the subject, and Tab from the last one
    // goes on where Tab from the subject button goes. Glyph codes are never
    // heard: where the legacy fonts show them, a listener hears the same.
    void shouldReadEachPageInReadingOrder()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        const ScreenReader screenReader;
        QVERIFY(screenReader.working());
        IntroFixture unicode({language, script}, unicodeFonts());
        IntroFixture legacy({language, script});

        for (int subject = 1; subject <= Subjects; ++subject) {
            showAndActivate(unicode.window());
            const Walk walk = readSubject(unicode.window(), subject);
            QVERIFY(!walk.heard.isEmpty());
            QCOMPARE(walk.heard, expectedStops(controlsOf(unicode.window())));
            QCOMPARE(walk.beforeFirst, subjectButtonName(subject));
            QCOMPARE(walk.afterLast, subject < Subjects ? subjectButtonName(subject + 1) : u"practiceButton"_s);
            showAndActivate(legacy.window());
            QCOMPARE(readSubject(legacy.window(), subject).heard, walk.heard);
        }
    }

    // Without assistive technology a subject keeps the focus on its button,
    // no label takes the focus, and Tab runs through the buttons as designed:
    // Close, Restart Introduction, then the subjects from the top.
    void shouldKeepTheDesignsTabOrderWithoutAScreenReader()
    {
        IntroFixture intro({InfoLanguage::English, LegacyFont::Devanagari}, unicodeFonts());
        showAndActivate(intro.window());
        for (int subject = 1; subject <= Subjects; ++subject) {
            auto *button = controlsOf(intro.window()).button(subjectButtonName(subject));
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), button);
        }
        QStringList tabOrder;
        QWidget *at = controlsOf(intro.window()).control(u"Command3D3"_s);
        at->setFocus();
        for (int step = 0; step < 11; ++step) {
            tabOrder.append(at->objectName());
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
        }
        QCOMPARE(tabOrder, (QStringList{u"Command3D3"_s, u"Command3D1"_s, u"Command3D4"_s, u"Command3D5"_s,
                                        u"Command3D6"_s, u"Command3D7"_s, u"Command3D8"_s, u"Command3D9"_s,
                                        u"Command3D10"_s, u"practiceButton"_s, u"Command3D3"_s}));
    }

    // A screen reader started while a page is open finds its stops after the
    // subject's button; once it stops, the labels take no focus again.
    void shouldFollowAScreenReaderSwitchedOnAndOff()
    {
        IntroFixture intro({InfoLanguage::English, LegacyFont::Gujarati}, unicodeFonts());
        showAndActivate(intro.window());
        auto *syllables = controlsOf(intro.window()).button(subjectButtonName(4));
        syllables->setFocus();
        QTest::keyClick(syllables, Qt::Key_Space);
        const QStringList page = expectedStops(controlsOf(intro.window()));
        {
            const ScreenReader screenReader;
            QVERIFY(screenReader.working());
            QCOMPARE(QApplication::focusWidget(), syllables);
            QTest::keyClick(syllables, Qt::Key_Tab);
            QCOMPARE(spokenName(QApplication::focusWidget()), page.first());
            syllables->setFocus();
        }
        QTest::keyClick(syllables, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), subjectButtonName(5));
        for (const int number : Designed::TextLabels + Designed::KeyingLabels + Designed::SampleLabels)
            QCOMPARE(controlsOf(intro.window()).label(pageLabelName(number))->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(PageReadingTest)
#include "tst_pagereading.moc"
