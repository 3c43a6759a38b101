#pragma once

#include "introduction/IntroductionHost.h"

#include <QString>
#include <QWidget>

class FormButton;
class FormControls;
class FormLabel;
class Platform;

// The launcher window: the program's start window.
//
// Its load step is the program's start-up sequence (single-instance prompt,
// centring, first logo frame, edition settings, contribution notice). It then
// leads the user through a two-stage choice, an information language and then
// a script, which it hands to the introduction window through the captions of
// its summary labels Label9 and Label10 (it is that window's IntroductionHost).
// Pointer movement swaps its two logo frames. Closing it ends the process at
// once.
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

    const FormControls &controls() const { return *controls_; }
    FormControls &controls() { return *controls_; }

    // Shows or hides the script buttons according to the edition settings.
    void SetCmdBtns();

    QString InfoLanguage() const { return InfoLanguage_; }
    QString ScriptName() const { return ScriptName_; }
    float StartTime() const { return StartTime_; }

    // The tick of Timer1; public so that a tick can be delivered on demand.
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString takeLanguageCaption() override;
    QString takeScriptCaption() override;
    void showRestartState() override;

    void connectHandlers();
    FormLabel &label(const QString &name) const;
    FormButton &button(const QString &name, int index = -1) const;

    void ShowLanguageChoice();
    void ShowScriptChoice();
    void ShowChosenScript();
    void showFirstFrame();
    void showSecondFrame();
    void chooseLanguage(const QString &language);
    void chooseScript(const QString &script);
    void chooseLanguageOrScript(const QString &language, const QString &script);

    void Command3D1Click();
    void Command3D4Click();
    void Command3D9Click();
    void Command3D11Click();
    void Command3D12Click();
    void Command3D13Click(int index);
    void Command3D14Click();
    void headerClick(const QString &language);

    QString contributionNotice() const;

    Platform &platform_;
    FormControls *controls_;
    QString InfoLanguage_;
    QString ScriptName_;
    float StartTime_ = 0.0f; // unset until start-up records it; counts as 0
};
