#include "FormTimer.h"

#include <QEvent>
#include <QWidget>

FormTimer::FormTimer(QWidget *window, int intervalMs, bool enabled)
    : QObject(window)
    , window_(window)
    , enabled_(enabled)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &FormTimer::timeout);
    window_->installEventFilter(this);
}

void FormTimer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    updateTicking();
}

void FormTimer::updateTicking()
{
    const bool tick = enabled_ && window_->isVisible();
    if (tick && !timer_.isActive())
        timer_.start();
    else if (!tick)
        timer_.stop();
}

bool FormTimer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        updateTicking();
    return QObject::eventFilter(watched, event);
}
