#include "forms/Fonts.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "introduction/IntroEng.h"
#include "launcher/IntroPix.h"
#include "practice/KeyingPractice.h"
#include "practice/PracticeCaptions.h"
#include "support/Controls.h"
#include "support/Conversions.h"
#include "support/FakePlatform.h"
#include "support/IntroFixture.h"
#include "support/LauncherFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The real launcher, and over it an introduction window made and loaded as
// "Show" makes it (not shown).
struct LaunchedIntroduction {
    FakePlatform platform;
    IntroPix launcher{platform};
    std::unique_ptr<IntroEng> introduction = [this] {
        auto window = std::make_unique<IntroEng>(
            platform, launcher, IntroductionChoice{InfoLanguage::English, LegacyFont::Devanagari}, &launcher);
        window->load();
        return window;
    }();
};

void clickVisible(QWidget *button)
{
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

// Presses "Show" and, while the introduction it opens is in front, runs `use`
// on it; closes it then, where `use` has not. Returns whether it opened.
bool showIntroduction(IntroPix &launcher, const std::function<void(IntroEng &)> &use)
{
    bool opened = false;
    QTimer::singleShot(0, &launcher, [&] {
        auto *window = qobject_cast<IntroEng *>(QApplication::activeModalWidget());
        if (!window)
            return;
        opened = true;
        use(*window);
        if (window->isVisible()) // a failed check must not leave the test blocked
            window->close();
    });
    clickVisible(controlsOf(launcher).button(u"Command3D12"_s)); // returns once the introduction is closed
    return opened;
}

} // namespace

