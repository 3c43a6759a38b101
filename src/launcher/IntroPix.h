#pragma once

#include "LauncherChoice.h"
#include "edition/IntroA.h"
#include "forms/ReadingStops.h"
#include "introduction/IntroductionHost.h"

#include <QWidget>

#include <array>
#include <vector>

class FormButton;
class FormControls;
class FormLabel;
class FormPicture;
class FormTimer;
class Platform;

// The launcher window: the program's start window.
//
// Its load step is the program's start-up sequence (single-instance prompt,
// centring, first logo frame, the edition line, contribution notice). It then
// draws the two-stage choice of an information language and a script
// (LauncherChoice), and "Show" opens the introduction window with the chosen
// pair, emptying the summary boxes (it is that window's IntroductionHost).
// Pointer movement swaps its two logo frames. Closing it ends the process at
// once.
//
// Each stage of the choice begins with the focus on the first button that the
// stage offers; with a screen reader at work, on the stage's prompt just
// before it (ReadingStops). Once both are chosen, "Show" takes the focus and
// tells the summary.
class IntroPix final : public QWidget, public IntroductionHost
{
    Q_OBJECT

public:
    // The edition is what this packaging of the program offers.
    explicit IntroPix(Platform &platform, const IntroA::Edition &edition = IntroA::SetEdition(),
                      QWidget *parent = nullptr);
    ~IntroPix() override;
    Q_DISABLE_COPY_MOVE(IntroPix)

    // The start-up sequence; the caller shows the window afterwards. Returns
    // false when the user chose not to open another instance.
    bool load();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    using Button = LauncherChoice::Button;
    using Column = LauncherChoice::Column;

    void showRestartState() override;
    void showPractice(const IntroductionChoice &choice, QWidget &over) override;
    void openPractice();

    void connectHandlers();
    QString contributionNotice() const;

    // The choice as it stands, on screen and for a listener.
    void apply(LauncherChoice::Change change);
    enum class Focus { IntoStage, Stays };
    void drawChoice(Focus focus);
    void SetCmdBtns();
    void setShown(QWidget &control, bool shown);
    void drawSummary();
    void leadIntoStage();
    FormButton *firstOfferedButton() const;
    void showIntroduction(const IntroductionChoice &chosen);

    void showFirstFrame();
    void showSecondFrame();
    void showAbout();
    void closeLauncher();
    void startupTick();

    // The handlers of the design's controls.
    void Timer1Timer();
    void Command3D9Click();
    void Command3D11Click();
    void Command3D12Click();
    void Command3D13Click(int index);
    void choiceButtonClick(Button button);
    void headerClick(Column column);

    Platform &platform_;
    FormControls *controls_;
    LauncherChoice choice_;

    std::array<FormButton *, LauncherChoice::ButtonCount> choiceButtons_;
    std::array<FormLabel *, LauncherChoice::ColumnCount> headers_;
    FormButton &startButton_;
    FormButton &reselectButton_;
    FormButton &showButton_;
    FormButton &closeButton_;
    FormButton &aboutButton_;
    FormButton &practiceButton_;
    FormLabel &languagePrompt_;
    FormLabel &scriptPrompt_;
    FormLabel &summaryBox_;
    FormLabel &languageBox_;
    FormLabel &scriptBox_;
    FormLabel &editionLine_;
    FormPicture &firstFrame_;
    FormPicture &secondFrame_;
    FormTimer &startupTimer_;

    std::vector<QWidget *> toHide_; // while the choice is drawn
    ReadingStops promptStop_;
    bool introductionOpen_ = false;
    float StartTime_ = 0.0f; // unset until start-up records it; counts as 0
};
