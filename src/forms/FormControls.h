#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class FormButton;
class FormLabel;
class FormPicture;
class FormTimer;
class QWidget;

// The controls of one built window, addressed by their design names and, for
// control arrays, by element index. The widgets carry the design name as their
// objectName and the index in the property "index".
class FormControls final : public QObject
{
    Q_OBJECT

public:
    explicit FormControls(QWidget *window);
    Q_DISABLE_COPY_MOVE(FormControls)

    static constexpr int NoIndex = -1;

    QWidget *control(const QString &name, int index = NoIndex) const;
    FormLabel *label(const QString &name, int index = NoIndex) const;
    FormButton *button(const QString &name, int index = NoIndex) const;
    FormPicture *picture(const QString &name, int index = NoIndex) const;
    FormTimer *timer(const QString &name) const;

    // Every control in design order, front to back.
    const QList<QWidget *> &all() const { return ordered_; }

    void add(const QString &name, int index, QWidget *control);
    void addTimer(const QString &name, FormTimer *timer);

    static QString key(const QString &name, int index);

private:
    QHash<QString, QWidget *> byKey_;
    QHash<QString, FormTimer *> timers_;
    QList<QWidget *> ordered_;
};
