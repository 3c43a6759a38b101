#include "FormLabel.h"

#include "CaptionLayout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// Screen readers see a label as static text named by its caption, or by its
// accessible name where one is set (a caption of glyph codes cannot be
// spoken as it stands).
class AccessibleFormLabel final : public QAccessibleWidget
{
public:
    explicit AccessibleFormLabel(FormLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return static_cast<const FormLabel *>(widget())->spokenText();
    }
};

QAccessibleInterface *accessibleFormLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String("FormLabel") && object && object->isWidgetType())
        return new AccessibleFormLabel(static_cast<FormLabel *>(object));
    return nullptr;
}

} // namespace

FormLabel::FormLabel(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFormLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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

QColor FormLabel::frameColour() const
{
    return frameColour_.isValid() ? frameColour_ : palette().color(QPalette::WindowText);
}

void FormLabel::setFrameColour(const QColor &colour)
{
    if (colour == frameColour_)
        return;
    frameColour_ = colour;
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

QString FormLabel::spokenText() const
{
    QString text = accessibleName();
    if (text.isEmpty())
        text = CaptionLayout::withoutAccessKeys(caption_);
    return text.replace(u'\r', u'\n');
}

QStringList FormLabel::shownLines() const
{
    return CaptionLayout::laidOut(CaptionLayout::withoutAccessKeys(caption_), font(), textRect().width()).text;
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (framed_) {
        if (flat_) {
            painter.setPen(frameColour());
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
    const CaptionLayout::Lines lines = CaptionLayout::laidOut(CaptionLayout::withoutAccessKeys(caption_), font(), area.width());
    qreal y = area.top();
    // In a frame, marks above the first line keep clear of it.
    if (framed_)
        y += std::max(qreal(0), lines.firstInkAscent + metrics.lineSpacing() / 10 - metrics.ascent());
    for (qsizetype i = 0; i < lines.text.size(); ++i) {
        if (y >= area.bottom())
            break;
        const qreal lineWidth = lines.widths.at(i);
        qreal x = area.left();
        if (alignment_ & Qt::AlignHCenter)
            x += (area.width() - lineWidth) / 2;
        else if (alignment_ & Qt::AlignRight)
            x += area.width() - lineWidth;
        CaptionLayout::drawLine(painter, lines, i, QPointF(x, y + metrics.ascent()));
        y += metrics.lineSpacing();
    }

    // Only a screen reader's Tab stops on a label; a reader who also looks
    // sees where it is.
    if (hasFocus()) {
        painter.setClipping(false);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area;
        focus.backgroundColor = palette().color(backgroundRole());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
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
