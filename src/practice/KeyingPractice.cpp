#include "KeyingPractice.h"

#include "AlphabetChart.h"
#include "Announcer.h"
#include "PracticeCaptions.h"
#include "ScriptLine.h"
#include "base/Twips.h"
#include "edition/CentreWindow.h"
#include "keying/InputMethods.h"
#include "platform/Platform.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Sizes in points: the text the keys give is large enough to read a
// conjunct, the four scripts' lines and the chart's letters a little smaller.
constexpr double TextPoints = 26.0;
constexpr double AllScriptsPoints = 16.0;
constexpr double ChartPoints = 20.0;

// The most of the screen that the window takes at first.
constexpr double ScreenShare = 0.85;

// Hindi and Bengali captions are a little larger than the Latin ones, as
// their scripts need to be read with ease.
constexpr double ScriptCaptionPoints = 11.0;

// The four scripts show the last words of the last line of keys.
constexpr qsizetype AllScriptsKeys = 40;

QString lastWords(const QString &keys)
{
    QStringView line = QStringView(keys).sliced(keys.lastIndexOf(u'\n') + 1);
    if (line.size() > AllScriptsKeys) {
        line = line.last(AllScriptsKeys);
        const qsizetype blank = line.indexOf(u' ');
        if (blank >= 0)
            line = line.sliced(blank + 1);
    }
    return line.toString();
}

// How many characters two texts share at their start, and then at their end
// without overlapping the start.
std::pair<qsizetype, qsizetype> sharedEnds(const QString &a, const QString &b)
{
    const qsizetype shortest = std::min(a.size(), b.size());
    qsizetype start = 0;
    while (start < shortest && a[start] == b[start])
        ++start;
    qsizetype end = 0;
    while (end < shortest - start && a[a.size() - 1 - end] == b[b.size() - 1 - end])
        ++end;
    return {start, end};
}

} // namespace

KeyingPractice::KeyingPractice(Platform &platform, InfoLanguage language, LegacyFont script, QWidget *parent)
    : QDialog(parent)
    , platform_(platform)
    , captions_(practiceCaptions(language))
    , script_(script)
{
    setObjectName(u"KeyingPractice"_s);
    setWindowTitle(QString::fromUtf16(PracticeTitle));
    // Hindi and Bengali captions in a real font of their script.
    if (language != InfoLanguage::English) {
        const LegacyFont captionScript = language == InfoLanguage::Hindi ? LegacyFont::Devanagari : LegacyFont::Bengali;
        setFont(scriptFont(captionScript, std::max(font().pointSizeF(), ScriptCaptionPoints)));
    }

    auto *typing = new QVBoxLayout;
    buildTyping(*typing);

    chart_ = new AlphabetChart(captions_, this);
    chartArea_ = new QScrollArea(this);
    chartArea_->setObjectName(u"alphabetArea"_s);
    chartArea_->setWidget(chart_);
    chartArea_->setWidgetResizable(true);
    chartArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea_->setFocusPolicy(Qt::NoFocus);
    auto *alphabetHeading = new QLabel(u"<b>"_s + captions_.alphabet.toHtmlEscaped() + u"</b>"_s, this);
    auto *chartHint = new QLabel(captions_.chartHint, this);
    chartHint->setWordWrap(true);
    auto *alphabet = new QVBoxLayout;
    alphabet->addWidget(alphabetHeading);
    alphabet->addWidget(chartHint);
    alphabet->addWidget(chartArea_, 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(typing, 3);
    columns->addLayout(alphabet, 2);

    closeButton_ = new QPushButton(captions_.close, this);
    closeButton_->setObjectName(u"closeButton"_s);
    closeButton_->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    announcer_ = new Announcer(this);
    announcer_->setObjectName(u"announcer"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(keysField_, &QPlainTextEdit::textChanged, this, &KeyingPractice::keysChanged);
    connect(chart_, &AlphabetChart::keysChosen, this, &KeyingPractice::typeKeys);

    // The chart's cells, made anew for each script, come after the text.
    chart_->followInTabOrder(*textView_);
    chooseScript(script);
    keysField_->setFocus(Qt::OtherFocusReason);
}

KeyingPractice::~KeyingPractice() = default;

void KeyingPractice::buildTyping(QLayout &layout)
{
    auto *scriptRow = new QHBoxLayout;
    scriptRow->addWidget(new QLabel(captions_.script, this));
    auto *scriptGroup = new QButtonGroup(this);
    for (const LegacyFont script : AllLegacyFonts) {
        auto *button = new QRadioButton(captions_.scriptButtons[std::size_t(script)], this);
        button->setObjectName(u"scriptButton"_s + QString::number(int(script)));
        scriptGroup->addButton(button, int(script));
        scriptRow->addWidget(button);
        scriptButtons_[std::size_t(script)] = button;
    }
    scriptRow->addStretch();
    connect(scriptGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && LegacyFont(id) != script_)
            chooseScript(LegacyFont(id));
    });

    auto *keysLabel = new QLabel(captions_.keys, this);
    keysField_ = new QPlainTextEdit(this);
    keysField_->setObjectName(u"keysField"_s);
    keysField_->setTabChangesFocus(true);
    keysField_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont keysFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    keysFont.setPointSizeF(std::max(keysFont.pointSizeF(), 12.0));
    keysField_->setFont(keysFont);
    keysField_->setFixedHeight(QFontMetrics(keysFont).lineSpacing() * 3 + 2 * keysField_->frameWidth() + 8);
    keysLabel->setBuddy(keysField_);

    textLabel_ = new QLabel(this);
    textView_ = new QPlainTextEdit(this);
    textView_->setObjectName(u"textView"_s);
    textView_->setReadOnly(true);
    textView_->setTabChangesFocus(true);
    textView_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    textLabel_->setBuddy(textView_);

    auto *allScripts = new QGridLayout;
    allScripts->addWidget(new QLabel(captions_.allScripts, this), 0, 0, 1, 2);
    for (std::size_t row = 0; row < otherNames_.size(); ++row) {
        otherNames_[row] = new QLabel(this);
        otherTexts_[row] = new ScriptLine(this);
        otherTexts_[row]->setObjectName(u"allScriptsText"_s + QString::number(row));
        allScripts->addWidget(otherNames_[row], int(row) + 1, 0);
        allScripts->addWidget(otherTexts_[row], int(row) + 1, 1);
    }
    allScripts->setColumnStretch(1, 1);

    // The desktops that run m17n's input methods offer the scheme to every
    // program.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    inputMethodNote_ = new QLabel(this);
    inputMethodNote_->setObjectName(u"inputMethodNote"_s);
    inputMethodNote_->setWordWrap(true);
    inputMethodNote_->setTextFormat(Qt::PlainText);
#endif

    auto &box = static_cast<QVBoxLayout &>(layout);
    box.addLayout(scriptRow);
    box.addWidget(keysLabel);
    box.addWidget(keysField_);
    box.addWidget(textLabel_);
    box.addWidget(textView_, 1);
    box.addLayout(allScripts);
    if (inputMethodNote_)
        box.addWidget(inputMethodNote_);
}

