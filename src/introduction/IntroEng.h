#pragma once

#include "IntroductionChoice.h"
#include "SamplePanels.h"
#include "forms/ReadingStops.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class FormButton;
class FormControls;
class FormLabel;
class IntroductionHost;
class Platform;
struct TextPage;

// The introduction window, shown modally over the launcher. It closes only
// through its buttons and the title bar, not on the cancel key as a dialog
// otherwise would.
//
// It is made from the information language and the script chosen in the
// launcher (IntroductionChoice). Its load step shows both and applies the
// catalogue: fonts and subject captions for the language (the Catalogue),
// the script's legacy font for the samples. Each subject button then draws a page into the page
// labels Label8 to Label21: the text page of the language first
// (englishPage(), hindiPage(), bengaliPage()), then the sample panel of the
// script (sampleCaptions()). Which labels each of the two writes is fixed per
// subject (textPageCaptions()), so a new page never leaves a caption of the
// previous one behind.
//
// For a screen reader the page is a row of reading stops (pageReading()):
// while assistive technology is active, choosing a subject takes the focus to
// the page's first stop, and Tab walks the rest before it goes on to the next
// subject button (ReadingStops). Without one, labels take no focus and Tab
// keeps the design's order.
class IntroEng final : public QDialog
{
    Q_OBJECT

public:
    IntroEng(Platform &platform, IntroductionHost &host, const IntroductionChoice &choice, QWidget *parent);
    ~IntroEng() override;
    Q_DISABLE_COPY_MOVE(IntroEng)

    void load();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Draws the page of SubjectNumber: the language's text page, then the
    // script's samples.
    void ShowSubjectPage();

    void connectHandlers();
    FormLabel &pageLabel(int number) const;
    void applyLanguageCatalogue();
    void applyScriptCatalogue();
    void assign(const std::vector<LabelCaption> &captions);

    void showSubject(int subject);
    void showTexts();
    void showSamples();
    void offerPageReading();
    void restartIntroduction();

    void Command3D1Click();
    void Command3D3Click();
    void showPractice();

    Platform &platform_;
    IntroductionHost &host_;
    FormControls *controls_;
    std::array<FormButton *, SubjectCount> subjectButtons_;
    FormButton &restartButton_;
    FormButton &closeButton_;
    FormButton &practiceButton_;
    FormLabel &shownInBox_;
    FormLabel &shownAboutBox_;
    FormLabel &subjectHeading_;
    std::array<FormLabel *, LastPageLabel - FirstPageLabel + 1> pageLabels_;
    std::vector<int> readingOrder_; // page label numbers in the design's tab order
    ReadingStops readingStops_;
    int SubjectNumber_ = 0; // until a subject button sets it
    const InfoLanguage InfoLanguage_;
    const LegacyFont ScriptName_;
};
