#include "IntroPix.h"

#include "IntroPixDesign.h"
#include "about/AbKorInt.h"
#include "base/VersionRecord.h"
#include "edition/CentreWindow.h"
#include "edition/IntroA.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "introduction/IntroEng.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The timed sequence after start-up, in seconds since StartTime: the second
// logo frame shows between the first two marks, and past the last the
// program ends.
constexpr float SecondFrameFrom = 2.0f;
constexpr float SecondFrameUntil = 4.0f;
constexpr float EndAfter = 10.0f;

QString takeCaption(FormLabel &summary)
{
    const QString caption = summary.caption();
    summary.setCaption(QString());
    return caption;
}

} // namespace

IntroPix::IntroPix(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , platform_(platform)
    , controls_(FormBuilder::build(introPixDesign(), *this, platform.scriptFonts()))
    , englishButton_(controls_->named<FormButton>(u"Command3D1"_s))
    , hindiButton_(controls_->named<FormButton>(u"Command3D2"_s))
    , nepaliButton_(controls_->named<FormButton>(u"Command3D3"_s))
    , marathiButton_(controls_->named<FormButton>(u"Command3D4"_s))
    , sanskritButton_(controls_->named<FormButton>(u"Command3D14"_s))
    , bengaliButton_(controls_->named<FormButton>(u"Command3D5"_s))
    , gujaratiButton_(controls_->named<FormButton>(u"Command3D6"_s))
    , punjabiButton_(controls_->named<FormButton>(u"Command3D7"_s))
    , startButton_(controls_->named<FormButton>(u"Command3D9"_s))
    , reselectButton_(controls_->named<FormButton>(u"Command3D11"_s))
    , showButton_(controls_->named<FormButton>(u"Command3D12"_s))
    , closeButton_(controls_->named<FormButton>(u"Command3D13"_s, 0))
    , aboutButton_(controls_->named<FormButton>(u"Command3D13"_s, 1))
    , englishHeader_(controls_->named<FormLabel>(u"Label1"_s))
    , devanagariHeader_(controls_->named<FormLabel>(u"Label2"_s))
    , bengaliHeader_(controls_->named<FormLabel>(u"Label3"_s))
    , gujaratiHeader_(controls_->named<FormLabel>(u"Label4"_s))
    , gurumukhiHeader_(controls_->named<FormLabel>(u"Label5"_s))
    , languagePrompt_(controls_->named<FormLabel>(u"Label6"_s))
    , scriptPrompt_(controls_->named<FormLabel>(u"Label7"_s))
    , summaryBox_(controls_->named<FormLabel>(u"Label8"_s))
    , languageBox_(controls_->named<FormLabel>(u"Label9"_s))
    , scriptBox_(controls_->named<FormLabel>(u"Label10"_s))
    , editionLine_(controls_->named<FormLabel>(u"Label11"_s))
    , firstFrame_(controls_->named<FormPicture>(u"Picture1"_s, 0))
    , secondFrame_(controls_->named<FormPicture>(u"Picture2"_s, 1))
    , startupTimer_(controls_->namedTimer(u"Timer1"_s))
    , scriptColumns_{{
          {&hindiButton_, &devanagariHeader_, u"Hindi"_s, u"Devanagari"_s},
          {&nepaliButton_, nullptr, u"Hindi"_s, u"Devanagari"_s},
          {&bengaliButton_, &bengaliHeader_, u"Bengali"_s, u"Bengali"_s},
          {&gujaratiButton_, &gujaratiHeader_, u"Hindi"_s, u"Gujarati"_s},
          {&punjabiButton_, &gurumukhiHeader_, u"Hindi"_s, u"Gurumukhi"_s},
      }}
{
    connectHandlers();
}

IntroPix::~IntroPix() = default;

void IntroPix::connectHandlers()
{
    connect(&englishButton_, &FormButton::clicked, this, &IntroPix::Command3D1Click);
    connect(&marathiButton_, &FormButton::clicked, this, &IntroPix::Command3D4Click);
    connect(&startButton_, &FormButton::clicked, this, &IntroPix::Command3D9Click);
    connect(&reselectButton_, &FormButton::clicked, this, &IntroPix::Command3D11Click);
    connect(&showButton_, &FormButton::clicked, this, &IntroPix::Command3D12Click);
    connect(&sanskritButton_, &FormButton::clicked, this, &IntroPix::Command3D14Click);
    connect(&closeButton_, &FormButton::clicked, this, [this] { Command3D13Click(0); });
    connect(&aboutButton_, &FormButton::clicked, this, [this] { Command3D13Click(1); });

    // Column headers act like the first button of their column, in the
    // language stage only.
    const auto onHeaderClick = [this](FormLabel &header, const QString &language) {
        connect(&header, &FormLabel::clicked, this, [this, language] { chooseLanguageByHeader(language); });
    };
    onHeaderClick(englishHeader_, u"English"_s);
    for (const ScriptColumn &column : scriptColumns_) {
        connect(column.button, &FormButton::clicked, this, [this, &column] {
            chooseLanguageOrScript(column.language, column.script);
        });
        if (column.header)
            onHeaderClick(*column.header, column.language);
    }

    // The logo swap: the summary box brings back the first frame, the main
    // buttons and the edition line the second.
    connect(&summaryBox_, &FormLabel::mouseMoved, this, &IntroPix::showFirstFrame);
    connect(&editionLine_, &FormLabel::mouseMoved, this, &IntroPix::showSecondFrame);
    for (FormButton *button : {&startButton_, &showButton_, &closeButton_, &aboutButton_})
        connect(button, &FormButton::mouseMoved, this, &IntroPix::showSecondFrame);

    connect(&startupTimer_, &FormTimer::timeout, this, &IntroPix::Timer1Timer);
}

QString IntroPix::contributionNotice() const
{
    return u"KIntroA is free to use and free to pass on to others. "_s
         + u"It is kept alive by the contributions of its users. "_s
         + u'\r'
         + u"If you find it useful, please send a contribution, however small."_s
         + u'\r'
         + u"     "_s + QString::fromUtf16(VersionRecord::EmailAddress);
}

bool IntroPix::load()
{
    if (platform_.anotherInstanceRunning()) {
        const auto answer = platform_.askYesNo(u"Open another instance?"_s,
                                               u"Already open! - "_s + QString::fromUtf16(VersionRecord::ProductName),
                                               Platform::Answer::No);
        if (answer == Platform::Answer::No) {
            platform_.terminateNow();
            return false;
        }
    }

    IntroA::CentreWindow(*this, platform_);

    secondFrame_.hide();
    firstFrame_.show();

    edition_ = IntroA::SetEdition();
    editionLine_.setCaption(edition_.shownName());

    startupTimer_.setEnabled(false);
    StartTime_ = platform_.secondsSinceMidnight();

    platform_.tell(contributionNotice(), QString::fromUtf16(VersionRecord::Title));
    return true;
}

void IntroPix::showFirstFrame()
{
    firstFrame_.show();
    secondFrame_.hide();
}

void IntroPix::showSecondFrame()
{
    firstFrame_.hide();
    secondFrame_.show();
}

void IntroPix::ShowLanguageChoice()
{
    showSecondFrame();
    startButton_.hide();
    for (FormLabel *label : {&englishHeader_, &devanagariHeader_, &bengaliHeader_, &gujaratiHeader_,
                             &gurumukhiHeader_, &languagePrompt_})
        label->show();
    // The script prompt lies in front of the language prompt: whenever the
    // language stage opens, the language prompt must be the one seen.
    scriptPrompt_.hide();
    englishButton_.show();
    reselectButton_.hide();
    showButton_.show();
    SetCmdBtns();
    InfoLanguage_ = QString(u""_s);
    ScriptName_ = QString(u""_s);
    for (FormLabel *label : {&summaryBox_, &languageBox_, &scriptBox_})
        label->show();
}

void IntroPix::SetCmdBtns()
{
    showOfferedScripts();
}

void IntroPix::showOfferedScripts()
{
    bengaliButton_.setVisible(edition_.offersBengali());
    for (FormButton *button : {&hindiButton_, &nepaliButton_, &marathiButton_, &sanskritButton_})
        button->setVisible(edition_.offersDevanagari());
    gujaratiButton_.setVisible(edition_.offersGujarati());
    punjabiButton_.setVisible(edition_.offersGurumukhi());
    startButton_.setVisible(edition_.offersAnyScript());
}

void IntroPix::ShowScriptChoice()
{
    englishButton_.hide();
    englishHeader_.hide();
    languagePrompt_.hide();
    scriptPrompt_.show();
    marathiButton_.show();
    sanskritButton_.show();
    languageBox_.setCaption(InfoLanguage_);
    reselectButton_.show();
}

void IntroPix::ShowChosenScript()
{
    scriptPrompt_.hide();
    scriptBox_.setCaption(ScriptName_);
    for (FormLabel *header : {&devanagariHeader_, &bengaliHeader_, &gujaratiHeader_, &gurumukhiHeader_})
        header->hide();
    for (FormButton *button : scriptButtons())
        button->hide();
}

// A stage change hides and shows buttons, and hiding the focused one would
// pass the focus on through the buttons beside it, each spoken by a screen
// reader. So the focus waits (focusNextPrevChild) until the stage stands and
// then goes straight to where the stage begins.
void IntroPix::changeStage(const std::function<void()> &change)
{
    {
        const QScopedValueRollback holdFocus(changingStage_, true);
        change();
    }
    guideToStage();
}

bool IntroPix::focusNextPrevChild(bool next)
{
    if (changingStage_)
        return true;
    return QWidget::focusNextPrevChild(next);
}

// The prompt in sight names the stage and comes just before the stage's
// first button; once both choices are made and no prompt is shown, "Show" is
// next, and tells what it will show.
void IntroPix::guideToStage()
{
    const bool chosen = !InfoLanguage_.isEmpty() && !ScriptName_.isEmpty();
    showButton_.setAccessibleDescription(chosen ? spokenSummary() : QString());
    FormLabel *prompt = shownPrompt();
    FormButton *first = prompt ? firstOfferedChoice() : nullptr;
    if (first) {
        QWidget *before = first->previousInFocusChain();
        if (before == prompt)
            before = prompt->previousInFocusChain();
        promptStop_.place(*before, {prompt});
        if (!promptStop_.focusFirst())
            first->setFocus(Qt::OtherFocusReason);
        return;
    }
    promptStop_.clear();
    if (chosen)
        showButton_.setFocus(Qt::OtherFocusReason);
    else if (QWidget *focused = focusWidget(); focused && focused->isHidden())
        QWidget::focusNextPrevChild(true);
}

FormLabel *IntroPix::shownPrompt() const
{
    // The script prompt lies in front of the language prompt.
    if (!scriptPrompt_.isHidden())
        return &scriptPrompt_;
    if (!languagePrompt_.isHidden())
        return &languagePrompt_;
    return nullptr;
}

// The first choice button in sight, in the design's Tab order.
FormButton *IntroPix::firstOfferedChoice()
{
    const std::array<FormButton *, 7> scripts = scriptButtons();
    for (QWidget *widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (widget->isHidden())
            continue;
        if (widget == &englishButton_ || std::ranges::find(scripts, widget) != scripts.end())
            return static_cast<FormButton *>(widget);
    }
    return nullptr;
}

// The buttons under the script headers: in the language stage they choose
// the information language, in the script stage the script.
std::array<FormButton *, 7> IntroPix::scriptButtons() const
{
    return {&hindiButton_,   &nepaliButton_,   &marathiButton_, &sanskritButton_,
            &bengaliButton_, &gujaratiButton_, &punjabiButton_};
}

// "Introduction in English about the script for Devanagari": the summary box
// read with the names it shows.
QString IntroPix::spokenSummary() const
{
    return summaryOpening() + u' ' + languageBox_.spokenText() + u' ' + summaryClosing() + u' '
         + scriptBox_.spokenText();
}

void IntroPix::chooseLanguage(const QString &language)
{
    changeStage([&] {
        InfoLanguage_ = language;
        ShowScriptChoice();
    });
}

void IntroPix::chooseScript(const QString &script)
{
    changeStage([&] {
        ScriptName_ = script;
        ShowChosenScript();
    });
}

void IntroPix::chooseLanguageOrScript(const QString &language, const QString &script)
{
    if (InfoLanguage_.isEmpty())
        chooseLanguage(language);
    else
        chooseScript(script);
}

void IntroPix::chooseLanguageByHeader(const QString &language)
{
    if (InfoLanguage_.isEmpty())
        chooseLanguage(language);
}

// "Start Introduction": the language stage, with empty summary boxes.
void IntroPix::startIntroduction()
{
    changeStage([this] {
        languageBox_.setCaption(QString());
        scriptBox_.setCaption(QString());
        ShowLanguageChoice();
    });
}

// "Reselect?": back to the language stage from wherever the choice stands.
void IntroPix::startChoiceAgain()
{
    changeStage([this] {
        ShowLanguageChoice();
        // The edition's buttons are back; the Marathi button belongs to the
        // script stage only.
        marathiButton_.hide();
        languageBox_.setCaption(QString());
        scriptBox_.setCaption(QString());
    });
}

// "Show": the introduction window, modal, for a complete choice only.
void IntroPix::showIntroduction()
{
    if (InfoLanguage_.isEmpty() || ScriptName_.isEmpty())
        return;
    {
        const QScopedValueRollback holdFocus(changingStage_, true);
        ShowLanguageChoice();
    }
    IntroEng introduction(platform_, *this, this);
    introduction.load();
    {
        const QScopedValueRollback open(introductionOpen_, true);
        introduction.exec();
    }
    // Back in the language stage; its prompt is heard on the way back, not
    // before the introduction. Where the launcher lost its activation to the
    // introduction, the focus is already there (changeEvent).
    guideToStage();
}

// Some window systems give the activation back to the launcher while the
// introduction is still closing, and the focus with it, before exec()
// returns. A screen reader would then hear "Show" before the prompt. So the
// focus moves to the stage while the introduction is in front, where a
// focus change in the launcher is silent, and comes back with the activation.
void IntroPix::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && introductionOpen_ && !isActiveWindow())
        guideToStage();
}