// The introduction window with the launcher that opens it: the hand-over of
// the choice, what each way out of the introduction leaves the launcher in,
// and a whole run.
class IntroductionRunTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Fonts::installSubstitutes(); }

    // Every pair the launcher's buttons choose opens the introduction on that
    // pair, with the launcher's summary boxes emptied.
    void shouldOpenTheIntroductionOnThePairChosen_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("sampleFont");
        const QList<std::pair<QString, QString>> languages{
            {u"Command3D1"_s, u"English"_s}, {u"Command3D2"_s, u"Hindi"_s}, {u"Command3D5"_s, u"Bengali"_s}};
        const QList<std::tuple<QString, QString, QString>> scripts{
            {u"Command3D2"_s, u"Devanagari"_s, u"KDEV01__"_s},
            {u"Command3D5"_s, u"Bengali"_s, u"KBENGAL3"_s},
            {u"Command3D6"_s, u"Gujarati"_s, u"KGUJ01__"_s},
            {u"Command3D7"_s, u"Gurumukhi"_s, u"KGUR01__"_s}};
        for (const auto &[languageButton, language] : languages)
            for (const auto &[scriptButton, script, font] : scripts)
                QTest::addRow("%s about %s", qPrintable(language), qPrintable(script))
                    << QStringList{u"Command3D9"_s, languageButton, scriptButton} << language << script << font;
    }

    void shouldOpenTheIntroductionOnThePairChosen()
    {
        QFETCH(QStringList, presses);
        QFETCH(QString, language);
        QFETCH(QString, script);
        QFETCH(QString, sampleFont);
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        const DesignedControls &controls = controlsOf(launcher);
        for (const QString &name : presses)
            clickVisible(controls.button(name));

        QStringList summaryWhileOpen, shown;
        QString title, sampleFace;
        const bool opened = showIntroduction(launcher, [&](IntroEng &window) {
            summaryWhileOpen = QStringList{controls.label(u"Label9"_s)->caption(), controls.label(u"Label10"_s)->caption()};
            title = window.windowTitle();
            const DesignedControls &page = controlsOf(window);
            shown = QStringList{page.label(u"Label22"_s, 0)->caption(), page.label(u"Label23"_s, 0)->caption()};
            sampleFace = page.label(u"Label10"_s)->font().family();
        });

        QVERIFY(opened);
        QCOMPARE(summaryWhileOpen, (QStringList{QString(), QString()}));
        QCOMPARE(title, u"Korvani Introduction About "_s + script);
        QCOMPARE(shown, (QStringList{language, script}));
        QCOMPARE(sampleFace, sampleFont);
    }

    // From the launcher the practice opens on what is chosen so far, English
    // about Devanagari where nothing is; from the introduction, over it, on
    // its pair, and the introduction is there again once it closes.
    void shouldOpenThePracticeOnTheChoiceSoFar_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<InfoLanguage>("language");
        QTest::addColumn<LegacyFont>("script");
        QTest::addColumn<bool>("fromIntroduction");
        QTest::newRow("nothing chosen") << QStringList{} << InfoLanguage::English << LegacyFont::Devanagari << false;
        QTest::newRow("Bengali chosen") << QStringList{u"Command3D9"_s, u"Command3D5"_s} << InfoLanguage::Bengali
                                        << LegacyFont::Bengali << false;
        QTest::newRow("Hindi about Gujarati") << QStringList{u"Command3D9"_s, u"Command3D2"_s, u"Command3D6"_s}
                                              << InfoLanguage::Hindi << LegacyFont::Gujarati << false;
        QTest::newRow("from the introduction") << QStringList{u"Command3D9"_s, u"Command3D5"_s, u"Command3D7"_s}
                                               << InfoLanguage::Bengali << LegacyFont::Gurumukhi << true;
    }

    void shouldOpenThePracticeOnTheChoiceSoFar()
    {
        QFETCH(QStringList, presses);
        QFETCH(InfoLanguage, language);
        QFETCH(LegacyFont, script);
        QFETCH(bool, fromIntroduction);
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        for (const QString &name : presses)
            clickVisible(controlsOf(launcher).button(name));

        struct Seen {
            bool opened = false;
            QString close;
            bool scriptChecked = false;
            const QWidget *over = nullptr;
        } seen;
        const auto lookAtPractice = [&seen, script] {
            auto *practice = qobject_cast<KeyingPractice *>(QApplication::activeModalWidget());
            if (!practice)
                return;
            seen.opened = true;
            seen.close = practice->findChild<QPushButton *>(u"closeButton"_s)->text();
            seen.over = practice->parentWidget();
            seen.scriptChecked = practice->findChild<QRadioButton *>(u"scriptButton"_s + QString::number(int(script)))->isChecked();
            practice->close();
        };
        bool introductionBack = false;
        if (fromIntroduction) {
            QVERIFY(showIntroduction(launcher, [&](IntroEng &window) {
                QTimer::singleShot(0, &window, lookAtPractice);
                clickVisible(controlsOf(window).button(u"practiceButton"_s));
                introductionBack = QApplication::activeModalWidget() == &window && window.isVisible();
                QCOMPARE(seen.over, &window);
            }));
            QVERIFY(introductionBack);
        } else {
            QTimer::singleShot(0, &launcher, lookAtPractice);
            clickVisible(controlsOf(launcher).button(u"practiceButton"_s));
            QCOMPARE(seen.over, &launcher);
        }
        QVERIFY(seen.opened);
        QCOMPARE(seen.close, practiceCaptions(language).close);
        QVERIFY(seen.scriptChecked);
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
        LaunchedIntroduction intro;
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
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        const DesignedControls &controls = controlsOf(launcher);

        clickVisible(controls.button(u"Command3D9"_s)); // Start Introduction
        clickVisible(controls.button(u"Command3D1"_s)); // English
        clickVisible(controls.button(u"Command3D2"_s)); // first Devanagari button
        QCOMPARE(controls.label(u"Label9"_s)->caption(), u"English"_s);
        QCOMPARE(controls.label(u"Label10"_s)->caption(), u"Devanagari"_s);

        QVERIFY2(showIntroduction(launcher, [&](IntroEng &window) { driveIntroduction(window, launcher, leaveBy); }),
                 "the introduction did not open modally");

        QVERIFY(!launcher.findChild<IntroEng *>());
        QCOMPARE(controls.label(u"Label9"_s)->caption(), QString());
        QCOMPARE(controls.label(u"Label10"_s)->caption(), QString());
        QVERIFY(controls.label(u"Label6"_s)->isVisible());
        QVERIFY(controls.button(u"Command3D1"_s)->isVisible());
        QVERIFY(controls.picture(u"Picture2"_s, 1)->isVisible() == (leaveBy == u"Command3D1"_s));
        QCOMPARE(fixture.platform.terminations, 0);
    }

private:
    void driveIntroduction(IntroEng &window, IntroPix &launcher, const QString &leaveBy)
    {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), u"Korvani Introduction About Devanagari"_s);
        QCOMPARE(controlsOf(launcher).label(u"Label9"_s)->caption(), QString());
        const DesignedControls &controls = controlsOf(window);
        QCOMPARE(controls.label(u"Label22"_s, 0)->caption(), u"English"_s);
        QCOMPARE(controls.label(u"Label23"_s, 0)->caption(), u"Devanagari"_s);
        QCOMPARE(controls.button(u"Command3D7"_s)->text(), u"SYLLABLES"_s);
        QCOMPARE(controls.label(u"Label10"_s)->font().family(), u"KDEV01__"_s);

        clickVisible(controls.button(u"Command3D7"_s));
        QCOMPARE(controls.label(u"Label9"_s)->caption(), u"rshlii"_s);
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
