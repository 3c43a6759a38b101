#include "forms/FormButton.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/LauncherFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdlib> // defines __GLIBC__ where the C library is glibc
#include <optional>

// The bytes in use on the heap: glibc (2.33 and later) and the sanitizer
// runtime can tell; elsewhere the heap check is skipped.
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
#include <malloc.h>
#define KINTROA_HAVE_MALLINFO2 1
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KINTROA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KINTROA_ASAN 1
#endif
#ifdef KINTROA_ASAN
// From the sanitizer runtime (sanitizer/allocator_interface.h, which not
// every compiler installation ships).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace Qt::StringLiterals;

namespace {

std::optional<std::size_t> heapInUse()
{
#if defined(KINTROA_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(KINTROA_HAVE_MALLINFO2)
    return mallinfo2().uordblks;
#else
    return std::nullopt;
#endif
}

} // namespace

// Opening and closing the introduction and About windows many times must
// leave nothing behind: every opening builds its window afresh, and every
// closing must take all of it away again.
class WindowLifecycleTest final : public QObject
{
    Q_OBJECT

private:
    // Clicks `button` of the launcher, which opens a modal window, and closes
    // that window as soon as it shows.
    void openAndClose(IntroPix &launcher, QWidget *button)
    {
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal && modal != &launcher);
            modal->close();
            closed = true;
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(closed);
    }

    void cycle(IntroPix &launcher, int times)
    {
        const DesignedControls &controls = controlsOf(launcher);
        for (int i = 0; i < times; ++i) {
            // English and Devanagari, then "&Show".
            QTest::mouseClick(controls.control(u"Command3D1"_s), Qt::LeftButton);
            QTest::mouseClick(controls.control(u"Command3D2"_s), Qt::LeftButton);
            openAndClose(launcher, controls.control(u"Command3D12"_s));
            openAndClose(launcher, controls.control(u"Command3D13"_s, 1));
            if (QTest::currentTestFailed())
                return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void shouldLeaveNothingBehindAfterAThousandOpenings()
    {
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        QTest::mouseClick(controlsOf(launcher).control(u"Command3D9"_s), Qt::LeftButton);

        // Warm up: fonts, styles and pixmap caches fill on the first openings
        // (about 100 KiB, once).
        cycle(launcher, 100);
        const qsizetype widgets = QApplication::allWidgets().size();
        const std::optional<std::size_t> heap = heapInUse();

        cycle(launcher, 1000);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        if (!heap)
            QSKIP("The widgets are all gone; this C library cannot tell the heap in use (glibc or a sanitizer can).");
        // A leak of even one small object per opening would add well over
        // this; the allowance covers allocator and cache noise.
        const qint64 growth = qint64(*heapInUse()) - qint64(*heap);
        QVERIFY2(growth < 64 * 1024, qPrintable(u"the heap grew by %1 bytes"_s.arg(growth)));
    }
};

QTEST_MAIN(WindowLifecycleTest)
#include "tst_windowlifecycle.moc"
