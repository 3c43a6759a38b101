#include "FakeHost.h"

#include <QWidget>

#include <utility>

using namespace Qt::StringLiterals;

FakeHost::FakeHost(QString language, QString script)
    : language_(std::move(language))
    , script_(std::move(script))
{
}

QString FakeHost::takeLanguageCaption()
{
    calls.append(u"language"_s);
    return std::exchange(language_, QString());
}

QString FakeHost::takeScriptCaption()
{
    calls.append(u"script"_s);
    return std::exchange(script_, QString());
}

void FakeHost::showRestartState()
{
    calls.append(u"restart"_s);
    introductionOpenWhenRestarted = introduction && introduction->isVisible();
}
