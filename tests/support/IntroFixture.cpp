#include "IntroFixture.h"

#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"

using namespace Qt::StringLiterals;

IntroFixture::IntroFixture(const QString &language, const QString &script, const ScriptFonts &scriptFonts)
    : platform(scriptFonts)
{
    launcher.controls().label(u"Label9"_s)->setCaption(language);
    launcher.controls().label(u"Label10"_s)->setCaption(script);
    introduction = std::make_unique<IntroEng>(platform, launcher, &launcher);
    introduction->load();
}

QString IntroFixture::caption(int pageLabel) const
{
    return introduction->controls().label(u"Label"_s + QString::number(pageLabel))->caption();
}

QStringList IntroFixture::page() const
{
    QStringList captions;
    for (int label = 8; label <= 21; ++label)
        captions.append(caption(label));
    return captions;
}

void IntroFixture::clickSubject(int subject) const
{
    introduction->controls().button(u"Command3D"_s + QString::number(subject + 3))->click();
}

QString fromCodes(const char *codes)
{
    QString text;
    for (const QString &code : QString::fromLatin1(codes).split(u' ', Qt::SkipEmptyParts))
        text.append(QChar(char16_t(code.toUShort(nullptr, 16))));
    return text;
}
