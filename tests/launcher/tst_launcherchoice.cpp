#include "edition/IntroA.h"
#include "launcher/LauncherChoice.h"
#include "support/Choices.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Button = LauncherChoice::Button;
using Change = LauncherChoice::Change;
using Column = LauncherChoice::Column;
using Prompt = LauncherChoice::Prompt;
using Stage = LauncherChoice::Stage;

Q_DECLARE_METATYPE(Stage)
Q_DECLARE_METATYPE(Prompt)
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(IntroA::Edition)

namespace {

const QStringList ButtonNames{u"English"_s, u"Hindi"_s,   u"Nepali"_s,   u"Marathi"_s,
                              u"Sanskrit"_s, u"Bengali"_s, u"Gujarati"_s, u"Punjabi"_s};
const QStringList ColumnNames{u"English"_s, u"Devanagari"_s, u"Bengali"_s, u"Gujarati"_s, u"Gurumukhi"_s};

// A step is "start", "reselect", "show", a button's name or "header NAME".
// "Show", where it hands over, begins the choice again.
Change take(LauncherChoice &choice, const QString &step)
{
    if (step == u"start"_s)
        return choice.start();
    if (step == u"reselect"_s)
        return choice.reselect();
    if (step == u"show"_s)
        return choice.show() ? Change::Restart : Change::Nothing;
    if (step.startsWith(u"header "_s))
        return choice.pressHeader(Column(ColumnNames.indexOf(step.mid(7))));
    const qsizetype button = ButtonNames.indexOf(step);
    if (button < 0)
        qFatal("unknown step %s", qPrintable(step));
    return choice.press(Button(button));
}

LauncherChoice after(const QStringList &steps, const IntroA::Edition &edition = IntroA::SetEdition())
{
    LauncherChoice choice(edition);
    for (const QString &step : steps)
        take(choice, step);
    return choice;
}

QStringList offeredButtons(const LauncherChoice &choice)
{
    QStringList offered;
    for (int i = 0; i < LauncherChoice::ButtonCount; ++i)
        if (choice.offers(Button(i)))
            offered.append(ButtonNames[i]);
    return offered;
}

QStringList shownHeaders(const LauncherChoice &choice)
{
    QStringList shown;
    for (int i = 0; i < LauncherChoice::ColumnCount; ++i)
        if (choice.showsHeader(Column(i)))
            shown.append(ColumnNames[i]);
    return shown;
}

IntroA::Edition editionWithFlags(qint16 bengali, qint16 devanagari, qint16 gujarati, qint16 gurumukhi)
{
    IntroA::Edition edition = IntroA::SetEdition();
    edition.hasBengali = bengali;
    edition.hasDevanagari = devanagari;
    edition.hasGujarati = gujarati;
    edition.hasGurumukhi = gurumukhi;
    return edition;
}

// Paths that reach every stage, in each of its forms.
const QList<QStringList> PathsToEveryStage{
    {},
    {u"start"_s},
    {u"start"_s, u"English"_s, u"reselect"_s},
    {u"start"_s, u"Bengali"_s},
    {u"start"_s, u"Sanskrit"_s},
    {u"start"_s, u"Marathi"_s, u"English"_s},
    {u"start"_s, u"Hindi"_s, u"Punjabi"_s},
    {u"start"_s, u"Hindi"_s, u"Punjabi"_s, u"show"_s},
};

} // namespace

