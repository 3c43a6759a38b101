#include "IntroEng.h"

#include "Catalogue.h"
#include "IntroEngDesign.h"
#include "IntroductionHost.h"
#include "PageReading.h"
#include "TextPages.h"
#include "base/Twips.h"
#include "edition/CentreWindow.h"
#include "forms/FormBuilder.h"
#include "forms/FormButton.h"
#include "forms/FormControls.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/ScriptFaces.h"
#include "forms/Shortcuts.h"
#include "platform/Platform.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The window opens this far below the centre of the screen, so that the
// launcher's title bar stays in sight above it.
constexpr int BelowCentreTwips = 420;

// Command3D4 to Command3D10, subject 1 to 7.
QString subjectButtonName(int subject)
{
    return u"Command3D"_s + QString::number(subject + 3);
}

QString pageLabelName(int number)
{
    return u"Label"_s + QString::number(number);
}

// A listener reads the page in the order in which the design tabs through its labels.
std::vector<int> pageLabelsInTabOrder()
{
    std::vector<std::pair<int, int>> byTabIndex;
    for (const Design::Control &control : introEngDesign().controls)
        for (int number = FirstPageLabel; number <= LastPageLabel; ++number)
            if (control.kind == Design::Kind::Label && control.name == pageLabelName(number))
                byTabIndex.emplace_back(control.tabIndex, number);
    std::ranges::sort(byTabIndex);
    std::vector<int> numbers;
    for (const auto &[tabIndex, number] : byTabIndex)
        numbers.push_back(number);
    return numbers;
}

} // namespace

