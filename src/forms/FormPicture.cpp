#include "FormPicture.h"

#include <QMouseEvent>
#include <QPainter>

FormPicture::FormPicture(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void FormPicture::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void FormPicture::setFillsBackground(bool fills)
{
    // A child widget that does not fill its background shows its parent
    // through it.
    setAutoFillBackground(fills);
}

void FormPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void FormPicture::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved();
}

void FormPicture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
