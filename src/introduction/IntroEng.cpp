#include "IntroEng.h"

#include "Catalogue.h"
#include "IntroEngDesign.h"
#include "IntroductionHost.h"
#include "TextPages.h"
#include "base/Twips.h"
#include "edition/IntroA.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/ScriptFaces.h"
#include "platform/Platform.h"

#include <QKeyEvent>


using namespace Qt::StringLiterals;

IntroEng::IntroEng(Platform &platform, IntroductionHost &host, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
    , host_(host)
    , controls_(FormBuilder::build(introEngDesign(), *this, platform.scriptFonts()))
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

    InfoLanguage_ = host_.takeLanguageCaption();
    controls_->label(u"Label22"_s, 0)->setCaption(InfoLanguage_);

    ScriptName_ = host_.takeScriptCaption();
    controls_->label(u"Label23"_s, 0)->setCaption(ScriptName_);

    setWindowTitle(u"Korvani Introduction About "_s + ScriptName_);

    for (int number = FirstPageLabel; number <= LastPageLabel; ++number)
        pageLabel(number).setCaption(QString());

    applyLanguageCatalogue();
    applyScriptCatalogue();
}

// Only the face changes; size and weight stay as designed, unless a legacy
// script font is missing and a real font of the script takes its place.
void IntroEng::setFontFace(QWidget &control, const QString &face, ScriptFaces::Role role)
{
    if (const auto script = legacyFontWithFace(face))
        ScriptFaces::setFace(control, *script, role, platform_.scriptFonts());
    else
        ScriptFaces::setLatinFace(control, face);
}

void IntroEng::applyLanguageCatalogue()
{
    const Catalogue::LanguageEntry *entry = Catalogue::findLanguage(InfoLanguage_);
    if (!entry)
        return;
    for (const QString &name : Catalogue::languageFontControls()) {
        // The text labels carry running text; the buttons and their heading short captions.
        const bool text = name.startsWith(u"Label"_s) && isTextLabel(name.mid(5).toInt());
        setFontFace(*controls_->control(name), entry->fontFace, text ? ScriptFaces::Role::Text : ScriptFaces::Role::Button);
    }
    // Unicode captions speak for themselves; others by their English names.
    const auto spoken = [](const QWidget &control, const QString &shown, const QString &english) {
        return ScriptFaces::showsUnicode(control) ? shown : english;
    };
    const std::span<const QString> subjects = Catalogue::subjectButtons();
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        FormButton &button = *controls_->button(subjects[i]);
        button.setText(ScriptFaces::shownForm(button, entry->subjectCaptions[i]));
        button.setAccessibleName(spoken(button, button.text(), Catalogue::spokenSubjects()[i]));
    }
    FormLabel &heading = *controls_->label(u"Label24"_s);
    heading.setCaption(ScriptFaces::shownForm(heading, entry->heading));
    heading.setAccessibleName(spoken(heading, heading.caption(), Catalogue::spokenHeading()));
}

void IntroEng::applyScriptCatalogue()
{
    const Catalogue::ScriptEntry *entry = Catalogue::findScript(ScriptName_);
    if (!entry)
        return;
    for (const QString &name : Catalogue::sampleLabels())
        setFontFace(*controls_->control(name), entry->fontFace, ScriptFaces::Role::Sample);
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
        label.setCaption(ScriptFaces::shownForm(label, caption.text));
        // Glyph codes cannot be spoken: a screen reader gets the page's
        // spoken form, or else the Unicode text. Unicode speaks for itself.
        QString spoken;
        if (!ScriptFaces::showsUnicode(label) && caption.text.glyphs != caption.text.unicode)
            spoken = caption.spoken.isEmpty() ? caption.text.unicode : caption.spoken;
        label.setAccessibleName(spoken);
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
                captions[i].spoken = english[i].text.unicode;
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
    host_.showRestartState();
}

void IntroEng::Command3D3Click()
{
    close();
}

void IntroEng::keyPressEvent(QKeyEvent *event)
{
    // The platform's cancel key (Esc on Linux and Windows) would reject the
    // dialog; this window has no cancel button to take it.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
