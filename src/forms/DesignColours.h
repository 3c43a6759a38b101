#pragma once

#include "Design.h"

#include <QColor>
#include <QObject>

class QPalette;
class QWidget;

// The colours a design gives a window or a control: a background and a text
// colour, each either fixed or one of the desktop's system colours. Attached
// to the widget it colours, it colours it again whenever the desktop's
// palette changes, as desktops switch colour schemes while programs run.
//
// Fixed backgrounds under the desktop's text colour are made for a light
// desktop with dark text. Under a dark scheme or a high-contrast one that
// text may no longer read there; it is then drawn in black or white instead.
// A pair the design fixes on both sides is kept as it is, and so is a pair
// taken wholly from the desktop.
class DesignColours final : public QObject
{
    Q_OBJECT

public:
    // Colours the widget now and after every palette change; the widget
    // owns what keeps it coloured.
    static void apply(QWidget &widget, const Design::Colour &back, const Design::Colour &fore);

    Q_DISABLE_COPY_MOVE(DesignColours)

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A design's pair under a desktop palette. The frame of a framed label
    // keeps the design's text colour even where the text itself cannot.
    // A colour the design leaves unset stays invalid: the parent's is used.
    struct Shown {
        QColor background;
        QColor text;
        QColor frame;
    };
    static Shown shown(const Design::Colour &back, const Design::Colour &fore, const QPalette &desktop);
    static QColor resolve(const Design::Colour &colour, const QPalette &desktop);

    DesignColours(QWidget &widget, const Design::Colour &back, const Design::Colour &fore);
    void colourWidget();

    QWidget &widget_;
    Design::Colour back_;
    Design::Colour fore_;
    bool colouring_ = false;
};
