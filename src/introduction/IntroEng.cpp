#include "IntroEng.h"

#include "Catalogue.h"
#include "IntroEngDesign.h"
#include "TextPages.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/Twips.h"
#include "launcher/IntroA.h"
#include "launcher/IntroPix.h"


using namespace Qt::StringLiterals;

IntroEng::IntroEng(Platform &platform, IntroPix &launcher)
    : QDialog(&launcher)
    , platform_(platform)
    , launcher_(launcher)
    , controls_(FormBuilder::build(introEngDesign(), *this))
{
    connectHandlers();
}

IntroEng::~IntroEng() = default;

void IntroEng::connectHandlers()
{
    const std::span<const QString> subjects = Catalogue::subjectButtons();
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const int subject = int(i) + 1;
        connect(controls_->button(subjects[i]), &FormButton::clicked, this, [this, subject] {
            subjectButtonClick(subject);
        });
    }
    connect(controls_->button(u"Command3D1"_s), &FormButton::clicked, this, &IntroEng::Command3D1Click);
    connect(controls_->button(u"Command3D3"_s), &FormButton::clicked, this, &IntroEng::Command3D3Click);
    // Command3D2, "&Go To Word Processor", stays hidden and has no handler.
}

FormLabel &IntroEng::pageLabel(int number) const
{
    return *controls_->label(u"Label"_s + QString::number(number));
}

void IntroEng::load()
{
    IntroA::CentreWindow(*this, platform_);
    move(x(), y() + Twips::toPixels(420));

    FormLabel &language = *launcher_.controls().label(u"Label9"_s);
    controls_->label(u"Label22"_s, 0)->setCaption(language.caption());
    InfoLanguage_ = language.caption();
    language.setCaption(QString());

    FormLabel &script = *launcher_.controls().label(u"Label10"_s);
    controls_->label(u"Label23"_s, 0)->setCaption(script.caption());
    ScriptName_ = script.caption();
    script.setCaption(QString());

    setWindowTitle(u"Korvani Introduction About "_s + ScriptName_);

    for (int number = FirstPageLabel; number <= LastPageLabel; ++number)
        pageLabel(number).setCaption(QString());

    applyLanguageCatalogue();
    applyScriptCatalogue();
}

// Only the face changes; size and weight stay as designed.
void IntroEng::setFontFace(QWidget &control, const QString &face)
{
    QFont font = control.font();
    font.setFamilies({face});
    control.setFont(font);
}

void IntroEng::applyLanguageCatalogue()
{
    const Catalogue::LanguageEntry *entry = Catalogue::findLanguage(InfoLanguage_);
    if (!entry)
        return;
    for (const QString &name : Catalogue::languageFontControls())
        setFontFace(*controls_->control(name), entry->fontFace);
    const std::span<const QString> subjects = Catalogue::subjectButtons();
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        FormButton &button = *controls_->button(subjects[i]);
        button.setText(entry->subjectCaptions[i]);
        button.setAccessibleName(Catalogue::spokenSubjects()[i]);
    }
    controls_->label(u"Label24"_s)->setCaption(entry->heading);
    controls_->label(u"Label24"_s)->setAccessibleName(Catalogue::spokenHeading());
}

void IntroEng::applyScriptCatalogue()
{
    const Catalogue::ScriptEntry *entry = Catalogue::findScript(ScriptName_);
    if (!entry)
        return;
    for (const QString &name : Catalogue::sampleLabels())
        setFontFace(*controls_->control(name), entry->fontFace);
}

void IntroEng::subjectButtonClick(int subject)
{
    SubjectNumber_ = subject;
    ShowSubjectPage();
}

void IntroEng::ShowSubjectPage()
{
    // Tried in order, first exact match only; the text page always runs
    // before the samples, whose captions are the ones that remain.
    struct Procedure {
        QString name;
        void (IntroEng::*show)();
    };
    static const std::array<Procedure, 3> textProcedures{{
        {u"English"_s, &IntroEng::ShowEnglishTexts},
        {u"Hindi"_s, &IntroEng::ShowHindiTexts},
        {u"Bengali"_s, &IntroEng::ShowBengaliTexts},
    }};
    static const std::array<Procedure, 4> sampleProcedures{{
        {u"Devanagari"_s, &IntroEng::ShowDevanagariSamples},
        {u"Bengali"_s, &IntroEng::ShowBengaliSamples},
        {u"Gujarati"_s, &IntroEng::ShowGujaratiSamples},
        {u"Gurumukhi"_s, &IntroEng::ShowGurumukhiSamples},
    }};
    const auto nameOf = [](const Procedure &procedure) { return procedure.name; };

    if (const Procedure *text = Catalogue::findNamed(std::span<const Procedure>(textProcedures), InfoLanguage_, nameOf))
        (this->*text->show)();
    if (const Procedure *samples = Catalogue::findNamed(std::span<const Procedure>(sampleProcedures), ScriptName_, nameOf))
        (this->*samples->show)();
}

void IntroEng::assign(const std::vector<LabelCaption> &captions)
{
    for (const LabelCaption &caption : captions) {
        FormLabel &label = pageLabel(caption.label);
        label.setCaption(caption.text);
        label.setAccessibleName(caption.spoken);
    }
}

void IntroEng::showTexts(const TextPage &page)
{
    std::vector<LabelCaption> captions = textPageCaptions(page, SubjectNumber_, ScriptName_);
    if (&page != &englishPage()) {
        // The Hindi and Bengali explanations are glyph codes, which a screen
        // reader cannot speak; it reads the English explanation instead.
        const std::vector<LabelCaption> english = textPageCaptions(englishPage(), SubjectNumber_, ScriptName_);
        for (std::size_t i = 0; i < captions.size(); ++i)
            if (isTextLabel(captions[i].label))
                captions[i].spoken = english[i].text;
    }
    assign(captions);
}

void IntroEng::ShowEnglishTexts()
{
    showTexts(englishPage());
}

void IntroEng::ShowHindiTexts()
{
    showTexts(hindiPage());
}

void IntroEng::ShowBengaliTexts()
{
    showTexts(bengaliPage());
}

void IntroEng::showSamples(SampleScript script)
{
    assign(sampleCaptions(script, SubjectNumber_));
}

void IntroEng::ShowDevanagariSamples()
{
    showSamples(SampleScript::Devanagari);
}

void IntroEng::ShowBengaliSamples()
{
    showSamples(SampleScript::Bengali);
}

void IntroEng::ShowGujaratiSamples()
{
    showSamples(SampleScript::Gujarati);
}

void IntroEng::ShowGurumukhiSamples()
{
    showSamples(SampleScript::Gurumukhi);
}

void IntroEng::Command3D1Click()
{
    close();
    launcher_.controls().picture(u"Picture2"_s, 1)->show();
}

void IntroEng::Command3D3Click()
{
    close();
}
