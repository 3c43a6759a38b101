#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <cmath>

#include <functional>

using namespace Qt::StringLiterals;

// The real platform's message boxes, answered from the keyboard.
class QtPlatformTest final : public QObject
{
    Q_OBJECT

private:
    // Runs `look` on the message box once it is open, then presses `key` on it.
    void whenBoxOpens(const std::function<void(QMessageBox &)> &look, Qt::Key key)
    {
        QTimer::singleShot(0, this, [look, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            look(*box);
            QTest::keyClick(box, key);
        });
    }

private Q_SLOTS:
    void shouldDefaultToNoWithTheEnterKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("yesDefault");
        QTest::addColumn<bool>("answeredYes");
        QTest::newRow("Enter on default No") << int(Qt::Key_Return) << false << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false << false;
        QTest::newRow("Enter on default Yes") << int(Qt::Key_Return) << true << true;
    }

    void shouldDefaultToNoWithTheEnterKey()
    {
        QFETCH(int, key);
        QFETCH(bool, yesDefault);
        QFETCH(bool, answeredYes);
        QtPlatform platform;
        bool looked = false;
        whenBoxOpens(
            [&](QMessageBox &box) {
                QCOMPARE(box.windowTitle(), u"Already open! - Pelunari"_s);
                QCOMPARE(box.text(), u"Open another instance?"_s);
                QCOMPARE(box.icon(), QMessageBox::NoIcon);
                QCOMPARE(box.buttons().size(), 2);
                QCOMPARE(box.defaultButton(), box.button(yesDefault ? QMessageBox::Yes : QMessageBox::No));
                QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
                QCOMPARE(box.windowModality(), Qt::ApplicationModal);
                looked = true;
            },
            Qt::Key(key));
        const auto answer = platform.askYesNo(u"Open another instance?"_s, u"Already open! - Pelunari"_s,
                                              yesDefault ? Platform::Answer::Yes : Platform::Answer::No);
        QVERIFY(looked);
        QCOMPARE(answer == Platform::Answer::Yes, answeredYes);
    }

    void shouldShowANoticeWithOneButtonAndLineBreaks()
    {
        QtPlatform platform;
        bool looked = false;
        whenBoxOpens(
            [&](QMessageBox &box) {
                QCOMPARE(box.windowTitle(), u"KIntroA"_s);
                QCOMPARE(box.icon(), QMessageBox::NoIcon);
                QCOMPARE(box.buttons().size(), 1);
                QCOMPARE(box.standardButton(box.buttons().first()), QMessageBox::Ok);
                // The program breaks lines with a carriage return alone.
                QCOMPARE(box.text(), u"One. Two. \nPlease.\n     a@b.example"_s);
                looked = true;
            },
            Qt::Key_Return);
        platform.tell(u"One. Two. \rPlease.\r     a@b.example"_s, u"KIntroA"_s);
        QVERIFY(looked);
    }

    // With the system's real fonts: a legacy font whose family is installed
    // shows its glyph codes; every other one is shown as Unicode in a family
    // that can write its script. Each choice is logged, for a look at a
    // machine with one legacy font installed.
    void shouldShowAsDesignedOnlyTheLegacyFontsThatAreInstalled()
    {
        QtPlatform platform;
        const QStringList families = QFontDatabase::families();
        for (const LegacyFont font : AllLegacyFonts) {
            const QString face = legacyFace(font);
            const bool installed = families.contains(face, Qt::CaseInsensitive);
            QCOMPARE(platform.scriptFonts().showsUnicode(font), !installed);
            const QString family = platform.scriptFonts().unicodeFamily(font);
            QVERIFY2(family.compare(face, Qt::CaseInsensitive) != 0, qPrintable(face));
            // The test command installs a real font of every script.
            QVERIFY2(installed || !family.isEmpty(), qPrintable(face + u" is missing, and no font of its script"_s));
            if (!family.isEmpty())
                QVERIFY2(QFontDatabase::writingSystems(family).contains(QtPlatform::writingSystemOf(font)), qPrintable(family));
            if (installed)
                qInfo("%s: installed, its glyph codes shown in it", qPrintable(face));
            else
                qInfo("%s: missing, Unicode shown in \"%s\"", qPrintable(face), qPrintable(family));
        }
    }

    void shouldGiveTheTimeOfDayAndTheScreenInTwips()
    {
        QtPlatform platform;
        // The same local time of day as Qt's own clock (allowing for a read
        // that falls on either side of midnight).
        for (int read = 0; read < 3; ++read) {
            const float seconds = platform.secondsSinceMidnight();
            QVERIFY(seconds >= 0.0f && seconds < 86400.0f);
            const float qtSeconds = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
            const float apart = std::fmod(std::abs(seconds - qtSeconds), 86400.0f);
            QVERIFY2(std::min(apart, 86400.0f - apart) < 0.5f, qPrintable(u"%1 against %2"_s.arg(seconds).arg(qtSeconds)));
        }
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(platform.screenTwips().width(), screen.width() * 15);
        QCOMPARE(platform.screenTwips().height(), screen.height() * 15);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
