#include "IntroPix.h"

#include "IntroPixDesign.h"
#include "VersionRecord.h"
#include "about/AbKorInt.h"
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

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The script columns. In the language stage a column's button, and its header
// where it has one, chooses the information language its script is read in;
// once a language is chosen the button chooses the script.
struct ScriptColumn {
    QString button;
    QString header;
    QString language;
    QString script;
};

const std::array<ScriptColumn, 5> &scriptColumns()
{
    static const std::array<ScriptColumn, 5> columns{{
        {u"Command3D2"_s, u"Label2"_s, u"Hindi"_s, u"Devanagari"_s},
        {u"Command3D3"_s, {}, u"Hindi"_s, u"Devanagari"_s},
        {u"Command3D5"_s, u"Label3"_s, u"Bengali"_s, u"Bengali"_s},
        {u"Command3D6"_s, u"Label4"_s, u"Hindi"_s, u"Gujarati"_s},
        {u"Command3D7"_s, u"Label5"_s, u"Hindi"_s, u"Gurumukhi"_s},
    }};
    return columns;
}

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
{
    connectHandlers();
}

IntroPix::~IntroPix() = default;

FormLabel &IntroPix::label(const QString &name) const
{
    return *controls_->label(name);
}

FormButton &IntroPix::button(const QString &name, int index) const
{
    return *controls_->button(name, index);
}

void IntroPix::connectHandlers()
{
    const auto onClick = [this](const QString &name, void (IntroPix::*handler)()) {
        connect(&button(name), &FormButton::clicked, this, handler);
    };
    onClick(u"Command3D1"_s, &IntroPix::Command3D1Click);
    onClick(u"Command3D4"_s, &IntroPix::Command3D4Click);
    onClick(u"Command3D9"_s, &IntroPix::Command3D9Click);
    onClick(u"Command3D11"_s, &IntroPix::Command3D11Click);
    onClick(u"Command3D12"_s, &IntroPix::Command3D12Click);
    onClick(u"Command3D14"_s, &IntroPix::Command3D14Click);
    for (const int index : {0, 1})
        connect(&button(u"Command3D13"_s, index), &FormButton::clicked, this, [this, index] { Command3D13Click(index); });

    // Column headers act like the first button of their column, in the
    // language stage only.
    const auto onHeaderClick = [this](const QString &name, const QString &language) {
        connect(&label(name), &FormLabel::clicked, this, [this, language] { headerClick(language); });
    };
    onHeaderClick(u"Label1"_s, u"English"_s);
    for (const ScriptColumn &column : scriptColumns()) {
        connect(&button(column.button), &FormButton::clicked, this, [this, &column] {
            chooseLanguageOrScript(column.language, column.script);
        });
        if (!column.header.isEmpty())
            onHeaderClick(column.header, column.language);
    }

    // The logo swap: the summary box brings back the first frame, the main
    // buttons and the edition line the second.
    connect(&label(u"Label8"_s), &FormLabel::mouseMoved, this, &IntroPix::showFirstFrame);
    connect(&label(u"Label11"_s), &FormLabel::mouseMoved, this, &IntroPix::showSecondFrame);
    connect(&button(u"Command3D9"_s), &FormButton::mouseMoved, this, &IntroPix::showSecondFrame);
    connect(&button(u"Command3D12"_s), &FormButton::mouseMoved, this, &IntroPix::showSecondFrame);
    connect(&button(u"Command3D13"_s, 0), &FormButton::mouseMoved, this, &IntroPix::showSecondFrame);
    connect(&button(u"Command3D13"_s, 1), &FormButton::mouseMoved, this, &IntroPix::showSecondFrame);

    connect(controls_->timer(u"Timer1"_s), &FormTimer::timeout, this, &IntroPix::Timer1Timer);
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

    controls_->picture(u"Picture2"_s, 1)->hide();
    controls_->picture(u"Picture1"_s, 0)->show();

    IntroA::SetEdition();
    label(u"Label11"_s).setCaption(IntroA::EditionName.mid(1, IntroA::EditionName.size() - 2));

    controls_->timer(u"Timer1"_s)->setEnabled(false);
    StartTime_ = platform_.secondsSinceMidnight();

    platform_.tell(contributionNotice(), QString::fromUtf16(VersionRecord::Title));
    return true;
}

void IntroPix::showFirstFrame()
{
    controls_->picture(u"Picture1"_s, 0)->show();
    controls_->picture(u"Picture2"_s, 1)->hide();
}

void IntroPix::showSecondFrame()
{
    controls_->picture(u"Picture1"_s, 0)->hide();
    controls_->picture(u"Picture2"_s, 1)->show();
}

