#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "introduction/IntroEng.h"
#include "support/Controls.h"
#include "support/FakeHost.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The hand-over between the introduction window and whatever opens it, seen
// from the introduction's side.
class HandOverTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    void shouldTakeTheLanguageThenTheScriptOnce_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");
        QTest::newRow("English about Devanagari") << u"English"_s << u"Devanagari"_s;
        QTest::newRow("Hindi about Gurumukhi") << u"Hindi"_s << u"Gurumukhi"_s;
        QTest::newRow("Bengali about Bengali") << u"Bengali"_s << u"Bengali"_s;
        QTest::newRow("nothing chosen") << QString() << QString();
        QTest::newRow("a language the catalogue lacks") << u"Tamil"_s << u"Gujarati"_s;
    }

    void shouldTakeTheLanguageThenTheScriptOnce()
    {
        QFETCH(QString, language);
        QFETCH(QString, script);
        FakePlatform platform;
        FakeHost host(language, script);
        IntroEng window(platform, host, nullptr);
        QVERIFY(host.calls.isEmpty()); // nothing is taken before the load step

        window.load();

        QCOMPARE(host.calls, (QStringList{u"language"_s, u"script"_s}));
        QCOMPARE(controlsOf(window).label(u"Label22"_s, 0)->caption(), language);
        QCOMPARE(controlsOf(window).label(u"Label23"_s, 0)->caption(), script);
        QVERIFY(window.windowTitle().endsWith(script));
        // Taken means gone: a second take gets nothing.
        QCOMPARE(host.takeLanguageCaption(), QString());
        QCOMPARE(host.takeScriptCaption(), QString());
    }

    void shouldAskForTheRestartStateOnlyOnRestart_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("restarts");
        QTest::newRow("Restart Introduction") << u"Command3D1"_s << true << true;
        QTest::newRow("Close") << u"Command3D3"_s << true << false;
        QTest::newRow("title bar") << u"titlebar"_s << true << false;
        QTest::newRow("the cancel key") << u"escape"_s << false << false;
        QTest::newRow("a subject button") << u"Command3D5"_s << false << false;
    }

    void shouldAskForTheRestartStateOnlyOnRestart()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QFETCH(bool, restarts);
        FakePlatform platform;
        FakeHost host(u"English"_s, u"Devanagari"_s);
        IntroEng window(platform, host, nullptr);
        host.introduction = &window;
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        host.calls.clear();

        if (action == u"titlebar"_s)
            window.close();
        else if (action == u"escape"_s)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            controlsOf(window).button(action)->click();

        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(host.calls, restarts ? QStringList{u"restart"_s} : QStringList{});
        // The host is put back only once the introduction has gone.
        QVERIFY(!host.introductionOpenWhenRestarted);
        QCOMPARE(platform.terminations, 0);
    }
};

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