// As large as the whole alphabet needs, within most of the screen; the chart
// scrolls where the screen is smaller.
void KeyingPractice::load()
{
    QSize wanted = sizeHint();
    wanted.rheight() += chart_->sizeHint().height() - chartArea_->viewport()->height();
    const QRect screen = platform_.screenTwips();
    const QSize room(Twips::toPixels(screen.width() * ScreenShare), Twips::toPixels(screen.height() * ScreenShare));
    resize(wanted.boundedTo(room));
    IntroA::CentreWindow(*this, platform_);
}

QFont KeyingPractice::scriptFont(LegacyFont script, double points) const
{
    QFont font = this->font();
    const QString family = platform_.scriptFonts().unicodeFamily(script);
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPointSizeF(points);
    return font;
}

void KeyingPractice::chooseScript(LegacyFont script)
{
    script_ = script;
    scriptButtons_[std::size_t(script)]->setChecked(true);
    textLabel_->setText(captions_.inScript[std::size_t(script)]);
    textView_->setFont(scriptFont(script, TextPoints));
    chart_->showScript(script, scriptFont(script, ChartPoints));
    orderAllScripts();
    if (inputMethodNote_) {
        const Keying::InputMethod method = Keying::inputMethod(script);
        inputMethodNote_->setText(captions_.inputMethod.arg(method.ibusListing(), method.fcitxListing()));
    }
    // The chart scrolls down, never sideways.
    chartArea_->setMinimumWidth(chart_->sizeHint().width() + chartArea_->verticalScrollBar()->sizeHint().width()
                                + 2 * chartArea_->frameWidth());    composer_.reset();
    composedKeys_.clear();
    keysChanged();
}

void KeyingPractice::keysChanged()
{
    const QString keys = keysField_->toPlainText();
    // Typing at the end goes on from where the engine stands; any other edit
    // starts it afresh.
    if (!composer_ || !keys.startsWith(composedKeys_)) {
        composer_.emplace(script_);
        composedKeys_.clear();
    }
    composer_->type(QStringView(keys).sliced(composedKeys_.size()));
    composedKeys_ = keys;
    showText(composer_->text());
    showInAllScripts();
    announceWord();
}

// Writes into the view only what differs from what it shows.
void KeyingPractice::showText(const QString &text)
{
    if (text == shownText_)
        return;
    const auto [start, end] = sharedEnds(shownText_, text);
    QTextCursor cursor(textView_->document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(shownText_.size() - end), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(start, text.size() - end - start));
    shownText_ = text;
}

// The four scripts' rows, the chosen script first: their names and fonts
// change only with the script.
void KeyingPractice::orderAllScripts()
{
    allScriptsOrder_ = {script_};
    for (const LegacyFont script : AllLegacyFonts)
        if (script != script_)
            allScriptsOrder_.push_back(script);
    for (std::size_t row = 0; row < allScriptsOrder_.size(); ++row) {
        const QString &name = captions_.scriptNames[std::size_t(allScriptsOrder_[row])];
        otherNames_[row]->setText(name);
        otherTexts_[row]->setFont(scriptFont(allScriptsOrder_[row], AllScriptsPoints));
        otherTexts_[row]->setName(name);
    }
}

void KeyingPractice::showInAllScripts()
{
    const QString words = lastWords(composedKeys_);
    for (std::size_t row = 0; row < allScriptsOrder_.size(); ++row)
        otherTexts_[row]->setText(Keying::compose(allScriptsOrder_[row], words));
}

void KeyingPractice::typeKeys(const QString &keys)
{
    keysField_->insertPlainText(keys);
}

// A listener hears the word just typed: the last one before the cursor,
// ended by the blank or Return after it, if any.
void KeyingPractice::announceWord()
{
    const QStringView before = QStringView(composedKeys_).first(keysField_->textCursor().position());
    qsizetype start = before.size();
    while (start > 0 && before[start - 1].isSpace())
        --start;
    while (start > 0 && !before[start - 1].isSpace())
        --start;
    announcer_->announce(Keying::compose(script_, before.sliced(start)).trimmed());
}
