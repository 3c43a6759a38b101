#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace {

class AccessibleAnnouncer final : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    // A notification stands on its own, as the desktop's do: a screen reader
    // speaks it alone, not after the window that holds it.
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(qApp);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        return static_cast<const Announcer *>(widget())->text();
    }
};

QAccessibleInterface *accessibleAnnouncer(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new AccessibleAnnouncer(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleAnnouncer);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
}

// A notification is spoken as it shows: for a screen reader it shows anew
// with every text. On screen it stays as it is, so that nothing is laid out
// again.
void Announcer::announce(const QString &text)
{
    text_ = text;
    if (text.isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
