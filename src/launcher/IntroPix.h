#pragma once

#include "edition/IntroA.h"
#include "forms/ReadingStops.h"
#include "introduction/IntroductionHost.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class FormButton;
class FormControls;
class FormLabel;
class FormPicture;
class FormTimer;
class Platform;

// The launcher window: the program's start window.
//
// Its load step is the program's start-up sequence (single-instance prompt,
// centring, first logo frame, edition settings, contribution notice). It then
// leads the user through a two-stage choice, an information language and then
// a script, which it hands to the introduction window through the captions of
// its summary boxes (it is that window's IntroductionHost). Pointer movement
// swaps its two logo frames. Closing it ends the process at once.
//
// Each stage of the choice begins with the focus on the first button that the
// stage offers; with a screen reader at work, on the stage's prompt just
// before it (ReadingStops). Once both are chosen, "Show" takes the focus and
// tells the summary.
class IntroPix final : public QWidget, public IntroductionHost
{
    Q_OBJECT

public:
    explicit IntroPix(Platform &platform, QWidget *parent = nullptr);
    ~IntroPix() override;
    Q_DISABLE_COPY_MOVE(IntroPix)

    // The start-up sequence; the caller shows the window afterwards. Returns
    // false when the user chose not to open another instance.
    bool load();

    // The edition that start-up made; before it, an edition without scripts.
    const IntroA::Edition &edition() const { return edition_; }

    // Shows or hides the script buttons according to the edition settings.
    void SetCmdBtns();

    QString InfoLanguage() const { return InfoLanguage_; }
    QString ScriptName() const { return ScriptName_; }
    float StartTime() const { return StartTime_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The suites give the launcher the editions of other packagings.
    friend class IntroPixTestAccess;

    // A column of script buttons under its header. In the language stage its
    // button, and its header where it has one, chooses the information
    // language its script is read in; once a language is chosen the button
    // chooses the script.
    struct ScriptColumn {
        FormButton *button;
        FormLabel *header; // none for the second Devanagari button
        QString language;
        QString script;
    };

    QString takeLanguageCaption() override;
    QString takeScriptCaption() override;
    void showRestartState() override;

    void connectHandlers();
    QString contributionNotice() const;

    // What the user meets, stage by stage.
    void ShowLanguageChoice();
    void ShowScriptChoice();
    void ShowChosenScript();
    void showOfferedScripts();
    void showFirstFrame();
    void showSecondFrame();

    void changeStage(const std::function<void()> &change);
    void guideToStage();
    FormLabel *shownPrompt() const;
    FormButton *firstOfferedChoice();
    std::array<FormButton *, 7> scriptButtons() const;
    QString spokenSummary() const;

    void chooseLanguage(const QString &language);
    void chooseScript(const QString &script);
    void chooseLanguageOrScript(const QString &language, const QString &script);
    void chooseLanguageByHeader(const QString &language);
    void startIntroduction();
    void startChoiceAgain();
    void showIntroduction();
    void showAbout();
    void closeLauncher();
    void startupTick();

    // The tick of Timer1.
    void Timer1Timer();

    // The handlers of the design's buttons.
    void Command3D1Click();
    void Command3D4Click();
    void Command3D9Click();
    void Command3D11Click();
    void Command3D12Click();
    void Command3D13Click(int index);
    void Command3D14Click();

    Platform &platform_;
    FormControls *controls_;

    FormButton &englishButton_;
    FormButton &hindiButton_;
    FormButton &nepaliButton_;
    FormButton &marathiButton_;
    FormButton &sanskritButton_;
    FormButton &bengaliButton_;
    FormButton &gujaratiButton_;
    FormButton &punjabiButton_;
    FormButton &startButton_;
    FormButton &reselectButton_;
    FormButton &showButton_;
    FormButton &closeButton_;
    FormButton &aboutButton_;
    FormLabel &englishHeader_;
    FormLabel &devanagariHeader_;
    FormLabel &bengaliHeader_;
    FormLabel &gujaratiHeader_;
    FormLabel &gurumukhiHeader_;
    FormLabel &languagePrompt_;
    FormLabel &scriptPrompt_;
    FormLabel &summaryBox_;
    FormLabel &languageBox_;
    FormLabel &scriptBox_;
    FormLabel &editionLine_;
    FormPicture &firstFrame_;
    FormPicture &secondFrame_;
    FormTimer &startupTimer_;
    std::array<ScriptColumn, 5> scriptColumns_;

    ReadingStops promptStop_;
    bool changingStage_ = false;
    bool introductionOpen_ = false;

    IntroA::Edition edition_;
    QString InfoLanguage_;
    QString ScriptName_;
    float StartTime_ = 0.0f; // unset until start-up records it; counts as 0
};