IntroEng::IntroEng(Platform &platform, IntroductionHost &host, const IntroductionChoice &choice, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
    , host_(host)
    , controls_(FormBuilder::build(introEngDesign(), *this, platform.scriptFonts()))
    , restartButton_(controls_->named<FormButton>(u"Command3D1"_s))
    , closeButton_(controls_->named<FormButton>(u"Command3D3"_s))
    , practiceButton_(controls_->named<FormButton>(u"practiceButton"_s))
    , shownInBox_(controls_->named<FormLabel>(u"Label22"_s, 0))
    , shownAboutBox_(controls_->named<FormLabel>(u"Label23"_s, 0))
    , subjectHeading_(controls_->named<FormLabel>(u"Label24"_s))
    , readingOrder_(pageLabelsInTabOrder())
    , InfoLanguage_(choice.language)
    , ScriptName_(choice.script)
{
    for (int subject = 1; subject <= SubjectCount; ++subject)
        subjectButtons_[std::size_t(subject - 1)] = &controls_->named<FormButton>(subjectButtonName(subject));
    for (int number = FirstPageLabel; number <= LastPageLabel; ++number)
        pageLabels_[std::size_t(number - FirstPageLabel)] = &controls_->named<FormLabel>(pageLabelName(number));
    connectHandlers();
}

IntroEng::~IntroEng() = default;

void IntroEng::connectHandlers()
{
    for (int subject = 1; subject <= SubjectCount; ++subject)
        connect(subjectButtons_[std::size_t(subject - 1)], &FormButton::clicked, this, [this, subject] {
            showSubject(subject);
        });
    connect(&restartButton_, &FormButton::clicked, this, &IntroEng::Command3D1Click);
    connect(&closeButton_, &FormButton::clicked, this, &IntroEng::Command3D3Click);
    connect(&practiceButton_, &FormButton::clicked, this, &IntroEng::showPractice);
    connect(new QShortcut(practiceShortcut(), this), &QShortcut::activated, this, &IntroEng::showPractice);
    // Command3D2, "&Go To Word Processor", stays hidden and has no handler.
}

FormLabel &IntroEng::pageLabel(int number) const
{
    return *pageLabels_.at(std::size_t(number - FirstPageLabel));
}

void IntroEng::load()
{
    IntroA::CentreWindow(*this, platform_);
    move(x(), y() + Twips::toPixels(BelowCentreTwips));

    shownInBox_.setCaption(displayName(InfoLanguage_));
    shownAboutBox_.setCaption(displayName(ScriptName_));
    setWindowTitle(u"Korvani Introduction About "_s + displayName(ScriptName_));

    for (FormLabel *label : pageLabels_)
        label->setCaption(QString());

    applyLanguageCatalogue();
    applyScriptCatalogue();
}

void IntroEng::applyLanguageCatalogue()
{
    const Catalogue::LanguageEntry &entry = Catalogue::forLanguage(InfoLanguage_);
    const std::optional<LegacyFont> script = entry.script;
    // The buttons and their heading carry short captions: in the language's
    // script each takes the face of the form it is shown in; Latin ones only
    // the face, their size and weight stay as designed.
    const auto shownCaption = [&](QWidget &control, const ScriptText &caption) {
        if (script)
            return ScriptFaces::setFaceFor(control, caption, *script, ScriptFaces::Role::Button, platform_.scriptFonts());
        ScriptFaces::setLatinFace(control, Design::MsSansSerif);
        return caption.unicode;
    };
    // The explanations are Unicode text only: where the language is written
    // in a script, they take a real font of it, also where the legacy font
    // shows the captions.
    for (const int number : TextLabels) {
        if (script)
            ScriptFaces::setUnicodeFace(pageLabel(number), *script, ScriptFaces::Role::Text, platform_.scriptFonts());
        else
            ScriptFaces::setLatinFace(pageLabel(number), Design::MsSansSerif);
    }
    // Script captions are spoken as their Unicode text, also where the legacy
    // font shows their glyph codes; the Latin ones, in capitals ("CONSON-
    // ANTS"), by their names.
    const auto spoken = [](const ScriptText &caption, const QString &name) {
        return caption.glyphs != caption.unicode ? caption.unicode : name;
    };
    for (std::size_t i = 0; i < subjectButtons_.size(); ++i) {
        FormButton &button = *subjectButtons_[i];
        button.setText(shownCaption(button, entry.subjectCaptions[i]));
        button.setAccessibleName(spoken(entry.subjectCaptions[i], Catalogue::spokenSubjects()[i]));
    }
    subjectHeading_.setCaption(shownCaption(subjectHeading_, entry.heading));
    subjectHeading_.setAccessibleName(spoken(entry.heading, Catalogue::spokenHeading()));
}

void IntroEng::applyScriptCatalogue()
{
    for (const int number : SampleLabels)
        ScriptFaces::setFace(pageLabel(number), ScriptName_, ScriptFaces::Role::Sample, platform_.scriptFonts());
}

void IntroEng::showSubject(int subject)
{
    SubjectNumber_ = subject;
    ShowSubjectPage();
    offerPageReading();
}

void IntroEng::ShowSubjectPage()
{
    // The text page always runs before the samples, whose captions are the
    // ones that remain.
    showTexts();
    showSamples();
}

void IntroEng::assign(const std::vector<LabelCaption> &captions)
{
    for (const LabelCaption &caption : captions) {
        FormLabel &label = pageLabel(caption.label);
        // The samples are in the script's font, each in the form that it is
        // shown in; the other labels' texts are Latin or Unicode only.
        if (std::ranges::find(SampleLabels, caption.label) != SampleLabels.end())
            label.setCaption(ScriptFaces::setFaceFor(label, caption.text, ScriptName_, ScriptFaces::Role::Sample,
                                                     platform_.scriptFonts()));
        else
            label.setCaption(caption.text.unicode);
        // Glyph codes cannot be spoken: a screen reader gets the Unicode
        // text. Unicode speaks for itself.
        const bool glyphCodes = !ScriptFaces::showsUnicode(label) && caption.text.glyphs != caption.text.unicode;
        label.setAccessibleName(glyphCodes ? caption.text.unicode : QString());
    }
}

void IntroEng::showTexts()
{
    assign(textPageCaptions(Catalogue::forLanguage(InfoLanguage_).textPage(), SubjectNumber_, ScriptName_));
}

void IntroEng::showSamples()
{
    assign(sampleCaptions(ScriptName_, SubjectNumber_));
}

// Names the page's reading stops by what a listener hears there, places them
// after the chosen subject's button, and, with a screen reader at work, takes
// the focus to the first of them.
void IntroEng::offerPageReading()
{
    if (SubjectNumber_ < 1 || SubjectNumber_ > SubjectCount) {
        readingStops_.clear(); // no button to follow, and no page drawn
        return;
    }
    const std::vector<ReadingStop> stops = pageReading(readingOrder_, [this](int number) {
        return pageLabel(number).spokenText();
    });
    QList<FormLabel *> labels;
    for (const ReadingStop &stop : stops) {
        FormLabel &label = pageLabel(stop.label);
        if (label.spokenText() != stop.spoken)
            label.setAccessibleName(stop.spoken);
        labels.append(&label);
    }
    readingStops_.place(*subjectButtons_[std::size_t(SubjectNumber_ - 1)], labels);
    readingStops_.focusFirst();
}

void IntroEng::restartIntroduction()
{
    close();
    host_.showRestartState();
}

void IntroEng::Command3D1Click()
{
    restartIntroduction();
}

void IntroEng::Command3D3Click()
{
    close();
}

void IntroEng::showPractice()
{
    host_.showPractice({InfoLanguage_, ScriptName_}, *this);
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
