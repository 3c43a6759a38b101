#pragma once

#include "edition/IntroA.h"

#include <QDialog>
#include <QtGlobal>

class FormButton;
class FormControls;
class FormLabel;
class FormPicture;
class FormTimer;
class Platform;

// The About window: product, version and maker, all taken at load time from
// the program's version record, plus an icon that slides along the comment
// label for as long as the window is open. The product line and its icon show
// only where the edition offers a script. Its position is a function of the
// platform clock alone, so late or missed ticks of Timer1 never slow it down.
// The launcher creates it afresh for every opening and shows it modally;
// "&OK", Esc and the title bar's close all unload it, which stops the timer.
class AbKorInt final : public QDialog
{
    Q_OBJECT

public:
    AbKorInt(Platform &platform, const IntroA::Edition &edition, QWidget *parent);
    Q_DISABLE_COPY_MOVE(AbKorInt)

    void load();

    // Every way of closing (OK, Esc, the title bar) ends here.
    void done(int result) override;

private:
    // The tick of Timer1.
    void Timer1Timer();

    void Command1Click();
    void slideIcon();
    void unload();

    Platform &platform_;
    const IntroA::Edition edition_;
    FormControls *controls_;
    FormButton &okButton_;
    FormLabel &productLine_;
    FormLabel &makerBox_;
    FormLabel &legalLine_;
    FormLabel &commentBox_;
    FormLabel &versionLine_;
    FormPicture &productIcon_;
    FormPicture &slidingIcon_;
    FormTimer &slideTimer_;
    qint32 n_ = 0; // clock steps of 1/36 s since midnight, at the last tick
};
