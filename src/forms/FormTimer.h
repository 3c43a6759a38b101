#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer of a window design. It can be enabled and disabled at any
// time, but ticks are delivered only while its window is shown: a timer that
// is enabled while the window is still loading starts when the window
// appears, so no tick can interrupt a load step.
class FormTimer final : public QObject
{
    Q_OBJECT

public:
    FormTimer(QWidget *window, int intervalMs, bool enabled);
    Q_DISABLE_COPY_MOVE(FormTimer)

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return timer_.interval(); }
    bool isTicking() const { return timer_.isActive(); }

Q_SIGNALS:
    void timeout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTicking();

    QWidget *window_;
    QTimer timer_;
    bool enabled_;
};
