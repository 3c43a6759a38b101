#include "support/LauncherFixture.h"
#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "support/Controls.h"
#include "support/ScreenReader.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// What a screen reader hears of the choice: the focus events, in order.
QList<QPointer<QObject>> focusEvents;

void recordFocus(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus)
        focusEvents.append(event->object());
}

QString spokenDescription(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Description) : QString();
}

const QString LanguagePrompt = u"Choose a language for showing information"_s;
const QString ScriptPrompt = u"Choose the script you want described"_s;

} // namespace

// Where the focus goes as the choice moves from stage to stage, and what a
// screen reader says there. A step is "click NAME", "key NAME" (the focus on
// it, then Space), "press NAME" (the press action of assistive technology),
// "alt+I", or "show and close" (the introduction, closed again).
class StagePromptsTest final : public QObject
{
    Q_OBJECT

private:
    static void take(IntroPix &launcher, const QString &step)
    {
        const QStringList words = step.split(u' ');
        const QString &name = words.last();
        if (step == u"alt+I"_s) {
            // An access key presses its button a moment later, as a click would.
            QTest::keyClick(&launcher, Qt::Key_I, Qt::AltModifier);
            QTRY_VERIFY(controlsOf(launcher).label(u"Label6"_s)->isVisible());
        } else if (step == u"show and close"_s) {
            int closed = 0;
            QTimer closer;
            // As a window manager does: the introduction comes in front, and
            // the launcher is active again while the introduction closes.
            connect(&closer, &QTimer::timeout, &launcher, [&closed, &launcher] {
                QWidget *modal = QApplication::activeModalWidget();
                if (!modal) {
                    return;
                } else if (QApplication::activeWindow() != modal) {
                    QApplication::setActiveWindow(modal);
                } else {
                    modal->close();
                    QApplication::setActiveWindow(&launcher);
                    ++closed;
                }
            });
            closer.start(20);
            QTest::keyClick(&launcher, Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(closed, 1);
        } else if (words.first() == u"click"_s) {
            QTest::mouseClick(controlsOf(launcher).control(name), Qt::LeftButton);
        } else if (words.first() == u"key"_s) {
            QWidget *button = controlsOf(launcher).control(name);
            button->setFocus();
            focusEvents.clear();
            QTest::keyClick(button, Qt::Key_Space);
        } else if (words.first() == u"press"_s) {
            QWidget *button = controlsOf(launcher).control(name);
            QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!static_cast<FormButton *>(button)->isDown());
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }

private Q_SLOTS:
    void init() { focusEvents.clear(); }

    void shouldLeadIntoEachStage_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("prompt");      // empty: none is shown
        QTest::addColumn<QString>("firstChoice"); // the stage's first button
        QTest::addColumn<QString>("summary");     // what "Show" tells; empty: nothing
        QTest::addColumn<bool>("screenReader");

        const auto row = [](const char *tag, const QStringList &steps, const QString &prompt,
                            const QString &firstChoice, const QString &summary = {}) {
            for (const bool screenReader : {true, false})
                QTest::addRow("%s%s", tag, screenReader ? "" : ", no screen reader")
                    << steps << prompt << firstChoice << summary << screenReader;
        };
        const QString start = u"click Command3D9"_s;
        const QString english = u"Command3D1"_s;
        const QString hindi = u"Command3D2"_s;
        const QString show = u"Command3D12"_s;
        row("Start Introduction clicked", {start}, LanguagePrompt, english);
        row("Start Introduction by its access key", {u"alt+I"_s}, LanguagePrompt, english);
        row("English by keyboard, which hides it", {start, u"key Command3D1"_s}, ScriptPrompt, hindi);
        row("Hindi by keyboard, which stays", {start, u"key Command3D2"_s}, ScriptPrompt, hindi);
        row("Bengali by its column header", {start, u"click Label3"_s}, ScriptPrompt, hindi);
        row("Gujarati by an assistive press", {start, u"press Command3D6"_s}, ScriptPrompt, hindi);
        row("Marathi first: the language is still to choose", {start, u"key Command3D4"_s}, LanguagePrompt, english);
        row("Reselect? from the script stage", {start, u"click Command3D1"_s, u"key Command3D11"_s}, LanguagePrompt,
            english);
        row("Reselect? once both are chosen",
            {start, u"click Command3D1"_s, u"click Command3D5"_s, u"key Command3D11"_s}, LanguagePrompt, english);
        row("back from the introduction",
            {start, u"click Command3D1"_s, u"click Command3D2"_s, u"show and close"_s}, LanguagePrompt, english);
        row("English and Devanagari by keyboard", {start, u"key Command3D1"_s, u"key Command3D2"_s}, {}, show,
            u"Introduction in English about the script for Devanagari"_s);
        row("Bengali and Gurumukhi by assistive presses", {start, u"press Command3D5"_s, u"press Command3D7"_s}, {},
            show, u"Introduction in Bengali about the script for Gurumukhi"_s);
        // Both are chosen, but the script prompt and its two buttons are still in sight.
        row("Sanskrit first, then English", {start, u"click Command3D14"_s, u"key Command3D1"_s}, ScriptPrompt,
            u"Command3D4"_s, u"Introduction in English about the script for Devanagari"_s);
    }

