#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>

class FormLabel;
class QWidget;

// Labels that a screen reader user reaches with Tab: a window's prompts and
// page texts, which a sighted user only looks at. They follow a given control
// in the Tab order and take the focus only while assistive technology is
// active, also when it is switched on or off later; without it the window
// keeps its design's Tab order.
class ReadingStops final : private QAccessible::ActivationObserver
{
public:
    ReadingStops();
    ~ReadingStops() override;
    Q_DISABLE_COPY_MOVE(ReadingStops)

    // Makes `labels`, in this order, the stops that follow `after`, in place
    // of those placed before.
    void place(QWidget &after, const QList<FormLabel *> &labels);
    // No stops any more.
    void clear();

    // Takes the focus to the first stop, where a screen reader user begins,
    // while assistive technology is active; false where there is none.
    bool focusFirst() const;

private:
    void accessibilityActiveChanged(bool active) override;
    void apply();

    QPointer<QWidget> after_;
    QList<QPointer<FormLabel>> labels_;
};
