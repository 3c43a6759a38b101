#include "ReadingStops.h"

#include "FormLabel.h"

ReadingStops::ReadingStops()
{
    QAccessible::installActivationObserver(this);
}

ReadingStops::~ReadingStops()
{
    QAccessible::removeActivationObserver(this);
}

void ReadingStops::place(QWidget &after, const QList<FormLabel *> &labels)
{
    clear();
    after_ = &after;
    for (FormLabel *label : labels)
        labels_.append(label);
    apply();
}

void ReadingStops::clear()
{
    for (FormLabel *label : std::as_const(labels_))
        if (label)
            label->setFocusPolicy(Qt::NoFocus);
    labels_.clear();
    after_ = nullptr;
}

bool ReadingStops::focusFirst() const
{
    if (!QAccessible::isActive() || labels_.isEmpty() || !labels_.constFirst())
        return false;
    labels_.constFirst()->setFocus(Qt::OtherFocusReason);
    return true;
}

void ReadingStops::accessibilityActiveChanged(bool)
{
    apply();
}

void ReadingStops::apply()
{
    const bool reading = QAccessible::isActive();
    QWidget *previous = after_;
    for (FormLabel *label : std::as_const(labels_)) {
        if (!label)
            continue;
        label->setFocusPolicy(reading ? Qt::TabFocus : Qt::NoFocus);
        if (reading && previous && previous != label) {
            QWidget::setTabOrder(previous, label);
            previous = label;
        }
    }
}
