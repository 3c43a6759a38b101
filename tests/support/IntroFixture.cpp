#include "IntroFixture.h"

#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "support/Constants.h"
#include "support/Controls.h"

#include <QTest>

using namespace Qt::StringLiterals;

IntroFixture::IntroFixture(const IntroductionChoice &choice, const ScriptFonts &scriptFonts)
    : platform(scriptFonts)
    , introduction(std::make_unique<IntroEng>(platform, host, choice, &opener))
{
    introduction->load();
}

QString IntroFixture::caption(int pageLabel) const
{
    return pageCaption(*introduction, pageLabel);
}

QStringList IntroFixture::page() const
{
    return pageOf(*introduction);
}

void IntroFixture::clickSubject(int subject) const
{
    ::clickSubject(*introduction, subject);
}

QString pageCaption(const IntroEng &window, int pageLabel)
{
    return controlsOf(window).label(u"Label"_s + QString::number(pageLabel))->caption();
}

QStringList pageOf(const IntroEng &window)
{
    QStringList captions;
    for (int label = 8; label <= 21; ++label)
        captions.append(pageCaption(window, label));
    return captions;
}

void clickSubject(const IntroEng &window, int subject)
{
    controlsOf(window).button(u"Command3D"_s + QString::number(subject + 3))->click();
}

QStringList pageLabelNames(const QList<int> &numbers)
{
    QStringList names;
    for (const int number : numbers)
        names.append(u"Label"_s + QString::number(number));
    return names;
}