// The launcher's two-stage choice without its window: where every press
// leads, what each stage offers, and what "Show" hands over.
class LauncherChoiceTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldFollowEveryPath_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("script");

        const auto row = [](const char *tag, const QStringList &steps, Stage stage, const QString &language = {},
                            const QString &script = {}) {
            QTest::newRow(tag) << steps << stage << language << script;
        };
        row("nothing pressed", {}, Stage::Welcome);
        row("Start", {u"start"_s}, Stage::Language);
        row("a language", {u"start"_s, u"Bengali"_s}, Stage::Script, u"Bengali"_s);
        row("a language by a header", {u"start"_s, u"header Gujarati"_s}, Stage::Script, u"Hindi"_s);
        row("then a script", {u"start"_s, u"Bengali"_s, u"Punjabi"_s}, Stage::Ready, u"Bengali"_s, u"Gurumukhi"_s);
        row("a header once a language is chosen: nothing", {u"start"_s, u"Bengali"_s, u"header Bengali"_s},
            Stage::Script, u"Bengali"_s);
        row("Marathi first", {u"start"_s, u"Marathi"_s}, Stage::ScriptFirst, {}, u"Devanagari"_s);
        row("Sanskrit first", {u"start"_s, u"Sanskrit"_s}, Stage::ScriptFirst, {}, u"Devanagari"_s);
        row("English after the script", {u"start"_s, u"Marathi"_s, u"English"_s}, Stage::ScriptConfirm,
            u"English"_s, u"Devanagari"_s);
        row("English header after the script", {u"start"_s, u"Sanskrit"_s, u"header English"_s},
            Stage::ScriptConfirm, u"English"_s, u"Devanagari"_s);
        row("Devanagari confirmed", {u"start"_s, u"Marathi"_s, u"English"_s, u"Sanskrit"_s}, Stage::Ready,
            u"English"_s, u"Devanagari"_s);

        for (const QStringList &path : PathsToEveryStage.mid(2))
            QTest::addRow("Start again after %s", qPrintable(path.mid(1).join(u", "_s)))
                << path + QStringList{u"start"_s} << Stage::Language << QString() << QString();
        row("Reselect in the script stage", {u"start"_s, u"English"_s, u"reselect"_s}, Stage::Language);
        row("Reselect when ready", {u"start"_s, u"Hindi"_s, u"Punjabi"_s, u"reselect"_s}, Stage::Language);
        row("Reselect after the script first", {u"start"_s, u"Marathi"_s, u"English"_s, u"reselect"_s},
            Stage::Language);
        row("Show without a script: nothing", {u"start"_s, u"English"_s, u"show"_s}, Stage::Script, u"English"_s);
        row("Show without a language: nothing", {u"start"_s, u"Sanskrit"_s, u"show"_s}, Stage::ScriptFirst, {},
            u"Devanagari"_s);
        row("Show: back to the language stage", {u"start"_s, u"English"_s, u"Gujarati"_s, u"show"_s},
            Stage::Language);
    }

    // The summary boxes show what is chosen.
    void shouldFollowEveryPath()
    {
        QFETCH(QStringList, steps);
        QFETCH(Stage, stage);
        QFETCH(QString, language);
        QFETCH(QString, script);

        const LauncherChoice choice = after(steps);
        QCOMPARE(choice.stage(), stage);
        QCOMPARE(choice.language() ? designedName(*choice.language()) : QString(), language);
        QCOMPARE(choice.script() ? designedName(*choice.script()) : QString(), script);
        QCOMPARE(choice.complete(), !language.isEmpty() && !script.isEmpty());
        QCOMPARE(choice.languageCaption(), language);
        QCOMPARE(choice.scriptCaption(), script);
    }

    void shouldOfferWhatTheStageShows_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<bool>("headersAct"); // while no language is chosen
        QTest::addColumn<Prompt>("prompt");
        QTest::addColumn<bool>("reselect");
        QTest::addColumn<bool>("handsOver");

        const QStringList allHeaders = ColumnNames;
        const QStringList scriptHeaders = ColumnNames.mid(1);
        QStringList afterReselect = ButtonNames;
        afterReselect.removeOne(u"Marathi"_s);
        QTest::newRow("welcome") << QStringList{} << QStringList{} << QStringList{} << false << Prompt::None << false
                                 << false;
        QTest::newRow("language") << QStringList{u"start"_s} << ButtonNames << allHeaders << true << Prompt::Language
                                  << false << false;
        QTest::newRow("language after Reselect")
            << QStringList{u"start"_s, u"Hindi"_s, u"reselect"_s} << afterReselect << allHeaders << true
            << Prompt::Language << false << false;
        QTest::newRow("language after Reselect and Start")
            << QStringList{u"start"_s, u"Hindi"_s, u"reselect"_s, u"start"_s} << ButtonNames << allHeaders << true
            << Prompt::Language << false << false;
        QTest::newRow("script") << QStringList{u"start"_s, u"English"_s} << ButtonNames.mid(1) << scriptHeaders
                                << false << Prompt::Script << true << false;
        QTest::newRow("script after Reselect: Marathi is back")
            << QStringList{u"start"_s, u"Bengali"_s, u"reselect"_s, u"Bengali"_s} << ButtonNames.mid(1)
            << scriptHeaders << false << Prompt::Script << true << false;
        QTest::newRow("script first") << QStringList{u"start"_s, u"Marathi"_s} << QStringList{u"English"_s}
                                      << QStringList{u"English"_s} << true << Prompt::Language << false << false;
        QTest::newRow("script to confirm")
            << QStringList{u"start"_s, u"Marathi"_s, u"English"_s} << QStringList{u"Marathi"_s, u"Sanskrit"_s}
            << QStringList{} << false << Prompt::Script << true << true;
        QTest::newRow("ready") << QStringList{u"start"_s, u"English"_s, u"Hindi"_s} << QStringList{}
                               << QStringList{} << false << Prompt::None << true << true;
        QTest::newRow("back from the introduction")
            << QStringList{u"start"_s, u"English"_s, u"Hindi"_s, u"show"_s} << ButtonNames << allHeaders << true
            << Prompt::Language << false << false;
    }

    // What a stage shows is what acts: a press on anything else changes
    // nothing, and "Show" hands over only once both are chosen.
    void shouldOfferWhatTheStageShows()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, headers);
        QFETCH(bool, headersAct);
        QFETCH(Prompt, prompt);
        QFETCH(bool, reselect);
        QFETCH(bool, handsOver);

        const LauncherChoice choice = after(steps);
        QCOMPARE(offeredButtons(choice), buttons);
        QCOMPARE(shownHeaders(choice), headers);
        QCOMPARE(choice.prompt(), prompt);
        QCOMPARE(choice.offersReselect(), reselect);
        QCOMPARE(choice.showsSummary(), !steps.isEmpty());
        QVERIFY(choice.offersStart());

        for (int i = 0; i < LauncherChoice::ButtonCount; ++i) {
            LauncherChoice pressed = choice;
            const bool shown = buttons.contains(ButtonNames[i]);
            QCOMPARE(pressed.press(Button(i)), shown ? Change::NewStage : Change::Nothing);
            QCOMPARE(pressed.stage() != choice.stage(), shown);
            if (!shown) {
                QCOMPARE(pressed.language(), choice.language());
                QCOMPARE(pressed.script(), choice.script());
            }
        }
        for (int i = 0; i < LauncherChoice::ColumnCount; ++i) {
            LauncherChoice pressed = choice;
            const bool acts = headersAct && headers.contains(ColumnNames[i]);
            QCOMPARE(pressed.pressHeader(Column(i)), acts ? Change::NewStage : Change::Nothing);
            QCOMPARE(pressed.stage() != choice.stage(), acts);
        }
        LauncherChoice pressed = choice;
        QCOMPARE(pressed.reselect(), reselect ? Change::Restart : Change::Nothing);
        pressed = choice;
        QCOMPARE(pressed.show().has_value(), handsOver);
        pressed = choice;
        QCOMPARE(pressed.start(), Change::Restart);
        QCOMPARE(pressed.stage(), Stage::Language);
    }

    // "Show" hands over what the summary names, once, and empties it.
    void shouldHandOverTheSummarysPairOnce()
    {
        LauncherChoice choice = after({u"start"_s, u"Bengali"_s, u"Punjabi"_s});
        QCOMPARE(choice.summary(), u"Introduction in Bengali about the script for Gurumukhi"_s);

        const std::optional<IntroductionChoice> handedOver = choice.show();
        QVERIFY(handedOver);
        QCOMPARE(handedOver->language, InfoLanguage::Bengali);
        QCOMPARE(handedOver->script, LegacyFont::Gurumukhi);
        QCOMPARE(choice.summary(), QString());
        QCOMPARE(choice.languageCaption(), QString());
        QCOMPARE(choice.scriptCaption(), QString());
        QVERIFY(!choice.show());

        const LauncherChoice confirm = after({u"start"_s, u"Sanskrit"_s, u"English"_s});
        QCOMPARE(confirm.summary(), u"Introduction in English about the script for Devanagari"_s);
    }

    void shouldDescribeWhatEachButtonChooses_data()
    {
        QTest::addColumn<int>("button");
        for (int i = 0; i < LauncherChoice::ButtonCount; ++i)
            QTest::addRow("%s", qPrintable(ButtonNames[i])) << i;
    }

    // A listener hears what a press will choose, in either stage.
    void shouldDescribeWhatEachButtonChooses()
    {
        QFETCH(int, button);
        const QString description = LauncherChoice::description(Button(button));
        LauncherChoice inLanguageStage = after({u"start"_s});
        inLanguageStage.press(Button(button));
        if (const auto language = inLanguageStage.language())
            QVERIFY2(description.isEmpty() ? *language == InfoLanguage::English
                                           : description.startsWith(u"Shows the information in "_s
                                                                    + designedName(*language) + u"; "_s),
                     qPrintable(description));
        else
            QCOMPARE(description, u"Chooses the "_s + designedName(*inLanguageStage.script()) + u" script"_s);

        LauncherChoice inScriptStage = after({u"start"_s, u"English"_s});
        if (inScriptStage.press(Button(button)) != Change::Nothing)
            QVERIFY2(description.endsWith(u"hooses the "_s + designedName(*inScriptStage.script()) + u" script"_s),
                     qPrintable(description));
    }

    void shouldOfferTheEditionsScripts_data()
    {
        QTest::addColumn<IntroA::Edition>("edition");
        QTest::addColumn<QStringList>("languageStage");
        QTest::addColumn<QStringList>("scriptStage");
        QTest::addColumn<bool>("start");

        const QStringList devanagariTwo{u"Marathi"_s, u"Sanskrit"_s};
        for (const qint16 flag : {2, -1, 0})
            QTest::addRow("every flag %d: no script", int(flag))
                << editionWithFlags(flag, flag, flag, flag) << QStringList{u"English"_s} << devanagariTwo << false;
        QTest::newRow("Gujarati alone") << editionWithFlags(0, 0, 1, 0)
                                        << QStringList{u"English"_s, u"Gujarati"_s}
                                        << QStringList{u"Marathi"_s, u"Sanskrit"_s, u"Gujarati"_s} << true;
        QTest::newRow("Bengali and Gurumukhi")
            << editionWithFlags(1, 0, 0, 1) << QStringList{u"English"_s, u"Bengali"_s, u"Punjabi"_s}
            << QStringList{u"Marathi"_s, u"Sanskrit"_s, u"Bengali"_s, u"Punjabi"_s} << true;
    }

    // The edition decides the script buttons of the language stage; the
    // script stage always offers the two Devanagari buttons that choose the
    // script only. "Start Introduction" stays only where a script is offered.
    void shouldOfferTheEditionsScripts()
    {
        QFETCH(IntroA::Edition, edition);
        QFETCH(QStringList, languageStage);
        QFETCH(QStringList, scriptStage);
        QFETCH(bool, start);

        LauncherChoice choice(edition);
        QVERIFY(choice.offersStart());
        choice.start();
        QCOMPARE(offeredButtons(choice), languageStage);
        QCOMPARE(choice.offersStart(), start);
        QCOMPARE(shownHeaders(choice), ColumnNames);

        // A header chooses as its first button would, offered or not.
        LauncherChoice byHeader = choice;
        QCOMPARE(byHeader.pressHeader(Column::Devanagari), Change::NewStage);
        QCOMPARE(byHeader.language(), InfoLanguage::Hindi);

        choice.press(Button::English);
        QCOMPARE(offeredButtons(choice), scriptStage);
    }
};

QTEST_GUILESS_MAIN(LauncherChoiceTest)
#include "tst_launcherchoice.moc"
