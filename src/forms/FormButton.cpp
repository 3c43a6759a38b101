#include "FormButton.h"

#include <QMouseEvent>

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
