#include "forms/CaptionLayout.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormTimer.h"
#include "forms/Glyphs.h"

#include <QDialog>
#include <QTest>

using namespace Qt::StringLiterals;

// The label text layout, glyph-code texts and design timers.
class FormsTest final : public QObject
{
    Q_OBJECT

private:
    QFont font_{u"Liberation Sans"_s, 10};
    QFontMetricsF metrics_{font_};

    qreal width(const QString &text) const { return metrics_.horizontalAdvance(text); }

private Q_SLOTS:
    void shouldWrapLikeTheDesignLabels_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fitting"); // the box is as wide as this text
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("fits") << u"a b c"_s << u"a b c d"_s << QStringList{u"a b c"_s};
        QTest::newRow("carriage return breaks") << u"one\rtwo"_s << u"one two three"_s << QStringList{u"one"_s, u"two"_s};
        QTest::newRow("CR LF is one break") << u"one\r\ntwo"_s << u"one two three"_s << QStringList{u"one"_s, u"two"_s};
        QTest::newRow("empty part kept") << u"one\r\rtwo"_s << u"one two"_s
                                         << QStringList{u"one"_s, QString(), u"two"_s};
        QTest::newRow("break between words drops that blank")
            << u"alpha beta"_s << u"alpha"_s << QStringList{u"alpha"_s, u"beta"_s};
        QTest::newRow("blank at a full line is the break")
            << u"alpha beta gamma"_s << u"alpha beta"_s << QStringList{u"alpha beta"_s, u"gamma"_s};
        QTest::newRow("word that does not fit moves down")
            << u"alpha beta gamma"_s << u"alpha beta g"_s << QStringList{u"alpha beta "_s, u"gamma"_s};
        QTest::newRow("trailing blanks stay") << u"[Return]      "_s << u"[Return]          "_s
                                              << QStringList{u"[Return]      "_s};
        QTest::newRow("leading blanks stay") << u"   x"_s << u"xxxxxxxx"_s << QStringList{u"   x"_s};
        QTest::newRow("long word kept whole") << u"ab abcdefgh cd"_s << u"abcd"_s
                                              << QStringList{u"ab "_s, u"abcdefgh"_s, u"cd"_s};
    }

    void shouldWrapLikeTheDesignLabels()
    {
        QFETCH(QString, caption);
        QFETCH(QString, fitting);
        QFETCH(QStringList, lines);
        QCOMPARE(CaptionLayout::wrap(caption, metrics_, width(fitting)), lines);
    }

    void shouldLetBlanksCarryTextDown()
    {
        // A run of blanks longer than a line fills lines of its own and pushes
        // the following words down, as the launcher's summary box needs.
        const qreal box = width(u"Introduction in"_s);
        const QString blanks(60, u' ');
        const QStringList carried = CaptionLayout::wrap(u"Introduction in"_s + blanks + u"about"_s, metrics_, box);
        const QStringList plain = CaptionLayout::wrap(u"Introduction in about"_s, metrics_, box);
        QCOMPARE(plain.size(), 2);
        QVERIFY2(carried.size() >= 3, qPrintable(carried.join(u'|')));
        QVERIFY(carried.last().endsWith(u"about"_s));
        // No blank is lost except the one at the first break (the box ends
        // right after "in").
        QCOMPARE(carried.join(QString()).count(u' '), 1 + blanks.size() - 1);
        for (const QString &line : carried)
            QVERIFY(width(line.trimmed()) <= box);
    }

    void shouldShowAccessKeysWithoutTheirMarker_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("access key") << u"&Close"_s << u"Close"_s;
        QTest::newRow("literal ampersand") << u"A && B"_s << u"A & B"_s;
        QTest::newRow("none") << u"plain"_s << u"plain"_s;
        QTest::newRow("trailing") << u"x&"_s << u"x&"_s;
    }

    void shouldShowAccessKeysWithoutTheirMarker()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(CaptionLayout::withoutAccessKeys(caption), shown);
    }

    void shouldKeepTheCaptionExactly()
    {
        QWidget window;
        FormLabel label(&window);
        label.setFont(font_);
        label.resize(400, 100);
        const QString caption = u"  first\rsecond  "_s;
        label.setCaption(caption);
        QCOMPARE(label.caption(), caption);
        QCOMPARE(label.shownLines(), (QStringList{u"  first"_s, u"second  "_s}));
    }

    void shouldReportClicksAndMoves()
    {
        QWidget window;
        window.resize(200, 100);
        FormLabel label(&window);
        label.setGeometry(10, 10, 100, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        int moves = 0;
        connect(&label, &FormLabel::clicked, this, [&] { ++clicks; });
        connect(&label, &FormLabel::mouseMoved, this, [&] { ++moves; });
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mouseMove(&label, QPoint(5, 5));
        QTRY_VERIFY(moves > 0);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    }

    void shouldClickOnlyWhenReleasedInside_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release"); // in the label, which is 100 x 40
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << Qt::LeftButton << QPoint(50, 20) << 1;
        QTest::newRow("on the last pixel") << Qt::LeftButton << QPoint(99, 39) << 1;
        QTest::newRow("just right of it") << Qt::LeftButton << QPoint(100, 20) << 0;
        QTest::newRow("just below it") << Qt::LeftButton << QPoint(50, 40) << 0;
        QTest::newRow("left of it") << Qt::LeftButton << QPoint(-5, 20) << 0;
        QTest::newRow("right button") << Qt::RightButton << QPoint(50, 20) << 0;
    }

    void shouldClickOnlyWhenReleasedInside()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        QWidget window;
        window.resize(200, 100);
        FormLabel label(&window);
        label.setGeometry(10, 10, 100, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicked = 0;
        connect(&label, &FormLabel::clicked, this, [&] { ++clicked; });
        // The label keeps the pointer from the press to the release.
        QTest::mousePress(&label, button, {}, QPoint(50, 20));
        QTest::mouseRelease(&label, button, {}, release);
        QCOMPARE(clicked, clicks);
    }

    void shouldPressTheFocusedButtonByKey_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers() << u"focused"_s;
        QTest::newRow("Enter on the keypad") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << u"focused"_s;
        QTest::newRow("space") << Qt::Key_Space << Qt::KeyboardModifiers() << u"focused"_s;
        QTest::newRow("Ctrl+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << u""_s;
        QTest::newRow("a letter") << Qt::Key_A << Qt::KeyboardModifiers() << u""_s;
    }

    // In a dialog with a default button too: Return presses the focused
    // button, not the default one.
    void shouldPressTheFocusedButtonByKey()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, pressed);
        QDialog dialog;
        FormButton focused(&dialog);
        FormButton fallback(&dialog);
        focused.setGeometry(0, 0, 80, 30);
        fallback.setGeometry(0, 40, 80, 30);
        fallback.setDefault(true);
        QStringList clicks;
        connect(&focused, &FormButton::clicked, this, [&] { clicks << u"focused"_s; });
        connect(&fallback, &FormButton::clicked, this, [&] { clicks << u"default"_s; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        focused.setFocus();
        QVERIFY(focused.hasFocus());

        QTest::keyClick(&focused, key, modifiers);
        QCOMPARE(clicks.join(u' '), pressed);
        QVERIFY(!focused.isDown());
    }

    void shouldWriteGlyphCodesAsTheyAre()
    {
        const QString single = glyphs("BA C9 C6");
        QCOMPARE(single, QString::fromLatin1("\xBA\xC9\xC6"));
        const QString parts = glyphs("41 20 42", "C9", "20 20");
        QCOMPARE(parts, QString::fromLatin1("A B\r\xC9\r  "));
        QCOMPARE(glyphs("FF").size(), std::size_t(1));
        QCOMPARE(QString(glyphs("FF")).at(0).unicode(), char16_t(0xFF));
    }

    void shouldTickOnlyWhileTheWindowIsShown()
    {
        QWidget window;
        FormTimer timer(&window, 10, true);
        QVERIFY(timer.isEnabled());
        QVERIFY(!timer.isTicking());
        int ticks = 0;
        connect(&timer, &FormTimer::timeout, this, [&] { ++ticks; });

        window.show();
        QVERIFY(timer.isTicking());
        QTRY_VERIFY(ticks > 0);

        window.hide();
        QVERIFY(!timer.isTicking());
        window.show();
        QVERIFY(timer.isTicking());
        timer.setEnabled(false);
        QVERIFY(!timer.isTicking());
        const int before = ticks;
        QTest::qWait(50);
        QCOMPARE(ticks, before);
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
