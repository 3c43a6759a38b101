#include "edition/IntroA.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
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

// The launcher's two-stage choice: every transition from the start, checked
// by the controls shown, the two chosen values and the two summary captions.
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

private Q_SLOTS:
    void shouldFollowTheChoice_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("label9");
        QTest::addColumn<QString>("label10");

        const QString start = u"Command3D9"_s;
        const QString reselect = u"Command3D11"_s;
        const QString show = u"Command3D12"_s;
        const QString english = u"English"_s;
        const QString hindi = u"Hindi"_s;
        const QString bengali = u"Bengali"_s;
        const QString devanagari = u"Devanagari"_s;
        QTest::newRow("Welcome") << QStringList{} << Welcome << QString() << QString() << u"Label9"_s << u"Label10"_s;
        QTest::newRow("Start") << QStringList{start} << LanguageStage << u""_s << u""_s << u""_s << u""_s;

        const struct {
            const char *tag;
            const char *control;
            QString language;
        } languageChoices[] = {
            {"English button", "Command3D1", english}, {"English header", "Label1", english},
            {"Devanagari 1", "Command3D2", hindi},     {"Devanagari 2", "Command3D3", hindi},
            {"Gujarati button", "Command3D6", hindi},  {"Gurumukhi button", "Command3D7", hindi},
            {"Devanagari header", "Label2", hindi},    {"Gujarati header", "Label4", hindi},
            {"Gurumukhi header", "Label5", hindi},     {"Bengali button", "Command3D5", bengali},
            {"Bengali header", "Label3", bengali},
        };
        for (const auto &choice : languageChoices)
            QTest::addRow("language from %s", choice.tag)
                << QStringList{start, QString::fromLatin1(choice.control)} << ScriptStage << choice.language << u""_s
                << choice.language << u""_s;

        const struct {
            const char *control;
            QString script;
        } scriptChoices[] = {{"Command3D2", devanagari},        {"Command3D3", devanagari},
                             {"Command3D4", devanagari},        {"Command3D14", devanagari},
                             {"Command3D5", u"Bengali"_s},      {"Command3D6", u"Gujarati"_s},
                             {"Command3D7", u"Gurumukhi"_s}};
        for (const auto &choice : scriptChoices)
            QTest::addRow("script from %s", choice.control)
                << QStringList{start, u"Command3D1"_s, QString::fromLatin1(choice.control)} << Ready << english
                << choice.script << english << choice.script;

        for (const char *header : {"Label2", "Label3", "Label4", "Label5"})
            QTest::addRow("header %s does nothing once a language is chosen", header)
                << QStringList{start, u"Command3D5"_s, QString::fromLatin1(header)} << ScriptStage << bengali << u""_s
                << bengali << u""_s;

        for (const char *button : {"Command3D4", "Command3D14"})
            QTest::addRow("%s chooses the script first", button)
                << QStringList{start, QString::fromLatin1(button)} << ScriptFirst << u""_s << devanagari << u""_s
                << devanagari;
        QTest::newRow("English after the script")
            << QStringList{start, u"Command3D4"_s, u"Label1"_s} << ReadyAfterScriptFirst << english << devanagari
            << english << devanagari;
        QTest::newRow("Devanagari button after script-first English")
            << QStringList{start, u"Command3D4"_s, u"Command3D1"_s, u"Command3D14"_s} << Ready << english
            << devanagari << english << devanagari;

        QTest::newRow("Reselect from the script stage")
            << QStringList{start, u"Command3D1"_s, reselect} << without(LanguageStage, u"Command3D4"_s) << u""_s
            << u""_s << u""_s << u""_s;
        QTest::newRow("Reselect when ready")
            << QStringList{start, u"Command3D2"_s, u"Command3D7"_s, reselect} << without(LanguageStage, u"Command3D4"_s)
            << u""_s << u""_s << u""_s << u""_s;
        QTest::newRow("Start again from the script stage")
            << QStringList{start, u"Command3D5"_s, start} << LanguageStage << u""_s << u""_s << u""_s << u""_s;
        QTest::newRow("Start again when ready")
            << QStringList{start, u"Command3D5"_s, u"Command3D5"_s, start} << LanguageStage << u""_s << u""_s << u""_s
            << u""_s;
        QTest::newRow("Start again after script-first English")
            << QStringList{start, u"Command3D14"_s, u"Command3D1"_s, start} << LanguageStage << u""_s << u""_s
            << u""_s << u""_s;
        QTest::newRow("Start again after reselect")
            << QStringList{start, u"Command3D1"_s, reselect, start} << LanguageStage << u""_s << u""_s << u""_s
            << u""_s;

        QTest::newRow("Show without a script does nothing")
            << QStringList{start, u"Command3D1"_s, show} << ScriptStage << english << u""_s << english << u""_s;
        QTest::newRow("Show without a language does nothing")
            << QStringList{start, u"Command3D4"_s, show} << ScriptFirst << u""_s << devanagari << u""_s << devanagari;
        QTest::newRow("Show before any choice does nothing")
            << QStringList{start, show} << LanguageStage << u""_s << u""_s << u""_s << u""_s;
    }

    void shouldFollowTheChoice()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        QFETCH(QString, language);
        QFETCH(QString, script);
        QFETCH(QString, label9);
        QFETCH(QString, label10);

        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        for (const QString &key : clicks) {
            click(launcher, key);
            if (QTest::currentTestFailed())
                return;
        }

        shown.sort();
        QCOMPARE(shownChoiceControls(launcher), shown);
        QCOMPARE(launcher.InfoLanguage(), language);
        QCOMPARE(launcher.ScriptName(), script);
        QCOMPARE(controlsOf(launcher).label(u"Label9"_s)->caption(), label9);
        QCOMPARE(controlsOf(launcher).label(u"Label10"_s)->caption(), label10);
        // In every state these stay as they are.
        QVERIFY(!controlsOf(launcher).label(u"Label11"_s)->isHidden());
        QVERIFY(!controlsOf(launcher).control(u"Command3D13"_s, 0)->isHidden());
        QVERIFY(!controlsOf(launcher).control(u"Command3D13"_s, 1)->isHidden());
        QVERIFY(controlsOf(launcher).control(u"Command3D8"_s)->isHidden());
        QVERIFY(controlsOf(launcher).control(u"Command3D10"_s)->isHidden());
        QCOMPARE(fixture.platform.terminations, 0);
    }

    void shouldHandTheChoiceOverAndReturnToTheLanguageStage()
    {
        LauncherFixture fixture;
        QVERIFY(fixture.started);
        IntroPix &launcher = fixture.launcher;
        for (const QString &key : {u"Command3D9"_s, u"Command3D4"_s, u"Command3D1"_s})
            click(launcher, key);

        // While the introduction window is open the launcher is already back in
        // its language stage, with the chosen names still in the summary.
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
        QCOMPARE(label9WhileOpen, u""_s); // taken over by the introduction window
        QCOMPARE(shownChoiceControls(launcher), expected);
        QCOMPARE(launcher.InfoLanguage(), u""_s);
        QCOMPARE(launcher.ScriptName(), u""_s);
        QCOMPARE(controlsOf(launcher).label(u"Label9"_s)->caption(), u""_s);
        QCOMPARE(controlsOf(launcher).label(u"Label10"_s)->caption(), u""_s);

        // A further "&Show" does nothing until both choices are made again.
        click(launcher, u"Command3D12"_s);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
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
        QCOMPARE(launcher.InfoLanguage(), u"Bengali"_s);
    }

    void shouldShowScriptButtonsByEdition_data()
    {
        QTest::addColumn<int>("flag"); // value written into every edition flag
        QTest::addColumn<bool>("offered");
        QTest::newRow("1: offered") << 1 << true;
        QTest::newRow("2: not offered") << 2 << false;
        QTest::newRow("-1: not offered") << -1 << false;
        QTest::newRow("0: not offered") << 0 << false;
    }

    void shouldShowScriptButtonsByEdition();
};

