#include "FormBuilder.h"

#include "DesignColours.h"
#include "FormButton.h"
#include "FormControls.h"
#include "FormLabel.h"
#include "FormPicture.h"
#include "FormTimer.h"
#include "ScriptFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace FormBuilder {

namespace {

// Whether another font stands in for the face the design names: whether the
// face itself is missing. Asked of the font database, which knows its
// families, rather than of the matched font, which would load a font for
// every size and weight the design names, shown or not.
bool isStandIn(const Design::Font &design)
{
    // Every control names one of a few faces: each is looked up once.
    static QHash<QString, bool> standIns;
    auto known = standIns.constFind(design.face);
    if (known == standIns.cend())
        known = standIns.insert(design.face, !QFontDatabase::families().contains(design.face, Qt::CaseInsensitive));
    return *known;
}

QFont fontFor(const Design::Font &design)
{
    QFont font(design.face);
    font.setPointSizeF(design.points);
    font.setWeight(QFont::Weight(design.weight));
    font.setItalic(design.italic);
    // MS Sans Serif is a bitmap font whose bold is drawn by thickening each
    // glyph, which gives every character one more pixel of advance. Where a
    // scalable font stands in, its blanks are that much narrower, and captions
    // that use runs of blanks to place their words (the launcher's summary box)
    // would wrap differently; give the stand-in's blanks the pixel back.
    if (design.face == Design::MsSansSerif && design.weight >= Design::Bold && isStandIn(design))
        font.setWordSpacing(1.0);
    return font;
}

Qt::Alignment alignmentOf(Design::LabelStyle style)
{
    if (style.testFlag(Design::Centred))
        return Qt::AlignHCenter | Qt::AlignTop;
    if (style.testFlag(Design::RightAligned))
        return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget *create(const Design::Control &design, QWidget &window)
{
    switch (design.kind) {
    case Design::Kind::Label: {
        auto *label = new FormLabel(&window);
        label->setCaption(design.caption);
        label->setAlignment(alignmentOf(design.style));
        label->setFramed(design.style.testFlag(Design::Framed));
        label->setFlat(design.style.testFlag(Design::Flat));
        return label;
    }
    case Design::Kind::Button: {
        auto *button = new FormButton(&window);
        button->setText(design.caption);
        return button;
    }
    case Design::Kind::Picture:
    case Design::Kind::Image: {
        auto *picture = new FormPicture(&window);
        picture->setFillsBackground(design.kind == Design::Kind::Picture);
        picture->setPictureFile(design.picture);
        return picture;
    }
    }
    return nullptr;
}

void applyWindow(const Design::Window &design, QWidget &window)
{
    window.setObjectName(design.name);
    window.setWindowTitle(design.caption);
    window.setFont(fontFor(design.font));
    window.setAutoFillBackground(true);
    DesignColours::apply(window, design.back, design.fore);
    if (!design.icon.isEmpty())
        window.setWindowIcon(QIcon(design.icon));

    const QSize client(Twips::toPixels(design.clientWidth), Twips::toPixels(design.clientHeight));
    if (design.border == Design::Border::FixedDialog) {
        window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        window.setFixedSize(client);
    } else {
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        window.resize(client);
    }
    window.setMouseTracking(true);
}

} // namespace

namespace {

// A caption in a legacy script font shows its glyph codes there, or its
// Unicode text in a real font of the script. Either way a screen reader
// speaks the Unicode text, followed by what the design says it names.
void applyScriptCaption(QWidget &widget, const Design::Control &control, LegacyFont font, const ScriptFonts &fonts)
{
    const bool isButton = control.kind == Design::Kind::Button;
    const ScriptText text = decodedScriptText(font, control.caption);
    const QString shown = ScriptFaces::setFaceFor(widget, text, font,
                                                  isButton ? ScriptFaces::Role::Button : ScriptFaces::Role::Sample, fonts);
    if (isButton)
        static_cast<FormButton &>(widget).setText(shown);
    else if (control.kind == Design::Kind::Label)
        static_cast<FormLabel &>(widget).setCaption(shown);
    widget.setAccessibleName(control.spokenName.isEmpty() ? text.unicode
                                                          : text.unicode + u" ("_s + control.spokenName + u')');
}

} // namespace

FormControls *build(const Design::Window &design, QWidget &window, const ScriptFonts &scriptFonts)
{
    applyWindow(design, window);
    auto *controls = new FormControls(&window);

    // Labels first, then the rest; each group from back to front, so that a
    // control created later lies in front of those before it.
    std::vector<const Design::Control *> creationOrder;
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it)
        if (it->kind == Design::Kind::Label)
            creationOrder.push_back(&*it);
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it)
        if (it->kind != Design::Kind::Label)
            creationOrder.push_back(&*it);

    QHash<const Design::Control *, QWidget *> made;
    for (const Design::Control *control : creationOrder) {
        QWidget *widget = create(*control, window);
        widget->setObjectName(control->name);
        widget->setProperty("index", control->index);
        widget->setGeometry(control->rect.toPixels());
        if (control->font)
            widget->setFont(fontFor(*control->font));
        if (control->kind != Design::Kind::Button)
            DesignColours::apply(*widget, control->back, control->fore);
        widget->setVisible(control->visible == Design::Visible);
        if (const auto script = control->font ? legacyFontWithFace(control->font->face) : std::nullopt)
            applyScriptCaption(*widget, *control, *script, scriptFonts);
        else if (!control->spokenName.isEmpty())
            widget->setAccessibleName(control->spokenName);
        made.insert(control, widget);
    }
    for (const Design::Control &control : design.controls)
        controls->add(control.name, control.index, made.value(&control));

    std::vector<const Design::Control *> tabOrder;
    for (const Design::Control &control : design.controls)
        if (control.kind == Design::Kind::Button)
            tabOrder.push_back(&control);
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(made.value(tabOrder[i - 1]), made.value(tabOrder[i]));
    for (const Design::Control *control : tabOrder) {
        if (control->visible == Design::Visible) {
            made.value(control)->setFocus();
            break;
        }
    }

    for (const Design::Timer &timer : design.timers) {
        auto *made = new FormTimer(&window, timer.intervalMs, timer.enabled);
        made->setObjectName(timer.name);
        controls->addTimer(timer.name, made);
    }

    return controls;
}

} // namespace FormBuilder
