#include "edition/CentreWindow.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

// The centring every window uses.
class EditionTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldCentreTheOuterWindow_data()
    {
        QTest::addColumn<QRect>("screenTwips");
        QTest::addColumn<QSize>("windowPixels");
        QTest::addColumn<QPoint>("expectedPixels");
        QTest::newRow("smaller than the screen") << QRect(0, 0, 19200, 15360) << QSize(640, 480) << QPoint(320, 272);
        QTest::newRow("half a pixel rounds") << QRect(0, 0, 19215, 15375) << QSize(640, 480) << QPoint(321, 273);
        QTest::newRow("wider and taller than the screen") << QRect(0, 0, 6000, 4500) << QSize(600, 400) << QPoint(-100, -50);
        QTest::newRow("same size") << QRect(0, 0, 9000, 6000) << QSize(600, 400) << QPoint(0, 0);
        // Another monitor left of and above the primary one.
        QTest::newRow("primary screen right of another")
            << QRect(1024 * 15, 0, 19200, 15360) << QSize(640, 480) << QPoint(1024 + 320, 272);
        QTest::newRow("primary screen below another")
            << QRect(0, 768 * 15, 19200, 15360) << QSize(640, 480) << QPoint(320, 768 + 272);
        QTest::newRow("primary screen left of the origin")
            << QRect(-1280 * 15, -200 * 15, 19200, 15360) << QSize(640, 480) << QPoint(-1280 + 320, -200 + 272);
        QTest::newRow("origin with half a pixel")
            << QRect(1024 * 15, 0, 19215, 15375) << QSize(640, 480) << QPoint(1024 + 321, 273);
    }

    void shouldCentreTheOuterWindow()
    {
        QFETCH(QRect, screenTwips);
        QFETCH(QSize, windowPixels);
        QFETCH(QPoint, expectedPixels);
        FakePlatform platform;
        platform.screen = screenTwips;
        QWidget window;
        window.resize(windowPixels);
        IntroA::CentreWindow(window, platform);
        QCOMPARE(window.pos(), expectedPixels);
    }
};

QTEST_MAIN(EditionTest)
#include "tst_edition.moc"
