#include "forms/Fonts.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "launcher/IntroPix.h"
#include "support/Constants.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;
using Designed::Bold;

namespace {
const QColor &SystemWindow = Designed::SystemColour;
}

// The launcher as it is created, before its load step: every control against
// the window's design, value by value.
class IntroPixDesignTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    void shouldBuildEveryControlAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("twips"); // left, top, width, height
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("caption");

        const auto row = [](const char *tag, const QString &name, int index, QRect twips, const QString &face,
                            double points, int weight, bool italic, bool visible, const QString &caption) {
            QTest::newRow(tag) << name << index << twips << face << points << weight << italic << visible << caption;
        };
        const QString &ms = Designed::MsSansSerif;
        row("About", u"Command3D13"_s, 1, {120, 6000, 1215, 615}, ms, 9.75, Bold, false, true, u"&About"_s);
        row("Reselect", u"Command3D11"_s, -1, {6730, 3240, 1420, 255}, ms, 9.75, Bold, false, false, u"Reselect?"_s);
        row("Show", u"Command3D12"_s, -1, {8280, 1680, 1335, 1095}, ms, 9.75, Bold, false, false, u"&Show"_s);
        row("Start Work", u"Command3D10"_s, -1, {8040, 5280, 1335, 615}, ms, 9.75, Bold, false, false, u"Start &Work"_s);
        row("Devanagari 4", u"Command3D14"_s, -1, {1560, 6000, 1215, 615}, u"KDEV01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\xBA\xC9\xC6\xBA\x45\xDE\xF2\x69\xC9"));
        row("Gurumukhi", u"Command3D7"_s, -1, {5760, 3960, 1335, 615}, u"KGUR01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\x61\x7C\x4F\x73\x64\x76"));
        row("Gujarati", u"Command3D6"_s, -1, {4320, 3960, 1335, 615}, u"KGUJ01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\x4E\xC9\xD6\x57\xF0\xAD\xC9\x6C\xC9\xED\xD2"));
        row("Bengali", u"Command3D5"_s, -1, {2880, 3960, 1335, 615}, u"KBENGAL3"_s, 18, Bold, false, false,
            QString::fromLatin1("\x63\x61\xC8\xAC\xC1"));
        row("Devanagari 3", u"Command3D4"_s, -1, {1560, 5320, 1215, 615}, u"KDEV01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\xA8\xC9\xAE\xF4\xC9\x60\xD2"));
        row("Devanagari 2", u"Command3D3"_s, -1, {1560, 4640, 1215, 615}, u"KDEV01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\x78\xC9\xE4\x7B\xC9\xC9\xB1\xC9\xD2"));
        row("Devanagari 1", u"Command3D2"_s, -1, {1560, 3960, 1215, 615}, u"KDEV01__"_s, 18, Bold, false, false,
            QString::fromLatin1("\xCA\xBD\xF8\x78\x6E\xD2"));
        row("English button", u"Command3D1"_s, -1, {120, 3960, 1215, 615}, ms, 13.5, Bold, false, false, u"English"_s);
        row("Close", u"Command3D13"_s, 0, {8040, 6000, 1335, 615}, ms, 9.75, Bold, false, true, u"&Close"_s);
        row("Word Processor", u"Command3D8"_s, -1, {4800, 6000, 3135, 615}, ms, 9.75, Bold, false, false,
            u"Start &Word Processor"_s);
        row("Start Introduction", u"Command3D9"_s, -1, {3240, 6000, 3135, 615}, ms, 9.75, Bold, false, true,
            u"Start &Introduction"_s);
        row("second frame", u"Picture2"_s, 1, {0, 270, 6015, 2895}, ms, 8.25, Bold, false, false, {});
        row("first frame", u"Picture1"_s, 0, {90, 150, 6135, 3015}, ms, 8.25, Bold, false, true, {});
        row("edition", u"Label11"_s, -1, {1560, 4920, 6375, 855}, u"Arial"_s, 36, Bold, true, true, u"Label11"_s);
        row("script box", u"Label10"_s, -1, {6720, 2760, 1455, 375}, ms, 8.25, Bold, false, false, u"Label10"_s);
        row("language box", u"Label9"_s, -1, {6720, 1920, 1455, 375}, ms, 8.25, Bold, false, false, u"Label9"_s);
        row("summary", u"Label8"_s, -1, {6720, 1680, 1455, 1935}, ms, 8.25, Bold, false, false,
            u"  Introduction in"_s + QString(48, u' ') + u"about the script for"_s);
        row("script prompt", u"Label7"_s, -1, {120, 3240, 6495, 255}, ms, 9.75, Bold, false, false,
            u"Choose the script you want described"_s);
        row("language prompt", u"Label6"_s, -1, {0, 3240, 6615, 255}, ms, 9.75, Bold, false, false,
            u"Choose a language for showing information"_s);
        row("Gurumukhi header", u"Label5"_s, -1, {5760, 3720, 1335, 1095}, ms, 8.25, Bold, false, false, u"Gurumukhi"_s);
        row("Gujarati header", u"Label4"_s, -1, {4320, 3720, 1335, 1095}, ms, 8.25, Bold, false, false, u"Gujarati"_s);
        row("Bengali header", u"Label3"_s, -1, {2880, 3720, 1335, 1095}, ms, 8.25, Bold, false, false, u"Bengali"_s);
        row("Devanagari header", u"Label2"_s, -1, {1560, 3720, 1215, 3015}, ms, 8.25, Bold, false, false, u"Devanagari"_s);
        row("English header", u"Label1"_s, -1, {120, 3720, 1215, 1095}, ms, 8.25, Bold, false, false, u"English"_s);
    }

    void shouldBuildEveryControlAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRect, twips);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(bool, visible);
        QFETCH(QString, caption);

        FakePlatform platform;
        IntroPix launcher(platform);
        QWidget *control = controlsOf(launcher).control(name, index);
        QCOMPARE(control->objectName(), name);
        QCOMPARE(control->property("index").toInt(), index);
        // 15 twips to the pixel; odd twips round to the nearest pixel.
        QCOMPARE(control->geometry(), QRect(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                                            qRound(twips.width() / 15.0), qRound(twips.height() / 15.0)));
        QCOMPARE(control->font().family(), face);
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().weight(), weight);
        QCOMPARE(control->font().italic(), italic);
        QCOMPARE(!control->isHidden(), visible);
        if (auto *button = qobject_cast<FormButton *>(control))
            QCOMPARE(button->text(), caption);
        if (auto *label = qobject_cast<FormLabel *>(control))
            QCOMPARE(label->caption(), caption);
    }

    void shouldColourLabelsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("back"); // invalid: the desktop's window background
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<int>("alignment");

        const QColor paleYellow(255, 255, 128);
        const int centred = Qt::AlignHCenter;
        QTest::newRow("edition") << u"Label11"_s << QColor(255, 255, 255) << QColor(255, 128, 0) << false << false << centred;
        QTest::newRow("script box") << u"Label10"_s << QColor(255, 0, 0) << SystemWindow << true << true << centred;
        QTest::newRow("language box") << u"Label9"_s << QColor(255, 255, 0) << SystemWindow << true << true << centred;
        QTest::newRow("summary") << u"Label8"_s << SystemWindow << SystemWindow << true << true << centred;
        QTest::newRow("script prompt") << u"Label7"_s << QColor(255, 0, 0) << SystemWindow << false << true << centred;
        QTest::newRow("language prompt") << u"Label6"_s << QColor(255, 255, 0) << SystemWindow << false << true << centred;
        for (const char *header : {"Label1", "Label2", "Label3", "Label4", "Label5"})
            QTest::newRow(header) << QString::fromLatin1(header) << paleYellow << SystemWindow << true << true << centred;
    }

    void shouldColourLabelsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QColor, back);
        QFETCH(QColor, fore);
        QFETCH(bool, framed);
        QFETCH(bool, flat);
        QFETCH(int, alignment);

        FakePlatform platform;
        IntroPix launcher(platform);
        FormLabel *label = controlsOf(launcher).label(name);
        const QPalette system = QApplication::palette();
        QCOMPARE(label->palette().color(QPalette::Window), back.isValid() ? back : system.color(QPalette::Base));
        QCOMPARE(label->palette().color(QPalette::WindowText), fore.isValid() ? fore : system.color(QPalette::Text));
        QCOMPARE(label->isFramed(), framed);
        QCOMPARE(label->isFlat(), flat);
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    }

    void shouldHaveTheDesignedWindow()
    {
        FakePlatform platform;
        IntroPix launcher(platform);
        QCOMPARE(launcher.objectName(), u"IntroPix"_s);
        QCOMPARE(launcher.windowTitle(), u"Korvani  'Vorda'  Asian Language Word Processing"_s);
        QCOMPARE(launcher.size(), QSize(659, 458)); // 9885 x 6870 twips
        QVERIFY(launcher.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(launcher.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(launcher.font().family(), u"MS Sans Serif"_s);
        QCOMPARE(launcher.font().pointSizeF(), 8.25);
        QCOMPARE(launcher.font().weight(), Bold);
        QVERIFY(!launcher.windowIcon().isNull());
        QCOMPARE(launcher.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Base));

        FormTimer *timer = controlsOf(launcher).timer(u"Timer1"_s);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isEnabled());
        QVERIFY(!timer->isTicking()); // no tick before the window is shown

        // The logo bitmaps are drawn unscaled in their boxes.
        QCOMPARE(controlsOf(launcher).picture(u"Picture1"_s, 0)->picture().size(), QSize(395, 199));
        QCOMPARE(controlsOf(launcher).picture(u"Picture2"_s, 1)->picture().size(), QSize(395, 195));
        QCOMPARE(controlsOf(launcher).label(u"Label8"_s)->caption().size(), 85);
    }

    void shouldTabThroughVisibleButtonsInDesignOrder()
    {
        FakePlatform platform;
        IntroPix launcher(platform);
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        // The focus starts on "&Close" (tab index 0).
        QTRY_COMPARE(QApplication::focusWidget(), controlsOf(launcher).control(u"Command3D13"_s, 0));

        // Show every button so the whole designed order can be walked.
        const QList<std::pair<QString, int>> order{
            {u"Command3D13"_s, 0}, {u"Command3D9"_s, -1}, {u"Command3D8"_s, -1}, {u"Command3D1"_s, -1},
            {u"Command3D2"_s, -1}, {u"Command3D3"_s, -1}, {u"Command3D4"_s, -1}, {u"Command3D5"_s, -1},
            {u"Command3D6"_s, -1}, {u"Command3D7"_s, -1}, {u"Command3D14"_s, -1}, {u"Command3D10"_s, -1},
            {u"Command3D12"_s, -1}, {u"Command3D11"_s, -1}, {u"Command3D13"_s, 1}};
        for (const auto &[name, index] : order)
            controlsOf(launcher).control(name, index)->show();
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), controlsOf(launcher).control(order[i].first, order[i].second));
        }
    }

    void shouldReadAsOneSummaryAroundTheLanguageBox()
    {
        // The blanks of the summary caption carry "about the script for" down
        // past the yellow language box, so that it shows between the two boxes.
        FakePlatform platform;
        IntroPix launcher(platform);
        const FormLabel *summary = controlsOf(launcher).label(u"Label8"_s);
        const QWidget *language = controlsOf(launcher).label(u"Label9"_s);
        const QWidget *script = controlsOf(launcher).label(u"Label10"_s);
        const QStringList lines = summary->shownLines();
        const QFontMetricsF metrics(summary->font());

        const auto lineTop = [&](qsizetype line) { return summary->y() + 1 + line * metrics.lineSpacing(); };
        QVERIFY(lines.first().contains(u"Introduction in"_s));
        QVERIFY(lineTop(1) <= language->y() + 1);
        qsizetype about = -1;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].contains(u"about"_s))
                about = i;
        QVERIFY(about > 0);
        QCOMPARE(lines.mid(about).join(u' ').simplified(), u"about the script for"_s);
        // Letters start below the language box's internal leading, end above the script box.
        QVERIFY2(lineTop(about) + metrics.ascent() - metrics.capHeight() >= language->geometry().bottom(),
                 qPrintable(lines.join(u'|')));
        QVERIFY(lineTop(lines.size()) <= script->y());
    }

    void shouldDrawLabelsBeneathButtonsAndPictures()
    {
        FakePlatform platform;
        IntroPix launcher(platform);
        // Label2 (the tall Devanagari header) encloses the Devanagari buttons,
        // and Label8 lies beneath "&Show"'s neighbours; every label must be
        // below every other control in the stacking order.
        const QObjectList children = launcher.children();
        qsizetype lastLabel = -1;
        qsizetype firstOther = children.size();
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (qobject_cast<FormLabel *>(children[i]))
                lastLabel = i;
            else if (qobject_cast<FormButton *>(children[i]) || qobject_cast<FormPicture *>(children[i]))
                firstOther = std::min(firstOther, i);
        }
        QVERIFY(lastLabel < firstOther);
        // Among labels the design's front-to-back order holds: Label7 in front of Label6.
        QVERIFY(children.indexOf(controlsOf(launcher).label(u"Label7"_s))
                > children.indexOf(controlsOf(launcher).label(u"Label6"_s)));
    }
};

QTEST_MAIN(IntroPixDesignTest)
#include "tst_intropix_design.moc"
