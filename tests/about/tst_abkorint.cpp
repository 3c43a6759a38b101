#include "about/AbKorInt.h"
#include "base/Twips.h"
#include "base/VersionRecord.h"
#include "edition/IntroA.h"
#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "support/Controls.h"
#include "support/Conversions.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QImage iconImage(const QString &resource)
{
    return QIcon(resource).pixmap(32, 32).toImage();
}

// The pixel column of the sliding icon at a step of its 240-step track over
// Label5 (left 7680, 2055 wide; the icon is 480 wide).
int trackPixel(int step)
{
    return Twips::toPixels(7680 + (2055.0 - 480.0) * step / 240);
}

// Counts paint events per widget and collects the region painted on the window.
class PaintRecorder final : public QObject
{
public:
    explicit PaintRecorder(QWidget &window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
        for (QWidget *child : window.findChildren<QWidget *>())
            child->installEventFilter(this);
    }
    QHash<const QObject *, int> paints;
    QRegion windowRegion;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
            if (watched == &window_)
                windowRegion += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }

private:
    QWidget &window_;
};

enum class Closing { Click, Key, TitleBar };

} // namespace

class TestAbKorInt final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }
    void shouldBuildFixedDialogAsDesigned();
    void shouldBuildControlsAsDesigned_data();
    void shouldBuildControlsAsDesigned();
    void shouldRunLoadSequence_data();
    void shouldRunLoadSequence();
    void shouldPlaceSlidingIconByClock_data();
    void shouldPlaceSlidingIconByClock();
    void shouldSlideOnTimerTicksRepaintingOnlyTheIcon();
    void shouldUnloadAndStopTimer_data();
    void shouldUnloadAndStopTimer();
    void shouldRebuildLabel3OnEveryOpening();
};

void TestAbKorInt::shouldBuildFixedDialogAsDesigned()
{
    FakePlatform platform;
    AbKorInt about(platform, IntroA::SetEdition(), nullptr);

    QCOMPARE(about.windowTitle(), u" About Korvani"_s);
    QCOMPARE(inTwips(about.rect()).size(), QSize(9720, 3195));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(about.font().family(), u"MS Sans Serif"_s);
    QCOMPARE(about.font().pointSizeF(), 8.25);
    QCOMPARE(about.font().weight(), QFont::Bold);
    QCOMPARE(about.windowIcon().pixmap(32, 32).toImage(), iconImage(u":/icon-a.ico"_s));
    QCOMPARE(controlsOf(about).timer(u"Timer1"_s)->interval(), 30);

    // Labels lie beneath the images, and everything beneath the button.
    const QObjectList stacking = about.children(); // back to front
    const auto depth = [&](const QString &name, int index = -1) { return stacking.indexOf(controlsOf(about).control(name, index)); };
    const auto images = {depth(u"Image1"_s), depth(u"Image2"_s, 0), depth(u"Image2"_s, 1)};
    for (const QString &label : {u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s, u"LabelVersion"_s})
        QVERIFY(depth(label) < std::min(images));
    QVERIFY(std::max(images) < depth(u"Command1"_s));

    // Command1 is the only control that takes the focus.
    QWidget *command1 = controlsOf(about).button(u"Command1"_s);
    QCOMPARE(about.focusWidget(), command1);
    for (QWidget *control : controlsOf(about).all())
        QCOMPARE(control->focusPolicy() == Qt::NoFocus, control != command1);
}

