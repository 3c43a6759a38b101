#include "FormControls.h"

#include "FormButton.h"
#include "FormLabel.h"
#include "FormPicture.h"
#include "FormTimer.h"

#include <QWidget>

using namespace Qt::StringLiterals;

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
    Q_ASSERT(!byKey_.contains(key(name, index)));
    byKey_.insert(key(name, index), control);
    ordered_.append(control);
}

void FormControls::addTimer(const QString &name, FormTimer *timer)
{
    timers_.insert(name, timer);
}

QWidget *FormControls::control(const QString &name, int index) const
{
    QWidget *found = byKey_.value(key(name, index));
    Q_ASSERT_X(found, "FormControls", qPrintable(u"no control "_s + key(name, index)));
    return found;
}

FormLabel *FormControls::label(const QString &name, int index) const
{
    return qobject_cast<FormLabel *>(control(name, index));
}

FormButton *FormControls::button(const QString &name, int index) const
{
    return qobject_cast<FormButton *>(control(name, index));
}

FormPicture *FormControls::picture(const QString &name, int index) const
{
    return qobject_cast<FormPicture *>(control(name, index));
}

void FormControls::missing(const QString &key, const char *type) const
{
    const QString window = parent() ? parent()->objectName() : QString();
    qFatal("%s has no %s named %s", qPrintable(window), type, qPrintable(key));
}

FormTimer &FormControls::namedTimer(const QString &name) const
{
    FormTimer *found = timers_.value(name);
    if (!found)
        missing(name, FormTimer::staticMetaObject.className());
    return *found;
}

FormTimer *FormControls::timer(const QString &name) const
{
    FormTimer *found = timers_.value(name);
    Q_ASSERT_X(found, "FormControls", qPrintable(u"no timer "_s + name));
    return found;
}