void IntroPix::ShowLanguageChoice()
{
    showSecondFrame();
    button(u"Command3D9"_s).hide();
    for (const auto &name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s, u"Label6"_s})
        label(name).show();
    // The script prompt lies in front of the language prompt: whenever the
    // language stage opens, the language prompt must be the one seen.
    label(u"Label7"_s).hide();
    button(u"Command3D1"_s).show();
    button(u"Command3D11"_s).hide();
    button(u"Command3D12"_s).show();
    SetCmdBtns();
    InfoLanguage_ = QString(u""_s);
    ScriptName_ = QString(u""_s);
    for (const auto &name : {u"Label8"_s, u"Label9"_s, u"Label10"_s})
        label(name).show();
}

void IntroPix::SetCmdBtns()
{
    button(u"Command3D5"_s).setVisible(IntroA::HasBengali == 1);
    for (const auto &name : {u"Command3D2"_s, u"Command3D3"_s, u"Command3D4"_s, u"Command3D14"_s})
        button(name).setVisible(IntroA::HasDevanagari == 1);
    button(u"Command3D6"_s).setVisible(IntroA::HasGujarati == 1);
    button(u"Command3D7"_s).setVisible(IntroA::HasGurumukhi == 1);
    button(u"Command3D9"_s).setVisible(IntroA::AnyScriptOffered());
}

void IntroPix::ShowScriptChoice()
{
    button(u"Command3D1"_s).hide();
    label(u"Label1"_s).hide();
    label(u"Label6"_s).hide();
    label(u"Label7"_s).show();
    button(u"Command3D4"_s).show();
    button(u"Command3D14"_s).show();
    label(u"Label9"_s).setCaption(InfoLanguage_);
    button(u"Command3D11"_s).show();
}

void IntroPix::ShowChosenScript()
{
    label(u"Label7"_s).hide();
    label(u"Label10"_s).setCaption(ScriptName_);
    for (const auto &name : {u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s})
        label(name).hide();
    for (const auto &name : {u"Command3D2"_s, u"Command3D3"_s, u"Command3D4"_s, u"Command3D5"_s, u"Command3D6"_s,
                             u"Command3D7"_s, u"Command3D14"_s})
        button(name).hide();
}

void IntroPix::chooseLanguage(const QString &language)
{
    InfoLanguage_ = language;
    ShowScriptChoice();
}

void IntroPix::chooseScript(const QString &script)
{
    ScriptName_ = script;
    ShowChosenScript();
}

void IntroPix::chooseLanguageOrScript(const QString &language, const QString &script)
{
    if (InfoLanguage_.isEmpty())
        chooseLanguage(language);
    else
        chooseScript(script);
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

void IntroPix::headerClick(const QString &language)
{
    if (InfoLanguage_.isEmpty())
        chooseLanguage(language);
}

void IntroPix::Command3D9Click()
{
    label(u"Label9"_s).setCaption(QString());
    label(u"Label10"_s).setCaption(QString());
    ShowLanguageChoice();
}

void IntroPix::Command3D11Click()
{
    InfoLanguage_ = QString(u""_s);
    ScriptName_ = QString(u""_s);
    ShowLanguageChoice();
    label(u"Label7"_s).hide();
    label(u"Label6"_s).show();
    label(u"Label1"_s).show();
    button(u"Command3D1"_s).show();
    button(u"Command3D4"_s).hide();
    label(u"Label9"_s).setCaption(QString());
    label(u"Label10"_s).setCaption(QString());
}

void IntroPix::Command3D12Click()
{
    if (InfoLanguage_.isEmpty() || ScriptName_.isEmpty())
        return;
    ShowLanguageChoice();
    IntroEng introduction(platform_, *this, this);
    introduction.load();
    introduction.exec();
}

void IntroPix::Command3D13Click(int index)
{
    if (index == 0) {
        controls_->picture(u"Picture2"_s, 1)->hide();
        controls_->picture(u"Picture1"_s, 0)->hide();
        close();
    } else if (index == 1) {
        AbKorInt about(platform_, this);
        about.load();
        about.exec();
    }
}

QString IntroPix::takeLanguageCaption()
{
    return takeCaption(label(u"Label9"_s));
}

QString IntroPix::takeScriptCaption()
{
    return takeCaption(label(u"Label10"_s));
}

// What "Restart Introduction" leaves behind: the second logo frame shown.
void IntroPix::showRestartState()
{
    controls_->picture(u"Picture2"_s, 1)->show();
}

void IntroPix::Timer1Timer()
{
    // The clock is read afresh for every comparison, and both bounds of the
    // first test are evaluated, as the timed sequence was always written.
    const auto elapsed = [this] { return platform_.secondsSinceMidnight() - StartTime_; };
    const bool afterTwo = elapsed() > 2.0f;
    const bool beforeFour = elapsed() < 4.0f;
    if (afterTwo && beforeFour) {
        showSecondFrame();
    } else if (elapsed() > 10.0f) {
        controls_->timer(u"Timer1"_s)->setEnabled(false);
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
