#include "FormPicture.h"

#include <QMouseEvent>
#include <QPainter>

FormPicture::FormPicture(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

QPixmap FormPicture::picture() const
{
    if (!read_) {
        // QPixmap::load shares one cached copy per file across openings.
        picture_.load(file_);
        read_ = true;
    }
    return picture_;
}

void FormPicture::setPictureFile(const QString &path)
{
    file_ = path;
    picture_ = QPixmap();
    read_ = path.isEmpty();
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
    painter.drawPixmap(0, 0, picture());
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
