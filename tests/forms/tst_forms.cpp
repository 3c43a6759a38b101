#include "forms/CaptionLayout.h"
#include "forms/FormButton.h"
#include "forms/Fonts.h"
#include "forms/FormBuilder.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormTimer.h"
#include "script/ScriptFonts.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QFontInfo>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

// The label text layout, the buttons and the design timers.
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

    void shouldLayOutAsWrapInEveryFontAndWidth_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<qreal>("width");
        const QFont plain = font_;
        QFont bold = font_;
        bold.setBold(true);
        QFont spaced = bold;
        spaced.setWordSpacing(3.0);
        QFont larger = font_;
        larger.setPointSizeF(18);
        QFont otherFace = font_;
        otherFace.setFamilies({u"DejaVu Serif"_s});
        QTest::newRow("plain") << plain << 120.0;
        QTest::newRow("plain, a hair wider") << plain << 120.5;
        QTest::newRow("plain, wide") << plain << 400.0;
        QTest::newRow("bold") << bold << 120.0;
        QTest::newRow("bold with wider blanks") << spaced << 120.0;
        QTest::newRow("larger") << larger << 120.0;
        QTest::newRow("other face") << otherFace << 120.0;
    }

    // The kept layouts are told apart by everything that changes the lines:
    // laying out the same captions in every font and width, in turn, gives
    // what a fresh wrap gives there, and each line's measured advance.
    void shouldLayOutAsWrapInEveryFontAndWidth()
    {
        QFETCH(QFont, font);
        QFETCH(qreal, width);
        const QFontMetricsF metrics(font);
        const QStringList captions{u"Learn to think in syllables, not just in terms of individual characters."_s,
                                   u"  Introduction in"_s + QString(48, u' ') + u"about the script for"_s,
                                   u"one\rtwo  three"_s, QString()};
        for (const QString &caption : captions) {
            const CaptionLayout::Lines lines = CaptionLayout::laidOut(caption, font, width);
            QCOMPARE(lines.text, CaptionLayout::wrap(caption, metrics, width));
            QCOMPARE(lines.widths.size(), lines.text.size());
            for (qsizetype i = 0; i < lines.text.size(); ++i)
                QCOMPARE(lines.widths.at(i), metrics.horizontalAdvance(lines.text.at(i)));
        }
    }

    void shouldFollowTheLabelsFontAndWidth()
    {
        QWidget window;
        FormLabel label(&window);
        label.setFont(font_);
        label.resize(int(width(u"alpha beta gamma"_s)) + 2, 100);
        label.setCaption(u"alpha beta gamma delta"_s);
        QCOMPARE(label.shownLines(), (QStringList{u"alpha beta gamma"_s, u"delta"_s}));
        label.resize(int(width(u"alpha beta"_s)) + 2, 100);
        QCOMPARE(label.shownLines().first(), u"alpha beta"_s);
        QCOMPARE(label.shownLines(), CaptionLayout::wrap(u"alpha beta gamma delta"_s, metrics_, label.width()));
        QFont larger = font_;
        larger.setPointSizeF(font_.pointSizeF() * 2);
        label.setFont(larger);
        QCOMPARE(label.shownLines(), CaptionLayout::wrap(u"alpha beta gamma delta"_s, QFontMetricsF(larger), label.width()));
        QCOMPARE_GT(label.shownLines().size(), 2);
    }

    void shouldPaintTextAsPlainDrawTextDoes_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<Qt::Alignment>("alignment");
        QFont spaced = font_;
        spaced.setBold(true);
        spaced.setWordSpacing(1.0);
        QFont large{u"Liberation Sans"_s};
        large.setPointSizeF(13.5);
        QTest::newRow("left") << font_ << Qt::Alignment(Qt::AlignLeft);
        QTest::newRow("centred") << font_ << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("right") << font_ << Qt::Alignment(Qt::AlignRight);
        QTest::newRow("bold, wider blanks, centred") << spaced << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("large, centred") << large << Qt::Alignment(Qt::AlignHCenter);
        // A face that is not installed: every glyph comes from a fallback.
        QTest::newRow("missing face, centred") << QFont(u"KDEV01__"_s, 18) << Qt::Alignment(Qt::AlignHCenter);
    }

    // Labels draw their lines from glyphs shaped once; the pixels must be
    // those of QPainter::drawText at the same places, also for lines that
    // start between two pixels.
    void shouldPaintTextAsPlainDrawTextDoes()
    {
        QFETCH(QFont, font);
        QFETCH(Qt::Alignment, alignment);
        QWidget window;
        FormLabel label(&window);
        label.setFont(font);
        label.setAlignment(alignment);
        label.setGeometry(0, 0, 301, 120);
        label.setCaption(u"Learn to think in syllables, not just in terms of individual characters. "
                         u"(ka + ra = kra) \u00b6\u00b1\u00c9\u00ea \u0915\u094d\u0930\r[Return]      "_s);
        const QImage painted = label.grab().toImage().convertToFormat(QImage::Format_RGB32);

        QImage expected(label.size(), QImage::Format_RGB32);
        expected.fill(label.palette().color(QPalette::Window));
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(label.palette().color(QPalette::WindowText));
        const QFontMetricsF metrics(font);
        const QStringList lines = label.shownLines();
        QCOMPARE_GE(lines.size(), 3);
        qreal y = 0;
        for (const QString &line : lines) {
            const qreal free = label.width() - metrics.horizontalAdvance(line);
            const qreal x = alignment & Qt::AlignHCenter ? free / 2 : alignment & Qt::AlignRight ? free : 0;
            painter.drawText(QPointF(x, y + metrics.ascent()), line);
            y += metrics.lineSpacing();
        }
        painter.end();
        QCOMPARE(painted, expected);
    }

    void shouldGiveBoldStandInsTheirBlankBack_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<qreal>("wordSpacing");
        QTest::newRow("MS Sans Serif bold") << Design::MsSansSerif << 8.25 << int(Design::Bold) << false << 1.0;
        QTest::newRow("MS Sans Serif bold, larger") << Design::MsSansSerif << 13.5 << int(Design::Bold) << false << 1.0;
        QTest::newRow("MS Sans Serif bold italic") << Design::MsSansSerif << 9.75 << int(Design::Bold) << true << 1.0;
        QTest::newRow("MS Sans Serif regular") << Design::MsSansSerif << 8.25 << int(Design::Normal) << false << 0.0;
        QTest::newRow("Arial bold") << Design::Arial << 12.0 << int(Design::Bold) << false << 0.0;
    }

    // Each design font is matched against the installed fonts once; asking
    // again, in any order, gives the same font: to a window and to a control.
    void shouldGiveBoldStandInsTheirBlankBack()
    {
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(qreal, wordSpacing);
        Fonts::installSubstitutes();
        if (QFontInfo(QFont(Design::MsSansSerif)).family() == Design::MsSansSerif)
            QSKIP("MS Sans Serif itself is installed here; no stand-in to correct.");
        Design::Window design;
        design.name = u"Fonts"_s;
        design.font = Design::font(face, points, weight, italic);
        design.controls = {{Design::Kind::Label, u"Label1"_s, -1, u"Label1"_s, {0, 0, 1500, 600}, design.font,
                            Design::Default, Design::Default, Design::Flat, Design::Visible, 0}};
        for (int round = 0; round < 2; ++round) {
            QWidget window;
            const FormControls &controls = *FormBuilder::build(design, window, ScriptFonts());
            for (const QFont &font : {window.font(), controls.named<FormLabel>(u"Label1"_s).font()}) {
                QCOMPARE(font.family(), face);
                QCOMPARE(font.pointSizeF(), points);
                QCOMPARE(int(font.weight()), weight);
                QCOMPARE(font.italic(), italic);
                QCOMPARE(font.wordSpacing(), wordSpacing);
            }
        }
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

    // The press that assistive technologies use reaches a button whose window
    // takes input (under a modal window it must not: tests/launcher/tst_modality.cpp).
    // Last, as it turns accessibility on for the rest of the run.
    void shouldStillPressAButtonWhoseWindowIsFree()
    {
        QAccessible::setActive(true);
        QWidget window;
        FormButton button(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int clicks = 0;
        connect(&button, &FormButton::clicked, this, [&] { ++clicks; });
        QAccessible::queryAccessibleInterface(&button)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks, 1);
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
