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
    std::optional<InfoLanguage> language;
    std::optional<LegacyFont> script;
};

constexpr std::array<Meaning, LauncherChoice::ButtonCount> Meanings{{
    {InfoLanguage::English, std::nullopt},
    {InfoLanguage::Hindi, LegacyFont::Devanagari},
    {InfoLanguage::Hindi, LegacyFont::Devanagari},
    {std::nullopt, LegacyFont::Devanagari},
    {std::nullopt, LegacyFont::Devanagari},
    {InfoLanguage::Bengali, LegacyFont::Bengali},
    {InfoLanguage::Hindi, LegacyFont::Gujarati},
    {InfoLanguage::Hindi, LegacyFont::Gurumukhi},
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

QString LauncherChoice::description(Button button)
{
    const Meaning &meaning = meaningOf(button);
    if (!meaning.script)
        return {};
    const QString chooses = u"chooses the "_s + displayName(*meaning.script) + u" script"_s;
    if (!meaning.language)
        return chooses.at(0).toUpper() + chooses.mid(1);
    return u"Shows the information in "_s + displayName(*meaning.language) + u"; once a language is chosen, "_s
         + chooses;
}

LauncherChoice::Change LauncherChoice::start()
{
    if (!offersStart())
        return Change::Nothing;
    ShowLanguageChoice();
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
    if (!showsHeader(column) || InfoLanguage_)
        return Change::Nothing;
    choose(FirstButtons[std::size_t(column)]);
    return Change::NewStage;
}

LauncherChoice::Change LauncherChoice::reselect()
{
    if (!offersReselect())
        return Change::Nothing;
    ShowLanguageChoice();
    marathiWithdrawn_ = true;
    return Change::Restart;
}

std::optional<IntroductionChoice> LauncherChoice::show()
{
    if (!complete())
        return std::nullopt;
    const IntroductionChoice chosen{*InfoLanguage_, *ScriptName_};
    ShowLanguageChoice();
    return chosen;
}

bool LauncherChoice::complete() const
{
    return InfoLanguage_ && ScriptName_;
}

QString LauncherChoice::languageCaption() const
{
    return InfoLanguage_ ? displayName(*InfoLanguage_) : QString();
}

QString LauncherChoice::scriptCaption() const
{
    return ScriptName_ ? displayName(*ScriptName_) : QString();
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
    return summaryOpening() + u' ' + languageCaption() + u' ' + summaryClosing() + u' ' + scriptCaption();
}

void LauncherChoice::choose(Button button)
{
    const Meaning &meaning = meaningOf(button);
    if (!InfoLanguage_ && meaning.language) {
        InfoLanguage_ = meaning.language;
        ShowScriptChoice();
    } else {
        ScriptName_ = meaning.script;
        ShowChosenScript();
    }
}

// The language stage, begun again: nothing is chosen, and the summary boxes,
// which show what is, are empty.
void LauncherChoice::ShowLanguageChoice()
{
    stage_ = Stage::Language;
    marathiWithdrawn_ = false;
    InfoLanguage_.reset();
    ScriptName_.reset();
}

void LauncherChoice::ShowScriptChoice()
{
    stage_ = ScriptName_ ? Stage::ScriptConfirm : Stage::Script;
}

void LauncherChoice::ShowChosenScript()
{
    stage_ = InfoLanguage_ ? Stage::Ready : Stage::ScriptFirst;
}
