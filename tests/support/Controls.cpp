#include "Controls.h"

#include "forms/FormButton.h"
#include "forms/FormLabel.h"
#include "forms/FormPicture.h"
#include "forms/FormTimer.h"

#include <QAccessible>
#include <QWidget>

using namespace Qt::StringLiterals;

DesignedControls::DesignedControls(const QWidget &window)
    : window_(&window)
{
}

// Only the window's own: a window it opened holds controls of its own.
template<typename Control>
Control *DesignedControls::find(const QString &name, int index) const
{
    for (QObject *child : window_->children()) {
        if (child->objectName() != name)
            continue;
        const QVariant element = child->property("index");
        if (element.isValid() && element.toInt() != index)
            continue;
        if (auto *found = qobject_cast<Control *>(child))
            return found;
    }
    const QString key = index == NoIndex ? name : name + u'(' + QString::number(index) + u')';
    qFatal("%s has no %s named %s", qPrintable(window_->objectName()), Control::staticMetaObject.className(),
           qPrintable(key));
}

QWidget *DesignedControls::control(const QString &name, int index) const
{
    return find<QWidget>(name, index);
}

FormLabel *DesignedControls::label(const QString &name, int index) const
{
    return find<FormLabel>(name, index);
}

FormButton *DesignedControls::button(const QString &name, int index) const
{
    return find<FormButton>(name, index);
}

FormPicture *DesignedControls::picture(const QString &name, int index) const
{
    return find<FormPicture>(name, index);
}

FormTimer *DesignedControls::timer(const QString &name) const
{
    return find<FormTimer>(name, NoIndex);
}

QList<QWidget *> DesignedControls::all() const
{
    // The builder marks every control with its element index.
    QList<QWidget *> controls;
    for (QObject *child : window_->children())
        if (child->isWidgetType() && child->property("index").isValid())
            controls.append(static_cast<QWidget *>(child));
    return controls;
}

DesignedControls controlsOf(const QWidget &window)
{
    return DesignedControls(window);
}

QString captionOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const FormLabel *>(control))
        return label->caption();
    if (const auto *button = qobject_cast<const FormButton *>(control))
        return button->text();
    return {};
}

QString spokenName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}
