#pragma once

#include <QDialog>

class FormControls;
class IntroPix;
class Platform;

// The introduction window. (Being built: takes the launcher's hand-over.)
class IntroEng final : public QDialog
{
    Q_OBJECT

public:
    IntroEng(Platform &platform, IntroPix &launcher);
    Q_DISABLE_COPY_MOVE(IntroEng)

    void load();

    QString InfoLanguage() const { return InfoLanguage_; }
    QString ScriptName() const { return ScriptName_; }

private:
    Platform &platform_;
    IntroPix &launcher_;
    QString InfoLanguage_;
    QString ScriptName_;
};
