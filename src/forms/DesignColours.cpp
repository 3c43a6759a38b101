#include "DesignColours.h"

#include "Contrast.h"
#include "FormLabel.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QScopedValueRollback>
#include <QWidget>

QColor DesignColours::resolve(const Design::Colour &colour, const QPalette &desktop)
{
    using System = Design::Colour::System;
    if (colour.isRgb)
        return QColor(colour.red, colour.green, colour.blue);
    switch (colour.system) {
    case System::WindowBackground:
        return desktop.color(QPalette::Base);
    case System::WindowText:
        return desktop.color(QPalette::Text);
    case System::ButtonFace:
        return desktop.color(QPalette::Button);
    case System::ButtonText:
        return desktop.color(QPalette::ButtonText);
    case System::None:
        break;
    }
    return {};
}

DesignColours::Shown DesignColours::shown(const Design::Colour &back, const Design::Colour &fore,
                                          const QPalette &desktop)
{
    Shown colours;
    if (back.isSet())
        colours.background = resolve(back, desktop);
    if (fore.isSet()) {
        colours.frame = resolve(fore, desktop);
        colours.text = colours.frame;
        if (back.isRgb && !fore.isRgb)
            colours.text = Contrast::readableText(colours.text, colours.background);
    }
    return colours;
}

void DesignColours::apply(QWidget &widget, const Design::Colour &back, const Design::Colour &fore)
{
    if (!back.isSet() && !fore.isSet())
        return;
    auto *colours = new DesignColours(widget, back, fore);
    colours->colourWidget();
    widget.installEventFilter(colours);
}

DesignColours::DesignColours(QWidget &widget, const Design::Colour &back, const Design::Colour &fore)
    : QObject(&widget)
    , widget_(widget)
    , back_(back)
    , fore_(fore)
{
}

bool DesignColours::eventFilter(QObject *watched, QEvent *event)
{
    const bool paletteChanged = event->type() == QEvent::PaletteChange
                             || event->type() == QEvent::ApplicationPaletteChange;
    if (watched == &widget_ && paletteChanged && !colouring_)
        colourWidget();
    return false;
}

void DesignColours::colourWidget()
{
    // Setting the palette sends a palette change of its own.
    const QScopedValueRollback colouring(colouring_, true);
    const Shown colours = shown(back_, fore_, QApplication::palette());
    QPalette palette = widget_.palette();
    if (colours.background.isValid())
        palette.setColor(QPalette::Window, colours.background);
    if (colours.text.isValid()) {
        palette.setColor(QPalette::WindowText, colours.text);
        palette.setColor(QPalette::Text, colours.text);
    }
    widget_.setPalette(palette);
    if (auto *label = qobject_cast<FormLabel *>(&widget_))
        label->setFrameColour(colours.frame);
}
