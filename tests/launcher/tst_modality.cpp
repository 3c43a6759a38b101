#include "forms/FormButton.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/LauncherFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The launcher's own controls, not those of the windows it opened.
template<typename Control>
QList<Control *> launcherControls(const IntroPix &launcher)
{
    QList<Control *> controls;
    for (Control *control : launcher.findChildren<Control *>()) {
        if (control->window() == &launcher)
            controls << control;
    }
    return controls;
}

// What a user can see of the launcher: every control's visibility and text.
QStringList launcherState(const IntroPix &launcher)
{
    QStringList state{launcher.isVisible() ? u"shown"_s : u"hidden"_s};
    for (const QWidget *control : launcherControls<QWidget>(launcher))
        state << u"%1 %2 %3"_s.arg(control->objectName(), control->isVisibleTo(&launcher) ? u"visible"_s : u"hidden"_s,
                                     captionOf(control));
    return state;
}

QList<QDialog *> openDialogs()
{
    QList<QDialog *> dialogs;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

} // namespace

// While the introduction or the About window is open, the launcher takes no
// input, whichever way it comes: the pointer and the keyboard, and also the
// press action that assistive technologies use.
class ModalityTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldIgnoreAssistivePressesUnderAModalWindow_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("openerIndex");
        QTest::newRow("introduction window open") << u"Command3D12"_s << -1;
        QTest::newRow("About window open") << u"Command3D13"_s << 1;
    }

    void shouldIgnoreAssistivePressesUnderAModalWindow()
    {
        QFETCH(QString, opener);
        QFETCH(int, openerIndex);

        QAccessible::setActive(true);
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        const DesignedControls &controls = controlsOf(launcher);
        // English and Devanagari chosen, so that "&Show" opens the introduction.
        QTest::mouseClick(controls.control(u"Command3D9"_s), Qt::LeftButton);
        QTest::mouseClick(controls.control(u"Command3D1"_s), Qt::LeftButton);
        QTest::mouseClick(controls.control(u"Command3D2"_s), Qt::LeftButton);

        // A press that gets through may open a second modal window; this
        // closes any such intruder so that the test ends, and counts it.
        QDialog *modal = nullptr;
        int intruders = 0;
        QTimer sweeper;
        connect(&sweeper, &QTimer::timeout, this, [&] {
            for (QDialog *dialog : openDialogs()) {
                if (dialog != modal) {
                    ++intruders;
                    dialog->close();
                }
            }
        });

        int pressed = 0;
        QTimer::singleShot(0, this, [&] {
            modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            const auto closeModal = qScopeGuard([&] {
                if (modal)
                    modal->close();
            });
            QVERIFY(modal);
            sweeper.start(10);
            const QStringList before = launcherState(launcher);
            for (FormButton *button : launcherControls<FormButton>(launcher)) {
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
                QVERIFY(accessible && accessible->actionInterface());
                accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                ++pressed;
                // The press comes due a moment later, as a click would.
                QTRY_VERIFY(!button->isDown());
                QCOMPARE(launcherState(launcher), before);
                QCOMPARE(intruders, 0);
            }
            QCOMPARE(openDialogs(), QList<QDialog *>{modal});
        });
        QTest::mouseClick(controls.control(opener, openerIndex), Qt::LeftButton);
        QVERIFY(modal);
        QVERIFY(pressed > 10);
        QCOMPARE(intruders, 0);
        QCOMPARE(fixture.platform.terminations, 0);
    }
};

QTEST_MAIN(ModalityTest)
#include "tst_modality.moc"
