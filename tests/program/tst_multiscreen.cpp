#include "about/AbKorInt.h"
#include "introduction/IntroEng.h"
#include "edition/CentreWindow.h"
#include "edition/IntroA.h"
#include "launcher/IntroPix.h"
#include "platform/QtPlatform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Centring on a desktop of two monitors whose primary one is not at the
// origin, with the real platform. The offscreen platform runs with two such
// screens here and draws a frame of 2 pixels round every window, which it
// reports only once the window is shown, as window managers do.
class MultiScreenTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QScreen *primary = QGuiApplication::primaryScreen();
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(primary->geometry(), QRect(1024, 200, 1280, 1024));
        QCOMPARE(primary->logicalDotsPerInch(), 96.0);
    }

    void shouldCentreTheFramedWindowOnThePrimaryScreen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("clientSize"); // plain windows only
        QTest::addColumn<int>("lowerBy");     // pixels below the centre
        QTest::newRow("plain window") << u"plain"_s << QSize(400, 300) << 0;
        QTest::newRow("plain window, odd size") << u"plain"_s << QSize(401, 299) << 0;
        QTest::newRow("larger than the screen") << u"plain"_s << QSize(1400, 1100) << 0;
        QTest::newRow("About window") << u"about"_s << QSize() << 0;
        QTest::newRow("introduction window") << u"introduction"_s << QSize() << 28;
    }

    void shouldCentreTheFramedWindowOnThePrimaryScreen()
    {
        QFETCH(QString, window);
        QFETCH(QSize, clientSize);
        QFETCH(int, lowerBy);

        QtPlatform platform;
        IntroPix launcher(platform);
        std::unique_ptr<QWidget> shown;
        if (window == u"about"_s) {
            auto about = std::make_unique<AbKorInt>(platform, IntroA::SetEdition(), nullptr);
            about->load();
            shown = std::move(about);
        } else if (window == u"introduction"_s) {
            auto introduction = std::make_unique<IntroEng>(platform, launcher, IntroductionChoice{}, &launcher);
            introduction->load();
            shown = std::move(introduction);
        } else {
            shown = std::make_unique<QWidget>();
            shown->resize(clientSize);
            IntroA::CentreWindow(*shown, platform);
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // The frame is known now, and the window moved to keep its outer box centred.
        QTRY_COMPARE(shown->frameGeometry().size(), shown->size() + QSize(4, 4));
        const QRect outer = shown->frameGeometry();
        const QPoint offCentre = outer.center() - screen.center() - QPoint(0, lowerBy);
        QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
                 qPrintable(u"outer box %1,%2 %3x%4 on screen %5,%6 %7x%8"_s.arg(outer.x())
                                .arg(outer.y()).arg(outer.width()).arg(outer.height()).arg(screen.x())
                                .arg(screen.y()).arg(screen.width()).arg(screen.height())));
        QCOMPARE(shown->screen(), QGuiApplication::primaryScreen());
    }
};

QTEST_MAIN(MultiScreenTest)
#include "tst_multiscreen.moc"
