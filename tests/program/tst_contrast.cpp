#include "about/AbKorInt.h"
#include "about/AbKorIntDesign.h"
#include "forms/Contrast.h"
#include "forms/Design.h"
#include "forms/FormLabel.h"
#include "introduction/IntroEng.h"
#include "introduction/IntroEngDesign.h"
#include "launcher/IntroPix.h"
#include "launcher/IntroPixDesign.h"
#include "practice/KeyingPractice.h"
#include "support/FakePlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A dark desktop as Qt's GTK theme reads GNOME's, or a high-contrast one.
QPalette scheme(const QColor &base, const QColor &text)
{
    QPalette palette;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        palette.setColor(role, base);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, text);
    return palette;
}

// A design's colour under a desktop palette: fixed, or the desktop's colour
// that the design names. A window's background is that of its text fields
// (Base), as on the desktops the designs were made for.
QColor designedColour(const Design::Colour &colour, const QPalette &desktop)
{
    using System = Design::Colour::System;
    if (colour.isRgb)
        return QColor(colour.red, colour.green, colour.blue);
    const std::map<System, QPalette::ColorRole> roles{{System::WindowBackground, QPalette::Base},
                                                      {System::WindowText, QPalette::Text},
                                                      {System::ButtonFace, QPalette::Button},
                                                      {System::ButtonText, QPalette::ButtonText}};
    return roles.contains(colour.system) ? desktop.color(roles.at(colour.system)) : QColor();
}

// A window in one state: the launcher after `clicks` of its choice (-1: the
// introduction window over it, -2: the About window).
struct Scene {
    explicit Scene(int clicks)
    {
        const QStringList buttons{u"Command3D9"_s, u"Command3D1"_s, u"Command3D2"_s};
        launcher.load();
        for (const QString &name : buttons.first(clicks < 0 ? 3 : clicks))
            launcher.findChild<QAbstractButton *>(name)->click();
        if (clicks == -1) {
            const IntroductionChoice englishAboutDevanagari{InfoLanguage::English, LegacyFont::Devanagari};
            introduction = std::make_unique<IntroEng>(platform, launcher, englishAboutDevanagari, &launcher);
            introduction->load();
            window = introduction.get();
            design = &introEngDesign();
        } else if (clicks == -2) {
            about = std::make_unique<AbKorInt>(platform, IntroA::SetEdition(), nullptr);
            about->load();
            window = about.get();
            design = &abKorIntDesign();
        }
    }
    // Each label's background, text and frame colour, in names.
    QStringList colours() const
    {
        QStringList all;
        for (const FormLabel *label : window->findChildren<FormLabel *>())
            all << label->objectName() + label->property("index").toString() + label->palette().color(QPalette::Window).name()
                       + label->palette().color(QPalette::WindowText).name() + label->frameColour().name();
        return all;
    }
    FakePlatform platform;
    IntroPix launcher{platform};
    std::unique_ptr<IntroEng> introduction;
    std::unique_ptr<AbKorInt> about;
    QWidget *window = &launcher;
    const Design::Window *design = &introPixDesign();
};

} // namespace

// Every text of every window reads on its background under the desktop's
// colour scheme, and follows the scheme when it changes while a window is open.
class ContrastTest final : public QObject
{
    Q_OBJECT

    QPalette light_;

private Q_SLOTS:
    void initTestCase() { light_ = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(light_); }

