#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The launcher's load step: the program's start-up sequence.
class StartupTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldStartWithoutPromptWhenAlone()
    {
        FakePlatform platform;
        IntroPix launcher(platform);

        bool checkedDuringNotice = false;
        platform.whileBoxOpen = [&](const FakePlatform::Box &) {
            // Everything before the notice has happened; the window is not yet shown.
            QVERIFY(!launcher.isVisible());
            QVERIFY(!controlsOf(launcher).picture(u"Picture1"_s, 0)->isHidden());
            QVERIFY(controlsOf(launcher).picture(u"Picture2"_s, 1)->isHidden());
            QCOMPARE(controlsOf(launcher).label(u"Label11"_s)->caption(), u"Multilingual"_s);
            QVERIFY(!controlsOf(launcher).timer(u"Timer1"_s)->isEnabled());
            checkedDuringNotice = true;
        };
        QVERIFY(launcher.load());
        QVERIFY(checkedDuringNotice);
        QCOMPARE(platform.calls, (QStringList{u"instance?"_s, u"clock"_s, u"tell:KIntroA"_s}));
        QCOMPARE(platform.terminations, 0);
    }

    void shouldShowTheContributionNoticeInItsShape()
    {
        FakePlatform platform;
        IntroPix launcher(platform);
        QVERIFY(launcher.load());
        QCOMPARE(platform.boxes.size(), 1);
        const FakePlatform::Box notice = platform.boxes.first();
        QCOMPARE(notice.title, u"KIntroA"_s);
        QVERIFY(!notice.yesNo);
        QVERIFY(!notice.text.contains(u'\n'));
        // Two sentences each ending in a blank, the request, the indented address.
        const QStringList lines = notice.text.split(u'\r');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].endsWith(u". "_s));
        QCOMPARE(lines[0].count(u". "_s), 2);
        QVERIFY(!lines[1].isEmpty());
        QVERIFY(lines[2].startsWith(u"     "_s));
        QVERIFY(!lines[2].startsWith(u"      "_s));
        QVERIFY(lines[2].endsWith(u"@korvani.example"_s));
    }

    void shouldAskBeforeASecondInstance_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("loaded");
        const QString ask = u"ask:Already open! - Pelunari"_s;
        QTest::newRow("Yes: starts as usual")
            << true << QStringList{u"instance?"_s, ask, u"clock"_s, u"tell:KIntroA"_s} << true;
        QTest::newRow("No: ends at once") << false << QStringList{u"instance?"_s, ask, u"terminate"_s} << false;
    }

    void shouldAskBeforeASecondInstance()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, calls);
        QFETCH(bool, loaded);

        FakePlatform platform;
        platform.otherInstance = true;
        platform.answer = yes ? Platform::Answer::Yes : Platform::Answer::No;
        IntroPix launcher(platform);
        QCOMPARE(launcher.load(), loaded);
        QCOMPARE(platform.calls, calls);

        const FakePlatform::Box prompt = platform.boxes.first();
        QCOMPARE(prompt.text, u"Open another instance?"_s);
        QVERIFY(prompt.yesNo);
        QCOMPARE(prompt.defaultAnswer, Platform::Answer::No);

        // After No nothing of the rest ran: no edition line, timer as created.
        QCOMPARE(controlsOf(launcher).label(u"Label11"_s)->caption(), loaded ? u"Multilingual"_s : u"Label11"_s);
        QCOMPARE(controlsOf(launcher).timer(u"Timer1"_s)->isEnabled(), !loaded);
    }

    void shouldDeliverNoTickWhileThePromptWaits()
    {
        FakePlatform platform;
        platform.otherInstance = true;
        platform.clock = 50000.0f; // a tick now would end the program
        IntroPix launcher(platform);
        bool promptSeen = false;
        platform.whileBoxOpen = [&](const FakePlatform::Box &box) {
            if (!box.yesNo)
                return;
            promptSeen = true;
            QVERIFY(controlsOf(launcher).timer(u"Timer1"_s)->isEnabled());
            QVERIFY(!controlsOf(launcher).timer(u"Timer1"_s)->isTicking());
        };
        QVERIFY(launcher.load());
        QVERIFY(promptSeen);
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QVERIFY(!controlsOf(launcher).timer(u"Timer1"_s)->isTicking());
    }

    void shouldEndTheProgramWhenClosed_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("&Close") << true;
        QTest::newRow("window close") << false;
    }

    void shouldEndTheProgramWhenClosed()
    {
        QFETCH(bool, byButton);
        FakePlatform platform;
        IntroPix launcher(platform);
        QVERIFY(launcher.load());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        if (byButton)
            QTest::mouseClick(controlsOf(launcher).button(u"Command3D13"_s, 0), Qt::LeftButton);
        else
            launcher.close();
        QCOMPARE(platform.terminations, 1);
        QCOMPARE(platform.calls.last(), u"terminate"_s);
        if (byButton) {
            QVERIFY(controlsOf(launcher).picture(u"Picture1"_s, 0)->isHidden());
            QVERIFY(controlsOf(launcher).picture(u"Picture2"_s, 1)->isHidden());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