void TestAbKorInt::shouldBuildControlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("look"); // labels: size, italic, background, text, flat, framed, centred; images: icon
    const QPalette system = QApplication::palette();
    const auto colour = [&](QPalette::ColorRole role) { return system.color(role).name(); };

    // Every font is MS Sans Serif bold.
    QTest::newRow("Command1") << u"Command1"_s << -1 << QRect(4320, 2400, 1335, 450) << u"8.25"_s;
    QTest::newRow("Image2(1)") << u"Image2"_s << 1 << QRect(8400, 1440, 480, 480) << u":/icon-c.ico"_s;
    QTest::newRow("Label5") << u"Label5"_s << -1 << QRect(7680, 2040, 2055, 975)
                            << u"8.25 upright %1 %2 3D unframed left"_s.arg(colour(QPalette::Button), colour(QPalette::ButtonText));
    QTest::newRow("Label3") << u"Label3"_s << -1 << QRect(2400, 1320, 5175, 735)
                            << u"8.25 upright %1 %2 flat framed centred"_s.arg(colour(QPalette::Base), colour(QPalette::Text));
    QTest::newRow("Image2(0)") << u"Image2"_s << 0 << QRect(120, 1440, 480, 480) << u":/icon-b.ico"_s;
    QTest::newRow("Image1") << u"Image1"_s << -1 << QRect(120, 480, 480, 480) << u":/icon-a.ico"_s;
    QTest::newRow("Label4") << u"Label4"_s << -1 << QRect(960, 840, 7935, 255)
                            << u"8.25 upright #c0c0c0 %1 flat unframed centred"_s.arg(colour(QPalette::Text));
    QTest::newRow("Label2") << u"Label2"_s << -1 << QRect(0, 0, 9735, 315) << u"12 italic #000000 #ffff00 flat unframed centred"_s;
    QTest::newRow("LabelVersion") << u"LabelVersion"_s << -1 << QRect(2400, 360, 5175, 255)
                                  << u"8.25 upright #ffff80 %1 flat unframed centred"_s.arg(colour(QPalette::Text));
}

void TestAbKorInt::shouldBuildControlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, twips);
    QFETCH(QString, look);

    FakePlatform platform;
    AbKorInt about(platform, IntroA::SetEdition(), nullptr);
    QWidget *control = controlsOf(about).control(name, index);

    QCOMPARE(control->objectName(), name);
    QCOMPARE(inTwips(control->geometry()), twips);
    QVERIFY(control->isVisibleTo(&about));
    QCOMPARE(control->font().family(), u"MS Sans Serif"_s);
    QCOMPARE(control->font().weight(), QFont::Bold);
    if (auto *image = qobject_cast<FormPicture *>(control)) {
        QCOMPARE(image->picture().toImage(), iconImage(look)); // natural size, 32 x 32
        // Images show the window's background around their icon: either
        // transparent, or (the sliding icon) filled with that very colour.
        QVERIFY(!image->autoFillBackground()
                || image->palette().color(QPalette::Window) == about.palette().color(QPalette::Window));
    } else if (auto *label = qobject_cast<FormLabel *>(control)) {
        const QPalette p = label->palette();
        QCOMPARE(u"%1 %2 %3 %4 %5 %6 %7"_s.arg(control->font().pointSizeF())
                     .arg(control->font().italic() ? u"italic"_s : u"upright"_s, p.color(QPalette::Window).name(),
                          p.color(QPalette::WindowText).name(), label->isFlat() ? u"flat"_s : u"3D"_s,
                          label->isFramed() ? u"framed"_s : u"unframed"_s,
                          label->alignment() & Qt::AlignHCenter ? u"centred"_s : u"left"_s),
                 look);
    } else {
        QCOMPARE(QString::number(control->font().pointSizeF()), look);
    }
}

void TestAbKorInt::shouldRunLoadSequence_data()
{
    QTest::addColumn<QList<int>>("flags"); // Bengali, Devanagari, Gujarati, Gurumukhi
    QTest::addColumn<bool>("titleBand");

    QTest::newRow("all scripts") << QList<int>{1, 1, 1, 1} << true;
    QTest::newRow("Gurumukhi only") << QList<int>{0, 0, 0, 1} << true;
    QTest::newRow("none") << QList<int>{0, 0, 0, 0} << false;
    QTest::newRow("set, but not to 1") << QList<int>{2, -1, 257, 0} << false;
}

