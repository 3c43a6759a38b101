#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "launcher/IntroPix.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/LauncherFixture.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Controls whose visibility the choice changes; "Command3D13(0)" style keys
// name array elements.
const QStringList ChoiceControls{
    u"Picture1(0)"_s, u"Picture2(1)"_s, u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s,
    u"Label6"_s, u"Label7"_s, u"Label8"_s, u"Label9"_s, u"Label10"_s, u"Command3D1"_s, u"Command3D2"_s,
    u"Command3D3"_s, u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s, u"Command3D7"_s, u"Command3D14"_s,
    u"Command3D9"_s, u"Command3D11"_s, u"Command3D12"_s};

// Shown in every state after "Start &Introduction".
const QStringList ChoiceFrame{u"Picture2(1)"_s, u"Command3D9"_s, u"Command3D12"_s, u"Label8"_s, u"Label9"_s,
                              u"Label10"_s};

QStringList without(QStringList list, const QString &item)
{
    list.removeAll(item);
    return list;
}

QWidget *controlByKey(const IntroPix &launcher, const QString &key)
{
    const qsizetype paren = key.indexOf(u'(');
    if (paren < 0)
        return controlsOf(launcher).control(key);
    return controlsOf(launcher).control(key.left(paren), key.mid(paren + 1).chopped(1).toInt());
}

QStringList shownChoiceControls(const IntroPix &launcher)
{
    QStringList shown;
    for (const QString &key : ChoiceControls)
        if (!controlByKey(launcher, key)->isHidden())
            shown.append(key);
    shown.sort();
    return shown;
}

const QStringList Welcome{u"Picture1(0)"_s, u"Command3D9"_s};
const QStringList LanguageStage = ChoiceFrame
    + QStringList{u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s, u"Label6"_s, u"Command3D1"_s,
                  u"Command3D2"_s, u"Command3D3"_s, u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s,
                  u"Command3D7"_s, u"Command3D14"_s};
const QStringList ScriptStage = ChoiceFrame
    + QStringList{u"Label7"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s, u"Command3D2"_s,
                  u"Command3D3"_s, u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s, u"Command3D7"_s,
                  u"Command3D14"_s, u"Command3D11"_s};
const QStringList Ready = ChoiceFrame + QStringList{u"Command3D11"_s};
const QStringList ScriptFirst = ChoiceFrame + QStringList{u"Label6"_s, u"Label1"_s, u"Command3D1"_s};
const QStringList ReadyAfterScriptFirst = Ready
    + QStringList{u"Label7"_s, u"Command3D4"_s, u"Command3D14"_s};

} // namespace

// The launcher draws its two-stage choice: the controls each stage shows,
// the summary boxes, and which button or header makes which choice. Where
// every press leads is LauncherChoice's own suite.
class SelectionTest final : public QObject
{
    Q_OBJECT

private:
    static void click(IntroPix &launcher, const QString &key)
    {
        QWidget *control = controlByKey(launcher, key);
        QVERIFY2(!control->isHidden(), qPrintable(key + u" is not shown, so it cannot be clicked"_s));
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    static void clickAll(IntroPix &launcher, const QStringList &keys)
    {
        for (const QString &key : keys) {
            click(launcher, key);
            if (QTest::currentTestFailed())
                return;
        }
    }

    static QString caption(const IntroPix &launcher, const QString &name)
    {
        return controlsOf(launcher).label(name)->caption();
    }

private Q_SLOTS:
    void shouldDrawEachStage_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("label9");
        QTest::addColumn<QString>("label10");

        const QString start = u"Command3D9"_s;
        QTest::newRow("welcome") << QStringList{} << Welcome << u"Label9"_s << u"Label10"_s;
        QTest::newRow("language") << QStringList{start} << LanguageStage << u""_s << u""_s;
        QTest::newRow("language after Reselect")
            << QStringList{start, u"Command3D1"_s, u"Command3D11"_s} << without(LanguageStage, u"Command3D4"_s)
            << u""_s << u""_s;
        QTest::newRow("script") << QStringList{start, u"Command3D5"_s} << ScriptStage << u"Bengali"_s << u""_s;
        QTest::newRow("script first") << QStringList{start, u"Command3D14"_s} << ScriptFirst << u""_s
                                      << u"Devanagari"_s;
        QTest::newRow("script to confirm") << QStringList{start, u"Command3D4"_s, u"Label1"_s}
                                           << ReadyAfterScriptFirst << u"English"_s << u"Devanagari"_s;
        QTest::newRow("ready") << QStringList{start, u"Command3D2"_s, u"Command3D7"_s} << Ready << u"Hindi"_s
                               << u"Gurumukhi"_s;
        // The script prompt lies in front of the language prompt; a new
        // language stage must not leave it there.
        QTest::newRow("language again from the script prompt")
            << QStringList{start, u"Command3D4"_s, u"Command3D1"_s, start} << LanguageStage << u""_s << u""_s;
    }

