#pragma once

#include "introduction/IntroductionHost.h"

#include <QString>
#include <QStringList>

class QWidget;

// A host for the introduction window that is no window at all: it hands over
// the language and script the test gives it, once, as the launcher's summary
// boxes do, and records in order what the introduction asked of it:
// "language", "script", "restart".
class FakeHost final : public IntroductionHost
{
public:
    FakeHost() = default;
    FakeHost(QString language, QString script);

    QString takeLanguageCaption() override;
    QString takeScriptCaption() override;
    void showRestartState() override;

    QStringList calls;
    // Set by a test that wants to know whether its introduction was still
    // open when the restart state was asked for.
    const QWidget *introduction = nullptr;
    bool introductionOpenWhenRestarted = false;

private:
    QString language_;
    QString script_;
};
