#include "Controls.h"

#include "forms/FormButton.h"
#include "forms/FormLabel.h"

#include <QAccessible>
#include <QWidget>

const FormControls &controlsOf(const QWidget &window)
{
    // Only the window's own: a window it opened holds controls of its own.
    const auto *controls = window.findChild<const FormControls *>(QString(), Qt::FindDirectChildrenOnly);
    if (!controls)
        qFatal("%s was not built from a design", qPrintable(window.objectName()));
    return *controls;
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