void SelectionTest::shouldShowScriptButtonsByEdition()
{
    QFETCH(int, flag);
    QFETCH(bool, offered);
    LauncherFixture fixture;
    QVERIFY(fixture.started);
    IntroPix &launcher = fixture.launcher;
    IntroA::Edition edition = launcher.edition();
    edition.hasBengali = edition.hasDevanagari = edition.hasGujarati = edition.hasGurumukhi = qint16(flag);
    IntroPixTestAccess::setEdition(launcher, edition);
    launcher.SetCmdBtns();
    for (const QString &name : {u"Command3D2"_s, u"Command3D3"_s, u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s,
                                u"Command3D7"_s, u"Command3D14"_s, u"Command3D9"_s})
        QCOMPARE(!controlsOf(launcher).control(name)->isHidden(), offered);

    // One script alone keeps "Start &Introduction".
    edition.hasGujarati = 1;
    IntroPixTestAccess::setEdition(launcher, edition);
    launcher.SetCmdBtns();
    QVERIFY(!controlsOf(launcher).control(u"Command3D9"_s)->isHidden());
    QVERIFY(!controlsOf(launcher).control(u"Command3D6"_s)->isHidden());
    QCOMPARE(!controlsOf(launcher).control(u"Command3D5"_s)->isHidden(), offered);
}

QTEST_MAIN(SelectionTest)
#include "tst_selection.moc"
