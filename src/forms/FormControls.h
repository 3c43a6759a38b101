#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class FormTimer;
class QWidget;

// The controls of one built window, addressed by their design names and, for
// control arrays, by element index. The widgets carry the design name as their
// objectName and the index in the property "index"; timers carry the name.
class FormControls final : public QObject
{
    Q_OBJECT

public:
    explicit FormControls(QWidget *window);
    Q_DISABLE_COPY_MOVE(FormControls)

    static constexpr int NoIndex = -1;

    // The control of that design name and element, of the type asked for. A
    // name or a type that the design does not have stops the program right
    // there, in every build, with a message that names it. Windows look
    // their controls up once, where they are built.
    template<typename Control>
    Control &named(const QString &name, int index = NoIndex) const
    {
        auto *found = qobject_cast<Control *>(byKey_.value(key(name, index)));
        if (!found)
            missing(key(name, index), Control::staticMetaObject.className());
        return *found;
    }
    FormTimer &namedTimer(const QString &name) const;

    void add(const QString &name, int index, QWidget *control);
    void addTimer(const QString &name, FormTimer *timer);

private:
    static QString key(const QString &name, int index);
    QString windowName() const;
    [[noreturn]] void missing(const QString &key, const char *type) const;

    QHash<QString, QWidget *> byKey_;
    QHash<QString, FormTimer *> timers_;
};