    // Black or white reads on any background, so the text chosen always does;
    // a text that reads already is kept.
    void shouldAlwaysGiveAReadableText()
    {
        QCOMPARE(Contrast::ratio(Qt::black, Qt::white), 21.0);
        QCOMPARE(qRound(Contrast::ratio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
        for (int rgb = 0; rgb < 6 * 6 * 6; ++rgb) {
            const QColor background(rgb % 6 * 51, rgb / 6 % 6 * 51, rgb / 36 * 51);
            for (const QColor &text : {QColor(Qt::black), QColor(0xf0, 0xf0, 0xf0), QColor(Qt::green)}) {
                const QColor shown = Contrast::readableText(text, background);
                QCOMPARE_GE(Contrast::ratio(shown, background), Contrast::Readable);
                const bool reads = Contrast::ratio(text, background) >= Contrast::Readable;
                QVERIFY(reads ? shown == text : shown == Qt::black || shown == Qt::white);
            }
        }
    }

    void shouldKeepEveryLabelReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("clicks");
        const char *states[] = {"About", "introduction", "welcome", "language stage", "script stage", "ready"};
        const std::pair<const char *, QPalette> schemes[] = {{"default", light_},
            {"dark", scheme(QColor(0x24, 0x24, 0x24), QColor(0xf0, 0xf0, 0xf0))}, {"high contrast", scheme(Qt::black, Qt::green)}};
        for (const auto &[name, palette] : schemes)
            for (int clicks = -2; clicks <= 3; ++clicks)
                QTest::addRow("%s, %s", name, states[clicks + 2]) << palette << clicks;
    }

    // Only a pair the design fixes on both sides stays as it is, readable or
    // not; colours from the desktop are shown as it gives them, frames keep
    // its text colour, and on the default scheme every colour is as designed.
    void shouldKeepEveryLabelReadable()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, clicks);
        QApplication::setPalette(palette);
        const Scene scene(clicks);
        for (const FormLabel *label : scene.window->findChildren<FormLabel *>()) {
            const int index = label->property("index").toInt();
            const auto design = std::ranges::find_if(scene.design->controls, [&](const Design::Control &c) {
                return c.name == label->objectName() && c.index == index;
            });
            QVERIFY(design != scene.design->controls.end());
            const QColor back = label->palette().color(QPalette::Window);
            const QColor text = label->palette().color(QPalette::WindowText);
            const QColor designed = designedColour(design->fore, palette);
            QCOMPARE(back, designedColour(design->back, palette));
            QCOMPARE(label->frameColour(), designed);
            if ((design->back.isRgb && design->fore.isRgb) || palette == light_ || !design->back.isRgb)
                QCOMPARE(text, designed);
            if (!(design->back.isRgb && design->fore.isRgb))
                QVERIFY2(Contrast::ratio(text, back) >= Contrast::Readable, qPrintable(label->objectName()));
        }
    }

    // The colours themselves, where the desktop is dark or high-contrast:
    // background, text and frame of a label with both colours designed, one
    // with a designed background and the desktop's text, one wholly the
    // desktop's.
    void shouldShowTheseColoursOnADarkDesktop_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("colours"); // background, text, frame
        const QPalette dark = scheme(QColor(0x24, 0x24, 0x24), QColor(0xf0, 0xf0, 0xf0));
        const QPalette highContrast = scheme(Qt::black, Qt::green);
        QTest::newRow("dark, the edition line") << dark << u"Label11"_s
                                                << QStringList{u"#ffffff"_s, u"#ff8000"_s, u"#ff8000"_s};
        QTest::newRow("dark, the language box") << dark << u"Label9"_s
                                                << QStringList{u"#ffff00"_s, u"#000000"_s, u"#f0f0f0"_s};
        QTest::newRow("dark, the summary") << dark << u"Label8"_s
                                           << QStringList{u"#242424"_s, u"#f0f0f0"_s, u"#f0f0f0"_s};
        QTest::newRow("high contrast, the language box") << highContrast << u"Label9"_s
                                                         << QStringList{u"#ffff00"_s, u"#000000"_s, u"#00ff00"_s};
    }

    void shouldShowTheseColoursOnADarkDesktop()
    {
        QFETCH(QPalette, palette);
        QFETCH(QString, label);
        QFETCH(QStringList, colours);
        QApplication::setPalette(palette);
        const Scene scene(1);
        const auto *shown = scene.launcher.findChild<FormLabel *>(label);
        QVERIFY(shown);
        QCOMPARE((QStringList{shown->palette().color(QPalette::Window).name(),
                              shown->palette().color(QPalette::WindowText).name(), shown->frameColour().name()}),
                 colours);
    }

    // The keying practice has no colours of its own: every control, and each
    // letter of its chart, shows the desktop's, also when the scheme changes
    // while it is open.
    void shouldShowThePracticeInTheDesktopsColours()
    {
        FakePlatform platform;
        KeyingPractice practice(platform, InfoLanguage::Hindi, LegacyFont::Bengali, nullptr);
        practice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&practice));
        const QList<QWidget *> controls = practice.findChildren<QWidget *>();
        QVERIFY(controls.size() > 50);
        for (const QPalette &palette : {scheme(QColor(0x24, 0x24, 0x24), QColor(0xf0, 0xf0, 0xf0)),
                                        scheme(Qt::black, Qt::green), light_}) {
            QApplication::setPalette(palette);
            for (QWidget *control : controls)
                for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText,
                                        QPalette::Base, QPalette::Text})
                    QTRY_COMPARE(control->palette().color(role), palette.color(role));
            // A letter of the chart is drawn in the button text's colour.
            auto *cell = practice.findChild<QPushButton *>(u"letterCell"_s);
            QVERIFY(cell);
            const QImage drawn = cell->grab().toImage();
            bool textColour = false;
            for (int y = 0; y < drawn.height() && !textColour; ++y)
                for (int x = 0; x < drawn.width() && !textColour; ++x)
                    textColour = drawn.pixelColor(x, y) == palette.color(QPalette::ButtonText);
            QVERIFY(textColour);
        }
    }

    // An open window switched to the dark scheme and back looks as one opened
    // under each, and paints its labels so.
    void shouldFollowASchemeChangeWhileOpen()
    {
        const QPalette dark = scheme(QColor(0x24, 0x24, 0x24), QColor(0xf0, 0xf0, 0xf0));
        for (int clicks : {-2, -1, 1, 3}) {
            const QStringList light = Scene(clicks).colours();
            QApplication::setPalette(dark);
            const QStringList darkened = Scene(clicks).colours();
            QApplication::setPalette(light_);
            QVERIFY(darkened != light);

            Scene scene(clicks);
            scene.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(scene.window));
            QApplication::setPalette(dark); // reaches the widgets as posted events
            QTRY_COMPARE(scene.colours(), darkened);
            for (FormLabel *label : scene.window->findChildren<FormLabel *>())
                if (label->isVisible() && label->isFramed() && label->isFlat())
                    QCOMPARE(label->grab().toImage().pixelColor(0, 0), label->frameColour());
            QApplication::setPalette(light_);
            QTRY_COMPARE(scene.colours(), light);
        }
    }
};

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