void TestAbKorInt::shouldRunLoadSequence()
{
    QFETCH(QList<int>, flags);
    QFETCH(bool, titleBand);

    IntroA::Edition edition = IntroA::SetEdition();
    std::tie(edition.hasBengali, edition.hasDevanagari, edition.hasGujarati, edition.hasGurumukhi) =
        std::tuple(qint16(flags[0]), qint16(flags[1]), qint16(flags[2]), qint16(flags[3]));

    FakePlatform platform;
    platform.screen.setSize({800 * 15, 600 * 15});
    AbKorInt about(platform, edition, nullptr);
    about.load();
    const auto caption = [&](const QString &name) { return controlsOf(about).label(name)->caption(); };
    const QString web = QString::fromUtf16(VersionRecord::WebAddress);
    const QString email = QString::fromUtf16(VersionRecord::EmailAddress);

    // Not yet shown, so no frame: centred by its client area, (600 - 213) / 2 rounding up.
    QCOMPARE(about.pos(), QPoint(76, 194));
    QCOMPARE(controlsOf(about).label(u"Label2"_s)->isVisibleTo(&about), titleBand);
    QCOMPARE(controlsOf(about).picture(u"Image2"_s, 0)->isVisibleTo(&about), titleBand);
    for (const QString &name : {u"Command1"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s, u"LabelVersion"_s, u"Image1"_s})
        QVERIFY(controlsOf(about).control(name)->isVisibleTo(&about));
    QCOMPARE(about.windowTitle(), u"About Korvani"_s);
    QCOMPARE(controlsOf(about).label(u"Label3"_s)->shownLines(),
             QStringList({u"Korvani"_s, u"http://"_s + web, u"email: "_s + email}));
    QCOMPARE(caption(u"Label3"_s), u"Korvani\rhttp://"_s + web + u"\remail: "_s + email);
    QCOMPARE(caption(u"Label2"_s), u"Korvani Pelunari"_s);
    QCOMPARE(caption(u"Label5"_s), u"Romanized typing is the preferred method in Korvani's Vorda word processor."_s);
    QCOMPARE(caption(u"Label4"_s), u"Copyright (C) 1998-2026 the Korvani authors"_s);
    QCOMPARE(caption(u"LabelVersion"_s), u"Version 8.0.0"_s);
    QVERIFY(controlsOf(about).timer(u"Timer1"_s)->isEnabled());
    // The icon waits at its design place for the first tick.
    QCOMPARE(Twips::fromPixels(controlsOf(about).picture(u"Image2"_s, 1)->x()), 8400);
    QCOMPARE(platform.clockReads, 0);
}

void TestAbKorInt::shouldPlaceSlidingIconByClock_data()
{
    QTest::addColumn<QList<float>>("clock"); // one tick per reading
    QTest::addColumn<int>("step");           // n mod 240 after the last

    QTest::newRow("midnight") << QList<float>{0.0f} << 0;
    QTest::newRow("after a whole sweep") << QList<float>{20.0f} << 0;
    QTest::newRow("last step") << QList<float>{239.0f / 36} << 239;
    // Halves go to the even neighbour, up or down; pixels tell 49/50 and 58/59 apart.
    QTest::newRow("49.5 rounds up to 50") << QList<float>{1.375f} << 50;
    QTest::newRow("58.5 rounds down to 58") << QList<float>{1.625f} << 58;
    // Exactly 1048618.546875, but 1048618.5 in single precision: even 1048618.
    QTest::newRow("product in single precision") << QList<float>{29128.0f + 75.0f / 256} << 58;
    QTest::newRow("just before midnight") << QList<float>{86399.9f} << 236;
    QTest::newRow("clock restarts at midnight") << QList<float>{86399.9f, 0.0f} << 0;
}

void TestAbKorInt::shouldPlaceSlidingIconByClock()
{
    QFETCH(QList<float>, clock);
    QFETCH(int, step);

    FakePlatform platform;
    AbKorInt about(platform, IntroA::SetEdition(), nullptr);
    about.load();
    platform.clockReadings.assign(clock.cbegin(), clock.cend());
    for (qsizetype tick = 0; tick < clock.size(); ++tick)
        Q_EMIT controlsOf(about).timer(u"Timer1"_s)->timeout();

    const FormPicture *icon = controlsOf(about).picture(u"Image2"_s, 1);
    QCOMPARE(icon->pos(), QPoint(trackPixel(step), Twips::toPixels(1440)));
}