    void shouldDrawEachStage()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QString, label9);
        QFETCH(QString, label10);

        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        clickAll(launcher, clicks);
        if (QTest::currentTestFailed())
            return;

        shown.sort();
        QCOMPARE(shownChoiceControls(launcher), shown);
        QCOMPARE(caption(launcher, u"Label9"_s), label9);
        QCOMPARE(caption(launcher, u"Label10"_s), label10);
        // In every state these stay as they are.
        QVERIFY(!controlsOf(launcher).label(u"Label11"_s)->isHidden());
        QVERIFY(!controlsOf(launcher).control(u"Command3D13"_s, 0)->isHidden());
        QVERIFY(!controlsOf(launcher).control(u"Command3D13"_s, 1)->isHidden());
        QVERIFY(controlsOf(launcher).control(u"Command3D8"_s)->isHidden());
        QVERIFY(controlsOf(launcher).control(u"Command3D10"_s)->isHidden());
        QCOMPARE(fixture.platform.terminations, 0);
    }

    void shouldMakeTheChoiceOfEachButtonAndHeader_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("label9");
        QTest::addColumn<QString>("label10");

        const QString start = u"Command3D9"_s;
        const QList<std::pair<const char *, QString>> languages{
            {"Command3D1", u"English"_s}, {"Label1", u"English"_s},    {"Command3D2", u"Hindi"_s},
            {"Command3D3", u"Hindi"_s},   {"Command3D6", u"Hindi"_s},  {"Command3D7", u"Hindi"_s},
            {"Label2", u"Hindi"_s},       {"Label4", u"Hindi"_s},      {"Label5", u"Hindi"_s},
            {"Command3D5", u"Bengali"_s}, {"Label3", u"Bengali"_s}};
        for (const auto &[control, language] : languages)
            QTest::addRow("language from %s", control)
                << QStringList{start, QString::fromLatin1(control)} << language << u""_s;
        const QList<std::pair<const char *, QString>> scripts{
            {"Command3D2", u"Devanagari"_s}, {"Command3D3", u"Devanagari"_s}, {"Command3D4", u"Devanagari"_s},
            {"Command3D14", u"Devanagari"_s}, {"Command3D5", u"Bengali"_s},   {"Command3D6", u"Gujarati"_s},
            {"Command3D7", u"Gurumukhi"_s}};
        for (const auto &[control, script] : scripts)
            QTest::addRow("script from %s", control)
                << QStringList{start, u"Command3D1"_s, QString::fromLatin1(control)} << u"English"_s << script;
        QTest::newRow("header once a language is chosen")
            << QStringList{start, u"Command3D5"_s, u"Label4"_s} << u"Bengali"_s << u""_s;
    }

    void shouldMakeTheChoiceOfEachButtonAndHeader()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, label9);
        QFETCH(QString, label10);

        LauncherFixture fixture;
        QVERIFY(fixture.started);
        clickAll(fixture.launcher, clicks);
        QCOMPARE(caption(fixture.launcher, u"Label9"_s), label9);
        QCOMPARE(caption(fixture.launcher, u"Label10"_s), label10);
    }

    void shouldHandTheChoiceOverAndReturnToTheLanguageStage()
    {
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        for (const QString &key : {u"Command3D9"_s, u"Command3D4"_s, u"Command3D1"_s})
            click(launcher, key);

        // While the introduction window is open the launcher is already back in
        // its language stage, with its summary boxes emptied.
        QStringList shownWhileOpen;
        QString label9WhileOpen;
        QTimer::singleShot(0, this, [&] {
            QDialog *introduction = launcher.findChild<QDialog *>(u"IntroEng"_s);
            if (!introduction) {
                introduction = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            }
            QVERIFY(introduction);
            shownWhileOpen = shownChoiceControls(launcher);
            label9WhileOpen = controlsOf(launcher).label(u"Label9"_s)->caption();
            introduction->close();
        });
        click(launcher, u"Command3D12"_s);

        QStringList expected = LanguageStage;
        expected.sort();
        QCOMPARE(shownWhileOpen, expected);
        QCOMPARE(label9WhileOpen, u""_s); // handed over to the introduction window
        QCOMPARE(shownChoiceControls(launcher), expected);
        QCOMPARE(controlsOf(launcher).label(u"Label9"_s)->caption(), u""_s);
        QCOMPARE(controlsOf(launcher).label(u"Label10"_s)->caption(), u""_s);

        // A further "&Show" opens nothing until both choices are made again.
        bool openedAgain = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &launcher, [&openedAgain] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                openedAgain = true;
                modal->close();
            }
        });
        watch.start(10);
        click(launcher, u"Command3D12"_s); // would return only once what it opened closed
        watch.stop();
        QVERIFY(!openedAgain);
        QCOMPARE(shownChoiceControls(launcher), expected);
    }

    void shouldOpenTheAboutWindowAndComeBackUnchanged()
    {
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        click(launcher, u"Command3D9"_s);
        click(launcher, u"Command3D5"_s);
        const QStringList before = shownChoiceControls(launcher);

        bool aboutOpened = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *about = QApplication::activeModalWidget();
            QVERIFY(about);
            aboutOpened = about != &launcher;
            about->close();
        });
        click(launcher, u"Command3D13(1)"_s);
        QVERIFY(aboutOpened);
        QCOMPARE(shownChoiceControls(launcher), before);
        QCOMPARE(caption(launcher, u"Label9"_s), u"Bengali"_s);
    }
};

QTEST_MAIN(SelectionTest)
#include "tst_selection.moc"
