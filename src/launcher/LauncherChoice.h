#pragma once

#include "edition/IntroA.h"
#include "introduction/IntroductionChoice.h"

#include <QString>

#include <optional>

// The launcher's two-stage choice, without its window: the stage it is in,
// the information language and the script chosen so far, what the summary
// boxes show, and which buttons, headers and prompt each stage offers.
// IntroPix draws it. Every press on the launcher is one call here, which
// answers what the press changed; "Show" answers with what the introduction
// is to be made from.
//
// Beside the plain way (Language, Script, Ready) the choice has the design's
// byway: a Devanagari button that names no information language chooses the
// script first (ScriptFirst); English then leads to a stage that still
// offers the two Devanagari buttons, although both are chosen
// (ScriptConfirm). After "Reselect?" the language stage offers every button
// of the edition but Marathi.
class LauncherChoice
{
public:
    enum class Stage { Welcome, Language, Script, ScriptFirst, ScriptConfirm, Ready };

    // The eight buttons of the choice, by the language their caption names:
    // English; Hindi, Nepali, Marathi and Sanskrit, the Devanagari column;
    // Bengali; Gujarati; Punjabi, the Gurumukhi column.
    enum class Button { English, Hindi, Nepali, Marathi, Sanskrit, Bengali, Gujarati, Punjabi };
    static constexpr int ButtonCount = 8;
    // The headers of the columns.
    enum class Column { English, Devanagari, Bengali, Gujarati, Gurumukhi };
    static constexpr int ColumnCount = 5;
    enum class Prompt { None, Language, Script };

    // What a press changed, and so what the launcher has to do.
    enum class Change {
        Nothing,  // the press does nothing at this stage
        NewStage, // a stage to draw and to lead into
        Restart,  // the language stage, begun again with empty summary boxes
    };

    explicit LauncherChoice(IntroA::Edition edition = {});

    // What a button chooses, for a listener: "Shows the information in
    // Hindi; once a language is chosen, chooses the Devanagari script", or
    // "Chooses the Devanagari script"; nothing for English, which says it.
    static QString description(Button button);

    Change start();
    Change press(Button button);
    Change pressHeader(Column column);
    Change reselect();
    // Once both are chosen: the language stage again, with empty summary
    // boxes, and the chosen pair handed over for the introduction to open
    // with. Nothing before.
    std::optional<IntroductionChoice> show();

    Stage stage() const { return stage_; }
    const IntroA::Edition &edition() const { return edition_; }
    // Empty until chosen.
    std::optional<InfoLanguage> language() const { return InfoLanguage_; }
    std::optional<LegacyFont> script() const { return ScriptName_; }
    bool complete() const;
    // The names that the summary boxes show; empty where they show none.
    QString languageCaption() const;
    QString scriptCaption() const;

    bool offers(Button button) const;
    bool showsHeader(Column column) const;
    Prompt prompt() const;
    bool offersStart() const;
    bool offersReselect() const;
    bool showsSummary() const;

    // "Introduction in English about the script for Devanagari", once both
    // are chosen; empty before.
    QString summary() const;

private:
    void choose(Button button);
    void ShowLanguageChoice();
    void ShowScriptChoice();
    void ShowChosenScript();
    bool offeredByEdition(Button button) const;

    IntroA::Edition edition_;
    Stage stage_ = Stage::Welcome;
    bool marathiWithdrawn_ = false;
    std::optional<InfoLanguage> InfoLanguage_;
    std::optional<LegacyFont> ScriptName_;
};
