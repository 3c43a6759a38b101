#include "IntroEng.h"

#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "launcher/IntroPix.h"

using namespace Qt::StringLiterals;

IntroEng::IntroEng(Platform &platform, IntroPix &launcher)
    : QDialog(&launcher)
    , platform_(platform)
    , launcher_(launcher)
{
}

void IntroEng::load()
{
    FormLabel &language = *launcher_.controls().label(u"Label9"_s);
    FormLabel &script = *launcher_.controls().label(u"Label10"_s);
    InfoLanguage_ = language.caption();
    language.setCaption(QString());
    ScriptName_ = script.caption();
    script.setCaption(QString());
}
