#include "IntroPix.h"

#include "IntroPixDesign.h"
#include "about/AbKorInt.h"
#include "base/VersionRecord.h"
#include "edition/CentreWindow.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"
#include "forms/Shortcuts.h"
#include "introduction/IntroEng.h"
#include "practice/KeyingPractice.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QShortcut>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The timed sequence after start-up, in seconds since StartTime: the second
// logo frame shows between the first two marks, and past the last the
// program ends.
constexpr float SecondFrameFrom = 2.0f;
constexpr float SecondFrameUntil = 4.0f;
constexpr float EndAfter = 10.0f;

// The choice's buttons and column headers by their design names, in the
// order of LauncherChoice::Button and LauncherChoice::Column.
constexpr std::array<QStringView, LauncherChoice::ButtonCount> ChoiceButtonNames{
    u"Command3D1", u"Command3D2", u"Command3D3", u"Command3D4",
    u"Command3D14", u"Command3D5", u"Command3D6", u"Command3D7"};
constexpr std::array<QStringView, LauncherChoice::ColumnCount> HeaderNames{u"Label1", u"Label2", u"Label3", u"Label4",
                                                                          u"Label5"};

template<typename Control, std::size_t Count>
std::array<Control *, Count> namedAll(const FormControls &controls, const std::array<QStringView, Count> &names)
{
    std::array<Control *, Count> found;
    std::ranges::transform(names, found.begin(), [&controls](QStringView name) {
        return &controls.named<Control>(name.toString());
    });
    return found;
}

} // namespace

IntroPix::IntroPix(Platform &platform, const IntroA::Edition &edition, QWidget *parent)
    : QWidget(parent)
    , platform_(platform)
    , controls_(FormBuilder::build(introPixDesign(), *this, platform.scriptFonts()))
    , choice_(edition)
    , choiceButtons_(namedAll<FormButton>(*controls_, ChoiceButtonNames))
    , headers_(namedAll<FormLabel>(*controls_, HeaderNames))
    , startButton_(controls_->named<FormButton>(u"Command3D9"_s))
    , reselectButton_(controls_->named<FormButton>(u"Command3D11"_s))
    , showButton_(controls_->named<FormButton>(u"Command3D12"_s))
    , closeButton_(controls_->named<FormButton>(u"Command3D13"_s, 0))
    , aboutButton_(controls_->named<FormButton>(u"Command3D13"_s, 1))
    , practiceButton_(controls_->named<FormButton>(u"practiceButton"_s))
    , languagePrompt_(controls_->named<FormLabel>(u"Label6"_s))
    , scriptPrompt_(controls_->named<FormLabel>(u"Label7"_s))
    , summaryBox_(controls_->named<FormLabel>(u"Label8"_s))
    , languageBox_(controls_->named<FormLabel>(u"Label9"_s))
    , scriptBox_(controls_->named<FormLabel>(u"Label10"_s))
    , editionLine_(controls_->named<FormLabel>(u"Label11"_s))
    , firstFrame_(controls_->named<FormPicture>(u"Picture1"_s, 0))
    , secondFrame_(controls_->named<FormPicture>(u"Picture2"_s, 1))
    , startupTimer_(controls_->namedTimer(u"Timer1"_s))
{
    for (int i = 0; i < LauncherChoice::ButtonCount; ++i)
        choiceButtons_[std::size_t(i)]->setAccessibleDescription(LauncherChoice::description(Button(i)));
    connectHandlers();
}

IntroPix::~IntroPix() = default;

