#include "LauncherChoice.h"

#include "IntroPixDesign.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Button = LauncherChoice::Button;
using Column = LauncherChoice::Column;
using Stage = LauncherChoice::Stage;

// What a button chooses: while no information language is chosen, the
// language its script is read in where it names one; otherwise, and for the
// two buttons that name none, its script.
struct Meaning {
    QStringView language;
    QStringView script;
};

constexpr std::array<Meaning, LauncherChoice::ButtonCount> Meanings{{
    {u"English", u""},
    {u"Hindi", u"Devanagari"},
    {u"Hindi", u"Devanagari"},
    {u"", u"Devanagari"},
    {u"", u"Devanagari"},
    {u"Bengali", u"Bengali"},
    {u"Hindi", u"Gujarati"},
    {u"Hindi", u"Gurumukhi"},
}};

const Meaning &meaningOf(Button button)
{
    return Meanings[std::size_t(button)];
}

// A header chooses as the first button of its column does.
constexpr std::array<Button, LauncherChoice::ColumnCount> FirstButtons{
    Button::English, Button::Hindi, Button::Bengali, Button::Gujarati, Button::Punjabi};

bool isOneOf(Stage stage, std::initializer_list<Stage> stages)
{
    return std::ranges::find(stages, stage) != stages.end();
}

} // namespace

LauncherChoice::LauncherChoice(IntroA::Edition edition)
    : edition_(std::move(edition))
{
}

LauncherChoice::Change LauncherChoice::start()
{
    if (!offersStart())
        return Change::Nothing;
    restart();
    return Change::Restart;
}

LauncherChoice::Change LauncherChoice::press(Button button)
{
    if (!offers(button))
        return Change::Nothing;
    choose(button);
    return Change::NewStage;
}

// A header acts in the language stage only, and then as its first button
// would, also where the edition does not offer that button.
LauncherChoice::Change LauncherChoice::pressHeader(Column column)
{
    if (!showsHeader(column) || !InfoLanguage_.isEmpty())
        return Change::Nothing;
    choose(FirstButtons[std::size_t(column)]);
    return Change::NewStage;
}

LauncherChoice::Change LauncherChoice::reselect()
{
    if (!offersReselect())
        return Change::Nothing;
    restart();
    marathiWithdrawn_ = true;
    return Change::Restart;
}

// The choice goes back to the language stage before the introduction opens;
// the summary boxes keep the names for the introduction to take.
LauncherChoice::Change LauncherChoice::show()
{
    if (!complete())
        return Change::Nothing;
    ShowLanguageChoice();
    return Change::HandOver;
}

QString LauncherChoice::takeLanguageCaption()
{
    return std::exchange(languageCaption_, QString());
}

QString LauncherChoice::takeScriptCaption()
{
    return std::exchange(scriptCaption_, QString());
}

bool LauncherChoice::complete() const
{
    return !InfoLanguage_.isEmpty() && !ScriptName_.isEmpty();
}

bool LauncherChoice::offers(Button button) const
{
    switch (stage_) {
    case Stage::Welcome:
    case Stage::Ready:
        return false;
    case Stage::Language:
        if (button == Button::Marathi && marathiWithdrawn_)
            return false;
        return button == Button::English || offeredByEdition(button);
    case Stage::Script:
        if (button == Button::Marathi || button == Button::Sanskrit)
            return true;
        return button != Button::English && offeredByEdition(button);
    case Stage::ScriptFirst:
        return button == Button::English;
    case Stage::ScriptConfirm:
        return button == Button::Marathi || button == Button::Sanskrit;
    }
    return false;
}

bool LauncherChoice::offeredByEdition(Button button) const
{
    switch (button) {
    case Button::English:
        return true;
    case Button::Hindi:
    case Button::Nepali:
    case Button::Marathi:
    case Button::Sanskrit:
        return edition_.offersDevanagari();
    case Button::Bengali:
        return edition_.offersBengali();
    case Button::Gujarati:
        return edition_.offersGujarati();
    case Button::Punjabi:
        return edition_.offersGurumukhi();
    }
    return false;
}

bool LauncherChoice::showsHeader(Column column) const
{
    if (column == Column::English)
        return isOneOf(stage_, {Stage::Language, Stage::ScriptFirst});
    return isOneOf(stage_, {Stage::Language, Stage::Script});
}

LauncherChoice::Prompt LauncherChoice::prompt() const
{
    if (isOneOf(stage_, {Stage::Language, Stage::ScriptFirst}))
        return Prompt::Language;
    if (isOneOf(stage_, {Stage::Script, Stage::ScriptConfirm}))
        return Prompt::Script;
    return Prompt::None;
}

// "Start Introduction" stays in sight once the choice has begun, where the
// edition offers a script at all.
bool LauncherChoice::offersStart() const
{
    return stage_ == Stage::Welcome || edition_.offersAnyScript();
}

bool LauncherChoice::offersReselect() const
{
    return isOneOf(stage_, {Stage::Script, Stage::ScriptConfirm, Stage::Ready});
}

bool LauncherChoice::showsSummary() const
{
    return stage_ != Stage::Welcome;
}

QString LauncherChoice::summary() const
{
    if (!complete())
        return {};
    return summaryOpening() + u' ' + languageCaption_ + u' ' + summaryClosing() + u' ' + scriptCaption_;
}

void LauncherChoice::choose(Button button)
{
    const Meaning &meaning = meaningOf(button);
    if (InfoLanguage_.isEmpty() && !meaning.language.isEmpty()) {
        InfoLanguage_ = meaning.language.toString();
        ShowScriptChoice();
    } else {
        ScriptName_ = meaning.script.toString();
        ShowChosenScript();
    }
}

// The language stage, begun again with empty summary boxes.
void LauncherChoice::restart()
{
    languageCaption_.clear();
    scriptCaption_.clear();
    ShowLanguageChoice();
}

void LauncherChoice::ShowLanguageChoice()
{
    stage_ = Stage::Language;
    marathiWithdrawn_ = false;
    InfoLanguage_ = u""_s;
    ScriptName_ = u""_s;
}

void LauncherChoice::ShowScriptChoice()
{
    languageCaption_ = InfoLanguage_;
    stage_ = ScriptName_.isEmpty() ? Stage::Script : Stage::ScriptConfirm;
}

void LauncherChoice::ShowChosenScript()
{
    scriptCaption_ = ScriptName_;
    stage_ = InfoLanguage_.isEmpty() ? Stage::ScriptFirst : Stage::Ready;
}
