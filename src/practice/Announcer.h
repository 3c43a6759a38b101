#pragma once

#include <QWidget>

// Tells a screen reader a text that no control in focus holds: the script
// text that the keys give, after each change, wherever the focus is. It
// shows for a listener as a notification, which a screen reader speaks as
// it appears; on screen it takes no room and draws nothing.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    Q_DISABLE_COPY_MOVE(Announcer)

    void announce(const QString &text);
    const QString &text() const { return text_; }

private:
    QString text_;
};