void IntroPix::connectHandlers()
{
    for (int i = 0; i < LauncherChoice::ButtonCount; ++i)
        connect(choiceButtons_[std::size_t(i)], &FormButton::clicked, this,
                [this, i] { choiceButtonClick(Button(i)); });
    for (int i = 0; i < LauncherChoice::ColumnCount; ++i)
        connect(headers_[std::size_t(i)], &FormLabel::clicked, this, [this, i] { headerClick(Column(i)); });
    connect(&startButton_, &FormButton::clicked, this, &IntroPix::Command3D9Click);
    connect(&reselectButton_, &FormButton::clicked, this, &IntroPix::Command3D11Click);
    connect(&showButton_, &FormButton::clicked, this, &IntroPix::Command3D12Click);
    connect(&closeButton_, &FormButton::clicked, this, [this] { Command3D13Click(0); });
    connect(&aboutButton_, &FormButton::clicked, this, [this] { Command3D13Click(1); });
    connect(&practiceButton_, &FormButton::clicked, this, &IntroPix::openPractice);
    connect(new QShortcut(practiceShortcut(), this), &QShortcut::activated, this, &IntroPix::openPractice);

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

    editionLine_.setCaption(choice_.edition().shownName());

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

void IntroPix::apply(LauncherChoice::Change change)
{
    using Change = LauncherChoice::Change;
    switch (change) {
    case Change::Nothing:
        return;
    case Change::NewStage:
        drawChoice(Focus::IntoStage);
        return;
    case Change::Restart:
        showSecondFrame();
        drawChoice(Focus::IntoStage);
        return;
    }
}

// Whatever the stage shows is shown first and whatever it hides is hidden
// last, with the focus moved in between: hiding the focused control would
// pass the focus on through the controls beside it, each heard by a screen
// reader.
void IntroPix::drawChoice(Focus focus)
{
    toHide_.clear();
    SetCmdBtns();
    for (int i = 0; i < LauncherChoice::ColumnCount; ++i)
        setShown(*headers_[std::size_t(i)], choice_.showsHeader(Column(i)));
    setShown(languagePrompt_, choice_.prompt() == LauncherChoice::Prompt::Language);
    setShown(scriptPrompt_, choice_.prompt() == LauncherChoice::Prompt::Script);
    setShown(reselectButton_, choice_.offersReselect());
    for (QWidget *control : std::initializer_list<QWidget *>{&showButton_, &summaryBox_, &languageBox_, &scriptBox_})
        setShown(*control, choice_.showsSummary());
    drawSummary();

    if (focus == Focus::IntoStage)
        leadIntoStage();
    else if (std::ranges::find(toHide_, focusWidget()) != toHide_.end())
        showButton_.setFocus(Qt::OtherFocusReason);
    for (QWidget *control : std::exchange(toHide_, {}))
        control->hide();
}

// The script buttons, and "Start Introduction", as the edition and the stage offer them.
void IntroPix::SetCmdBtns()
{
    for (int i = 0; i < LauncherChoice::ButtonCount; ++i)
        setShown(*choiceButtons_[std::size_t(i)], choice_.offers(Button(i)));
    setShown(startButton_, choice_.offersStart());
}

void IntroPix::setShown(QWidget &control, bool shown)
{
    if (shown)
        control.show();
    else
        toHide_.push_back(&control);
}

void IntroPix::drawSummary()
{
    languageBox_.setCaption(choice_.languageCaption());
    scriptBox_.setCaption(choice_.scriptCaption());
}

// The prompt in sight names the stage and comes just before the stage's
// first button; once both choices are made and no prompt is shown, "Show" is
// next, and tells what it will show.
void IntroPix::leadIntoStage()
{
    showButton_.setAccessibleDescription(choice_.summary());
    const LauncherChoice::Prompt shown = choice_.prompt();
    FormButton *first = shown == LauncherChoice::Prompt::None ? nullptr : firstOfferedButton();
    if (!first) {
        promptStop_.clear();
        if (choice_.complete())
            showButton_.setFocus(Qt::OtherFocusReason);
        return;
    }
    FormLabel &prompt = shown == LauncherChoice::Prompt::Script ? scriptPrompt_ : languagePrompt_;
    QWidget *before = first->previousInFocusChain();
    if (before == &prompt)
        before = prompt.previousInFocusChain();
    promptStop_.place(*before, {&prompt});
    if (!promptStop_.focusFirst())
        first->setFocus(Qt::OtherFocusReason);
}

// The first button that the stage offers, in the design's Tab order.
FormButton *IntroPix::firstOfferedButton() const
{
    for (QWidget *widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        const auto button = std::ranges::find(choiceButtons_, widget);
        if (button != choiceButtons_.end() && choice_.offers(Button(button - choiceButtons_.begin())))
            return *button;
    }
    return nullptr;
}

// The introduction, modal, over the language stage that "Show" has begun.
// The stage's prompt is heard on the way back, not before the introduction.
void IntroPix::showIntroduction(const IntroductionChoice &chosen)
{
    showSecondFrame();
    drawChoice(Focus::Stays);
    IntroEng introduction(platform_, *this, chosen, this);
    introduction.load();
    introductionOpen_ = true;
    introduction.exec();
    introductionOpen_ = false;
    leadIntoStage();
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
        leadIntoStage();
}

void IntroPix::showAbout()
{
    AbKorInt about(platform_, choice_.edition(), this);
    about.load();
    about.exec();
}

// From the launcher, the practice opens on what is chosen so far: the
// language its captions are in, English where none is, and the script, else
// that of the language.
void IntroPix::openPractice()
{
    const InfoLanguage language = choice_.language().value_or(InfoLanguage::English);
    const LegacyFont languageScript = language == InfoLanguage::Bengali ? LegacyFont::Bengali : LegacyFont::Devanagari;
    showPractice({language, choice_.script().value_or(languageScript)}, *this);
}

void IntroPix::showPractice(const IntroductionChoice &choice, QWidget &over)
{
    KeyingPractice practice(platform_, choice.language, choice.script, &over);
    practice.load();
    practice.exec();
}

void IntroPix::closeLauncher()
{
    secondFrame_.hide();
    firstFrame_.hide();
    close();
}

void IntroPix::choiceButtonClick(Button button)
{
    apply(choice_.press(button));
}

// The column headers act in the language stage only.
void IntroPix::headerClick(Column column)
{
    apply(choice_.pressHeader(column));
}

void IntroPix::Command3D9Click()
{
    apply(choice_.start());
}

void IntroPix::Command3D11Click()
{
    apply(choice_.reselect());
}

void IntroPix::Command3D12Click()
{
    if (const std::optional<IntroductionChoice> chosen = choice_.show())
        showIntroduction(*chosen);
}

void IntroPix::Command3D13Click(int index)
{
    if (index == 0)
        closeLauncher();
    else if (index == 1)
        showAbout();
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
