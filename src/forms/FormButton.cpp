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
    return CaptionLayout::wrap(CaptionLayout::withoutAccessKeys(text()), QFontMetricsF(font()), captionRect().width());
}

void FormButton::paintEvent(QPaintEvent *event)
{
    const QStringList lines = shownLines();
    if (lines.size() <= 1) {
        QPushButton::paintEvent(event);
        return;
    }
    // The bevel as usual, then the caption line by line, centred as a block.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionRect();
    const QFontMetricsF metrics(font());
    qreal y = area.top() + (area.height() - lines.size() * metrics.lineSpacing()) / 2;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (const QString &line : lines) {
        const qreal x = area.left() + (area.width() - metrics.horizontalAdvance(line)) / 2;
        painter.drawText(QPointF(x, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
}