void IntroPix::showAbout()
{
    AbKorInt about(platform_, edition_, this);
    about.load();
    about.exec();
}

void IntroPix::closeLauncher()
{
    secondFrame_.hide();
    firstFrame_.hide();
    close();
}

void IntroPix::Command3D1Click()
{
    chooseLanguage(u"English"_s);
}

void IntroPix::Command3D4Click()
{
    chooseScript(u"Devanagari"_s);
}

void IntroPix::Command3D14Click()
{
    chooseScript(u"Devanagari"_s);
}

void IntroPix::Command3D9Click()
{
    startIntroduction();
}

void IntroPix::Command3D11Click()
{
    startChoiceAgain();
}

void IntroPix::Command3D12Click()
{
    showIntroduction();
}

void IntroPix::Command3D13Click(int index)
{
    if (index == 0)
        closeLauncher();
    else if (index == 1)
        showAbout();
}

QString IntroPix::takeLanguageCaption()
{
    return takeCaption(languageBox_);
}

QString IntroPix::takeScriptCaption()
{
    return takeCaption(scriptBox_);
}

// What "Restart Introduction" leaves behind: the second logo frame shown.
void IntroPix::showRestartState()
{
    secondFrame_.show();
}

void IntroPix::Timer1Timer()
{
    startupTick();
}

void IntroPix::startupTick()
{
    // The clock is read afresh for every comparison, and both bounds of the
    // first test are evaluated, as the timed sequence was always written.
    const auto elapsed = [this] { return platform_.secondsSinceMidnight() - StartTime_; };
    const bool afterStart = elapsed() > SecondFrameFrom;
    const bool beforeEnd = elapsed() < SecondFrameUntil;
    if (afterStart && beforeEnd) {
        showSecondFrame();
    } else if (elapsed() > EndAfter) {
        startupTimer_.setEnabled(false);
        platform_.terminateNow();
    }
}

void IntroPix::closeEvent(QCloseEvent *event)
{
    event->accept();
    platform_.terminateNow();
}

void IntroPix::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    showFirstFrame();
}
