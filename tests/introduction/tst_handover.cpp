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

Q_DECLARE_METATYPE(IntroductionChoice)

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

    // "Try the Keys", its access key and the practice's shortcut each ask the
    // host for the practice on the introduction's language and script, over
    // the introduction, which stays open.
    void shouldAskForThePracticeOnItsLanguageAndScript_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<IntroductionChoice>("choice");
        QTest::newRow("the button") << u"click"_s << IntroductionChoice{InfoLanguage::Hindi, LegacyFont::Gujarati};
        QTest::newRow("its access key") << u"alt+k"_s << IntroductionChoice{InfoLanguage::Bengali, LegacyFont::Bengali};
        QTest::newRow("the shortcut") << u"ctrl+k"_s << IntroductionChoice{InfoLanguage::English, LegacyFont::Gurumukhi};
    }

    void shouldAskForThePracticeOnItsLanguageAndScript()
    {
        QFETCH(QString, way);
        QFETCH(IntroductionChoice, choice);
        FakePlatform platform;
        FakeHost host;
        IntroEng window(platform, host, choice, nullptr);
        window.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        controlsOf(window).button(u"Command3D6"_s)->click();

        FormButton *button = controlsOf(window).button(u"practiceButton"_s);
        QVERIFY(button->isVisible());
        if (way == u"click"_s)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(&window, Qt::Key_K, way == u"alt+k"_s ? Qt::AltModifier : Qt::ControlModifier);

        // An access key presses its button a moment later, as a click would.
        QTRY_COMPARE(host.practices, QList<IntroductionChoice>{choice});
        QCOMPARE(host.practiceOver, &window);
        QVERIFY(window.isVisible());
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