void TestAbKorInt::shouldSlideOnTimerTicksRepaintingOnlyTheIcon()
{
    FakePlatform platform;
    AbKorInt about(platform, IntroA::SetEdition(), nullptr);
    about.load();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const FormPicture *icon = controlsOf(about).picture(u"Image2"_s, 1);
    QTRY_COMPARE(icon->x(), trackPixel(0)); // Timer1's own ticks
    QCoreApplication::processEvents();

    // Some styles animate the default button on a clock of their own
    // (Windows' pulsing default button). What repaints while the clock, and
    // so the icon, stands still is not the icon's doing; only such a button
    // may do it.
    QSet<const QWidget *> animated;
    QRegion animatedRegion;
    {
        PaintRecorder idle(about);
        QTest::qWait(400);
        for (QWidget *control : controlsOf(about).all()) {
            if (idle.paints.value(control) == 0)
                continue;
            const auto *button = qobject_cast<const QPushButton *>(control);
            QVERIFY2(button && button->isDefault(), qPrintable(control->objectName() + u" repaints by itself"_s));
            animated.insert(control);
            animatedRegion += control->geometry();
        }
    }

    PaintRecorder recorder(about);
    const QRect before = icon->geometry();
    platform.clock = 2.0f; // step 72
    QTRY_COMPARE(icon->x(), trackPixel(72));
    // The window repaints what the icon uncovered, nothing else; no other
    // control repaints at all. (The opaque icon itself may be moved by
    // copying its pixels, without a paint of its own.)
    QTRY_VERIFY(!recorder.windowRegion.isEmpty());
    QCoreApplication::processEvents();

    QCOMPARE(recorder.windowRegion.subtracted(QRegion(before) + icon->geometry() + animatedRegion), QRegion());
    for (QWidget *control : controlsOf(about).all())
        if (control != icon && !animated.contains(control))
            QCOMPARE(recorder.paints.value(control), 0);
}

void TestAbKorInt::shouldUnloadAndStopTimer_data()
{
    QTest::addColumn<Closing>("how");
    QTest::addColumn<int>("key");

    QTest::newRow("&OK clicked") << Closing::Click << 0;
    QTest::newRow("Enter") << Closing::Key << int(Qt::Key_Return);
    QTest::newRow("space bar") << Closing::Key << int(Qt::Key_Space);
    // Esc on Linux and Windows.
    QTest::newRow("cancel key") << Closing::Key
                                << int(QKeySequence::keyBindings(QKeySequence::Cancel).constFirst()[0].key());
    QTest::newRow("title-bar close") << Closing::TitleBar << 0;
}

void TestAbKorInt::shouldUnloadAndStopTimer()
{
    QFETCH(Closing, how);
    QFETCH(int, key);

    FakePlatform platform;
    AbKorInt about(platform, IntroA::SetEdition(), nullptr);
    about.load();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const FormTimer *timer = controlsOf(about).timer(u"Timer1"_s);
    QVERIFY(timer->isTicking());

    if (how == Closing::Click)
        QTest::mouseClick(controlsOf(about).button(u"Command1"_s), Qt::LeftButton);
    else if (how == Closing::Key)
        QTest::keyClick(about.focusWidget(), Qt::Key(key));
    else
        about.close();

    QTRY_VERIFY(!about.isVisible());
    QVERIFY(!timer->isEnabled());
    QVERIFY(!timer->isTicking());
}

void TestAbKorInt::shouldRebuildLabel3OnEveryOpening()
{
    FakePlatform platform;
    const auto contactsOfAnOpening = [&platform](int loads) {
        AbKorInt about(platform, IntroA::SetEdition(), nullptr);
        for (int load = 0; load < loads; ++load)
            about.load();
        about.show();
        QTest::mouseClick(controlsOf(about).button(u"Command1"_s), Qt::LeftButton);
        return controlsOf(about).label(u"Label3"_s)->caption();
    };

    const QString first = contactsOfAnOpening(1);
    QCOMPARE(first.count(u'\r'), 2);
    QCOMPARE(contactsOfAnOpening(1), first);
    QCOMPARE(contactsOfAnOpening(2), first);
}

QTEST_MAIN(TestAbKorInt)
#include "tst_abkorint.moc"
