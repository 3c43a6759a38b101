#include "FormButton.h"

#include "CaptionLayout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWindow>

namespace {

// As Qt decides for pointer and keyboard input, judged by the topmost modal
// window: it blocks every window but itself and the windows inside it, or,
// when only window-modal, the windows it belongs to.
bool blockedByModalWindow(const QWidget &control)
{
    const QWindow *own = control.window()->windowHandle();
    const QWindow *modal = QGuiApplication::modalWindow();
    if (!own || !modal || modal == own || modal->isAncestorOf(own))
        return false;
    return modal->modality() == Qt::ApplicationModal || own->isAncestorOf(modal);
}

} // namespace

FormButton::FormButton(QWidget *parent)
    : QPushButton(parent)
{
    setMouseTracking(true);
    setAutoDefault(false);
}

void FormButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    // QAbstractButton ignores moves without a pressed button, which would pass
    // them on to the window behind the button.
    event->accept();
    Q_EMIT mouseMoved();
}

void FormButton::keyPressEvent(QKeyEvent *event)
{
    // Auto-default is off, so Qt's push button leaves Return to the dialog.
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (returnKey && modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FormButton::timerEvent(QTimerEvent *event)
{
    // Qt delivers a delayed click here: the press action of assistive
    // technologies and access keys. Qt's modal blocking does not hold it back,
    // so a blocked window lets the click run its course without its signals.
    if (blockedByModalWindow(*this)) {
        const QSignalBlocker withoutSignals(this);
        QPushButton::timerEvent(event);
        return;
    }
    QPushButton::timerEvent(event);
}

QRect FormButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QStringList FormButton::shownLines() const
{
    return CaptionLayout::laidOut(CaptionLayout::withoutAccessKeys(text()), font(), captionRect().width()).text;
}

void FormButton::paintEvent(QPaintEvent *event)
{
    const QRect area = captionRect();
    const CaptionLayout::Lines lines = CaptionLayout::laidOut(CaptionLayout::withoutAccessKeys(text()), font(), area.width());
    if (lines.text.size() <= 1) {
        QPushButton::paintEvent(event);
        return;
    }
    // The bevel as usual, then the caption line by line, centred as a block.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QFontMetricsF metrics(font());
    qreal y = area.top() + (area.height() - lines.text.size() * metrics.lineSpacing()) / 2;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (qsizetype i = 0; i < lines.text.size(); ++i) {
        const qreal x = area.left() + (area.width() - lines.widths.at(i)) / 2;
        CaptionLayout::drawLine(painter, lines, i, QPointF(x, y + metrics.ascent()));
        y += metrics.lineSpacing();
    }
}