    // A stage begins on its first button, and once both are chosen "Show"
    // has the focus and tells the summary. With a screen reader at work the
    // stage's prompt comes first, just before that button in the Tab order.
    // Each step moves the focus only where it leads, so nothing is heard
    // twice and no button between is heard. Without a screen reader no label
    // takes the focus.
    void shouldLeadIntoEachStage()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, prompt);
        QFETCH(QString, firstChoice);
        QFETCH(QString, summary);
        QFETCH(bool, screenReader);

        std::optional<ScreenReader> reader;
        if (screenReader) {
            reader.emplace();
            QVERIFY(reader->working());
            QAccessible::installUpdateHandler(recordFocus);
        }
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        QApplication::setActiveWindow(&launcher);
        QVERIFY(QTest::qWaitForWindowActive(&launcher));

        const QString last = steps.takeLast();
        for (const QString &step : std::as_const(steps))
            take(launcher, step);
        const QString clickPrefix = u"click "_s;
        QWidget *clicked =
            last.startsWith(clickPrefix) ? controlsOf(launcher).control(last.mid(clickPrefix.size())) : nullptr;
        focusEvents.clear();
        take(launcher, last);

        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &launcher);
        QWidget *lead = QApplication::focusWidget();
        QCOMPARE(spokenDescription(controlsOf(launcher).control(u"Command3D12"_s)), summary);
        if (!screenReader || prompt.isEmpty()) {
            QCOMPARE(lead->objectName(), firstChoice);
            for (QWidget *control : controlsOf(launcher).all())
                QVERIFY(!qobject_cast<FormLabel *>(control) || control->focusPolicy() == Qt::NoFocus);
            if (!screenReader)
                return;
        }

        // The focus came to the lead once; before it, at most to what the
        // pointer clicked.
        focusEvents.removeIf([&launcher](const QPointer<QObject> &focused) {
            auto *widget = qobject_cast<QWidget *>(focused);
            return !widget || widget->window() != &launcher; // the introduction's own, gone with it
        });
        const qsizetype leadArrived = focusEvents.indexOf(lead);
        QVERIFY(leadArrived >= 0);
        QCOMPARE(focusEvents.count(lead), 1);
        for (qsizetype i = 0; i < leadArrived; ++i)
            QVERIFY2(clicked && focusEvents[i] == clicked,
                     qPrintable(u"heard on the way: "_s + focusEvents[i]->objectName()));

        if (!prompt.isEmpty()) {
            QVERIFY2(qobject_cast<FormLabel *>(lead), qPrintable(lead->objectName()));
            QCOMPARE(spokenName(lead), prompt);
            QTest::keyClick(lead, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), firstChoice);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), lead);
        }
    }
};

QTEST_MAIN(StagePromptsTest)
#include "tst_stageprompts.moc"
