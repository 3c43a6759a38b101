#include "base/Twips.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/LauncherFixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
enum Frame { First, Second, Neither };

Frame shownFrame(const IntroPix &launcher)
{
    const bool first = !controlsOf(launcher).picture(u"Picture1"_s, 0)->isHidden();
    const bool second = !controlsOf(launcher).picture(u"Picture2"_s, 1)->isHidden();
    if (first && !second)
        return First;
    if (second && !first)
        return Second;
    return Neither;
}

void showFrame(IntroPix &launcher, Frame frame)
{
    controlsOf(launcher).picture(u"Picture1"_s, 0)->setVisible(frame == First);
    controlsOf(launcher).picture(u"Picture2"_s, 1)->setVisible(frame == Second);
}
} // namespace

Q_DECLARE_METATYPE(Frame)

// The logo's hover effect and the launcher timer's tick logic.
class LogoSwapTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldSwapFramesOnPointerMovement_data()
    {
        QTest::addColumn<QStringList>("clicks"); // to bring the control into view
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("twips"); // where over the control, from its top-left corner
        QTest::addColumn<Frame>("before");
        QTest::addColumn<Frame>("after");

        const QStringList languageStage{u"Command3D9"_s};
        const QStringList scriptStage{u"Command3D9"_s, u"Command3D1"_s};
        const QPoint inside(300, 150);
        QTest::newRow("background") << QStringList{} << QString() << -1 << QPoint(9000, 500) << Second << First;
        QTest::newRow("summary box") << languageStage << u"Label8"_s << -1 << QPoint(300, 1700) << Second << First;
        QTest::newRow("Start Introduction") << QStringList{} << u"Command3D9"_s << -1 << inside << First << Second;
        QTest::newRow("Show") << languageStage << u"Command3D12"_s << -1 << inside << First << Second;
        QTest::newRow("Close") << QStringList{} << u"Command3D13"_s << 0 << inside << First << Second;
        QTest::newRow("About") << QStringList{} << u"Command3D13"_s << 1 << inside << First << Second;
        QTest::newRow("edition line") << QStringList{} << u"Label11"_s << -1 << inside << First << Second;
        QTest::newRow("first frame itself") << QStringList{} << u"Picture1"_s << 0 << inside << First << First;
        QTest::newRow("second frame itself") << QStringList{} << u"Picture2"_s << 1 << QPoint(30, 300) << Second << Second;

        for (const Frame frame : {First, Second}) {
            const char *shown = frame == First ? "first" : "second";
            for (const char *name : {"Command3D1", "Label1", "Label6"})
                QTest::addRow("%s keeps the %s frame", name, shown)
                    << languageStage << QString::fromLatin1(name) << -1 << QPoint(60, 100) << frame << frame;
            for (const char *name : {"Command3D2", "Command3D3", "Command3D4", "Command3D5", "Command3D6", "Command3D7",
                                     "Command3D14", "Command3D11", "Label2", "Label3", "Label4", "Label5", "Label7",
                                     "Label9"})
                QTest::addRow("%s keeps the %s frame", name, shown)
                    << scriptStage << QString::fromLatin1(name) << -1 << QPoint(300, 120) << frame << frame;
            QTest::addRow("Label10 keeps the %s frame", shown)
                << QStringList{u"Command3D9"_s, u"Command3D1"_s, u"Command3D5"_s} << u"Label10"_s << -1
                << QPoint(300, 120) << frame << frame;
        }
    }

    void shouldSwapFramesOnPointerMovement()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QPoint, twips);
        QFETCH(Frame, before);
        QFETCH(Frame, after);

        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        for (const QString &click : clicks)
            QTest::mouseClick(controlsOf(launcher).control(click), Qt::LeftButton);
        showFrame(launcher, before);

        QWidget *target = name.isEmpty() ? &launcher : controlsOf(launcher).control(name, index);
        QVERIFY(!target->isHidden());
        const QPoint at(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()));
        // The pointer must really be over the target, not over a control in front of it.
        QCOMPARE(launcher.childAt(target->mapTo(&launcher, at)), name.isEmpty() ? nullptr : target);
        QTest::mouseMove(target, at);
        QTRY_COMPARE(shownFrame(launcher), after);
    }

    void shouldRunTheTimedSequence_data()
    {
        QTest::addColumn<float>("startClock"); // at start-up; NaN: start-up never ran
        QTest::addColumn<QList<float>>("readings");
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<bool>("ends");

        const float start = 1000.0f;
        const auto at = [start](float elapsed) { return QList<float>(3, start + elapsed); };
        QTest::newRow("1 s: nothing") << start << at(1) << First << false;
        QTest::newRow("exactly 2 s: nothing") << start << at(2) << First << false;
        QTest::newRow("3 s: second frame") << start << at(3) << Second << false;
        QTest::newRow("exactly 4 s: nothing") << start << at(4) << First << false;
        QTest::newRow("exactly 10 s: nothing") << start << at(10) << First << false;
        QTest::newRow("10.5 s: ends") << start << at(10.5f) << First << true;
        QTest::newRow("after midnight: negative, nothing") << 86395.0f << QList<float>(3, 20.0f) << First << false;
        // The clock is read anew for every comparison.
        QTest::newRow("time moves between the reads")
            << start << QList<float>{start + 3, start + 5, start + 11} << First << true;
        QTest::newRow("second read in range, first not")
            << start << QList<float>{start + 1, start + 3, start + 3} << First << false;
        const float unset = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("unset start, morning: ends") << unset << QList<float>(3, 30000.0f) << First << true;
        QTest::newRow("unset start, 3 s after midnight") << unset << QList<float>(3, 3.0f) << Second << false;
        QTest::newRow("unset start, 9 s after midnight") << unset << QList<float>(3, 9.0f) << First << false;
    }

    void shouldRunTheTimedSequence()
    {
        QFETCH(float, startClock);
        QFETCH(QList<float>, readings);
        QFETCH(Frame, frame);
        QFETCH(bool, ends);

        FakePlatform platform;
        IntroPix launcher(platform);
        if (!std::isnan(startClock)) {
            platform.clock = startClock;
            QVERIFY(launcher.load());
        }
        showFrame(launcher, First);
        controlsOf(launcher).timer(u"Timer1"_s)->setEnabled(true);

        platform.clockReadings.assign(readings.begin(), readings.end());
        platform.clock = -1e9f; // any read beyond the given ones would show
        Q_EMIT controlsOf(launcher).timer(u"Timer1"_s)->timeout();

        QCOMPARE(shownFrame(launcher), frame);
        QCOMPARE(platform.terminations, ends ? 1 : 0);
        QCOMPARE(controlsOf(launcher).timer(u"Timer1"_s)->isEnabled(), !ends);
    }
};

QTEST_MAIN(LogoSwapTest)
#include "tst_logoswap.moc"
