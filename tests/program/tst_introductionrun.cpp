#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "introduction/IntroEng.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/Conversions.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The real launcher with a choice in its summary boxes, as its buttons write
// it, and the introduction window loaded from it (not shown).
struct LaunchedIntroduction {
    LaunchedIntroduction(const QString &language, const QString &script)
    {
        controlsOf(launcher).label(u"Label9"_s)->setCaption(language);
        controlsOf(launcher).label(u"Label10"_s)->setCaption(script);
        introduction = std::make_unique<IntroEng>(platform, launcher, &launcher);
        introduction->load();
    }

    FakePlatform platform;
    IntroPix launcher{platform};
    std::unique_ptr<IntroEng> introduction;
};

} // namespace

// The introduction window with the launcher that opens it: the hand-over of
// the choice, what each way out of the introduction leaves the launcher in,
// and a whole run.
class IntroductionRunTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    void shouldEmptyTheLaunchersSummaryWhenTakenOver()
    {
        LaunchedIntroduction intro(u"English"_s, u"Devanagari"_s);
        QCOMPARE(controlsOf(intro.launcher).label(u"Label9"_s)->caption(), QString());
        QCOMPARE(controlsOf(intro.launcher).label(u"Label10"_s)->caption(), QString());
    }

    void shouldCloseOnlyByCloseRestartOrTitleBar_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("secondFrameShown");
        QTest::newRow("Close") << u"Command3D3"_s << true << false;
        QTest::newRow("Restart Introduction") << u"Command3D1"_s << true << true;
        QTest::newRow("Go To Word Processor") << u"Command3D2"_s << false << false;
        QTest::newRow("title bar") << u"titlebar"_s << true << false;
        QTest::newRow("cancel key (Esc)") << u"cancel"_s << false << false;
        QTest::newRow("Shift+Esc") << u"shift+escape"_s << false << false;
    }

    void shouldCloseOnlyByCloseRestartOrTitleBar()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QFETCH(bool, secondFrameShown);
        LaunchedIntroduction intro(u"English"_s, u"Devanagari"_s);
        FormPicture *secondFrame = controlsOf(intro.launcher).picture(u"Picture2"_s, 1);
        FormPicture *firstFrame = controlsOf(intro.launcher).picture(u"Picture1"_s, 0);
        secondFrame->hide();
        firstFrame->show();
        IntroEng &window = *intro.introduction;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickSubject(window, 2);
        const QStringList page = pageOf(window);

        if (action == u"titlebar"_s)
            window.close();
        else if (action == u"cancel"_s)
            QTest::keySequence(&window, QKeySequence::keyBindings(QKeySequence::Cancel).constFirst());
        else if (action == u"shift+escape"_s)
            QTest::keyClick(&window, Qt::Key_Escape, Qt::ShiftModifier);
        else
            controlsOf(window).button(action)->click();

        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(secondFrame->isVisibleTo(&intro.launcher), secondFrameShown);
        QVERIFY(firstFrame->isVisibleTo(&intro.launcher));
        QCOMPARE(pageOf(window), page);
        QVERIFY(!controlsOf(window).button(u"Command3D2"_s)->isVisible());
        QCOMPARE(intro.platform.terminations, 0);
    }

    // The typical run.

    void shouldRunAnIntroductionFromTheLauncher_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("Close") << u"Command3D3"_s;
        QTest::newRow("Restart Introduction") << u"Command3D1"_s;
    }

    void shouldRunAnIntroductionFromTheLauncher()
    {
        QFETCH(QString, leaveBy);
        FakePlatform platform;
        IntroPix launcher(platform);
        QVERIFY(launcher.load());
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        const FormControls &controls = controlsOf(launcher);

        clickVisible(controls.button(u"Command3D9"_s)); // Start Introduction
        clickVisible(controls.button(u"Command3D1"_s)); // English
        clickVisible(controls.button(u"Command3D2"_s)); // first Devanagari button
        QCOMPARE(controls.label(u"Label9"_s)->caption(), u"English"_s);
        QCOMPARE(controls.label(u"Label10"_s)->caption(), u"Devanagari"_s);

        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<IntroEng *>(QApplication::activeModalWidget());
            if (!window) {
                QFAIL("the introduction did not open modally");
                return;
            }
            driveIntroduction(*window, launcher, leaveBy);
            driven = true;
            if (window->isVisible()) // a failed check must not leave the test blocked
                window->close();
        });
        clickVisible(controls.button(u"Command3D12"_s)); // Show: returns once the introduction is closed
        QVERIFY(driven);

        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!launcher.findChild<IntroEng *>());
        QCOMPARE(controls.label(u"Label9"_s)->caption(), QString());
        QCOMPARE(controls.label(u"Label10"_s)->caption(), QString());
        QVERIFY(controls.label(u"Label6"_s)->isVisible());
        QVERIFY(controls.button(u"Command3D1"_s)->isVisible());
        QVERIFY(controls.picture(u"Picture2"_s, 1)->isVisible() == (leaveBy == u"Command3D1"_s));
        QCOMPARE(platform.terminations, 0);
    }

private:
    static void clickVisible(QWidget *button)
    {
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void driveIntroduction(IntroEng &window, IntroPix &launcher, const QString &leaveBy)
    {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), u"Korvani Introduction About Devanagari"_s);
        QCOMPARE(controlsOf(launcher).label(u"Label9"_s)->caption(), QString());
        const FormControls &controls = controlsOf(window);
        QCOMPARE(controls.label(u"Label22"_s, 0)->caption(), u"English"_s);
        QCOMPARE(controls.label(u"Label23"_s, 0)->caption(), u"Devanagari"_s);
        QCOMPARE(controls.button(u"Command3D7"_s)->text(), u"SYLLABLES"_s);
        QCOMPARE(controls.label(u"Label10"_s)->font().family(), u"KDEV01__"_s);

        clickVisible(controls.button(u"Command3D7"_s));
        QCOMPARE(controls.label(u"Label9"_s)->caption(), u"rshlee"_s);
        QCOMPARE(controls.label(u"Label10"_s)->caption(), fromCodes("20 B6 B1 C9 EA 20"));
        QCOMPARE(controls.label(u"Label14"_s)->caption(), u"+"_s);
        QCOMPARE(controls.label(u"Label17"_s)->caption(), fromCodes("2B C9 45 F2 21"));
        QVERIFY(controls.label(u"Label8"_s)->caption().startsWith(u"Learn to think in syllables"_s));

        // The launcher's logo may have swapped back meanwhile; restarting shows its second frame.
        controlsOf(launcher).picture(u"Picture2"_s, 1)->hide();
        clickVisible(controls.button(leaveBy));
    }
};

QTEST_MAIN(IntroductionRunTest)
#include "tst_introductionrun.moc"
