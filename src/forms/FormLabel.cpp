#include "FormLabel.h"

#include "CaptionLayout.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

FormLabel::FormLabel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void FormLabel::setCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void FormLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void FormLabel::setFramed(bool framed)
{
    framed_ = framed;
    update();
}

void FormLabel::setFlat(bool flat)
{
    flat_ = flat;
    update();
}

QRect FormLabel::textRect() const
{
    const int border = framed_ ? (flat_ ? 1 : 2) : 0;
    return rect().adjusted(border, border, -border, -border);
}

QStringList FormLabel::shownLines() const
{
    return CaptionLayout::wrap(CaptionLayout::withoutAccessKeys(caption_), QFontMetricsF(font()), textRect().width());
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (framed_) {
        if (flat_) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        } else {
            QStyleOptionFrame option;
            option.initFrom(this);
            option.frameShape = QFrame::Panel;
            option.state |= QStyle::State_Sunken;
            option.lineWidth = 2;
            style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
        }
    }

    const QRect area = textRect();
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const QStringList lines = CaptionLayout::wrap(CaptionLayout::withoutAccessKeys(caption_), metrics, area.width());
    qreal y = area.top();
    for (const QString &line : lines) {
        if (y >= area.bottom())
            break;
        const qreal lineWidth = metrics.horizontalAdvance(line);
        qreal x = area.left();
        if (alignment_ & Qt::AlignHCenter)
            x += (area.width() - lineWidth) / 2;
        else if (alignment_ & Qt::AlignRight)
            x += area.width() - lineWidth;
        painter.drawText(QPointF(x, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
}

void FormLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void FormLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void FormLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Accepting keeps the move from reaching the window behind the label.
    event->accept();
    Q_EMIT mouseMoved();
}
