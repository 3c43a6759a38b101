#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "introduction/IntroEng.h"
#include "support/Controls.h"
#include "support/FakeHost.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The hand-over between the introduction window and whatever opens it, seen
// from the introduction's side.
class HandOverTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    void shouldShowTheChoiceItIsMadeFromOnceLoaded_data() { addLanguageAndScriptRows(); }

    void shouldShowTheChoiceItIsMadeFromOnceLoaded()
    {
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        FakePlatform platform;
        FakeHost host;
        IntroEng window(platform, host, {language, script}, nullptr);
        const DesignedControls &controls = controlsOf(window);
        QCOMPARE(window.windowTitle(), u"Korvani Introduction"_s); // the design's, until the load step

        window.load();

        QCOMPARE(controls.label(u"Label22"_s, 0)->caption(), designedName(language));
        QCOMPARE(controls.label(u"Label23"_s, 0)->caption(), designedName(script));
        QCOMPARE(window.windowTitle(), u"Korvani Introduction About "_s + designedName(script));
        QCOMPARE(host.restarts, 0);
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
        FakeHost host;
        IntroEng window(platform, host, {InfoLanguage::English, LegacyFont::Devanagari}, nullptr);
        host.introduction = &window;
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        if (action == u"titlebar"_s)
            window.close();
        else if (action == u"escape"_s)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            controlsOf(window).button(action)->click();

        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(host.restarts, restarts ? 1 : 0);
        // The host is put back only once the introduction has gone.
        QCOMPARE(host.introductionOpenWhenRestarted, restarts ? std::optional(false) : std::nullopt);
        QCOMPARE(platform.terminations, 0);
    }
};

QTEST_MAIN(HandOverTest)
#include "tst_handover.moc"
