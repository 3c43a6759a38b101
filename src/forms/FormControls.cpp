#include "FormControls.h"

#include "FormTimer.h"

#include <QWidget>

FormControls::FormControls(QWidget *window)
    : QObject(window)
{
}

QString FormControls::key(const QString &name, int index)
{
    return index == NoIndex ? name : name + u'(' + QString::number(index) + u')';
}

void FormControls::add(const QString &name, int index, QWidget *control)
{
    if (byKey_.contains(key(name, index)))
        qFatal("%s has two controls named %s", qPrintable(windowName()), qPrintable(key(name, index)));
    byKey_.insert(key(name, index), control);
}

void FormControls::addTimer(const QString &name, FormTimer *timer)
{
    timers_.insert(name, timer);
}

QString FormControls::windowName() const
{
    return parent() ? parent()->objectName() : QString();
}

void FormControls::missing(const QString &key, const char *type) const
{
    qFatal("%s has no %s named %s", qPrintable(windowName()), type, qPrintable(key));
}

FormTimer &FormControls::namedTimer(const QString &name) const
{
    FormTimer *found = timers_.value(name);
    if (!found)
        missing(name, FormTimer::staticMetaObject.className());
    return *found;
}
