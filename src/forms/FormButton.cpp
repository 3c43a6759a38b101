#include "FormButton.h"

#include "CaptionLayout.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

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
