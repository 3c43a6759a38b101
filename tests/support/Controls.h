#pragma once

#include <QList>
#include <QString>

class FormButton;
class FormLabel;
class FormPicture;
class FormTimer;
class QWidget;

// A window's controls as anyone outside the window finds them: by the design
// names they carry as objectName and, in control arrays, by the element index
// in their property "index". A name or a type that the window lacks ends the
// test run, with a message that names it.
class DesignedControls
{
public:
    static constexpr int NoIndex = -1;

    explicit DesignedControls(const QWidget &window);

    QWidget *control(const QString &name, int index = NoIndex) const;
    FormLabel *label(const QString &name, int index = NoIndex) const;
    FormButton *button(const QString &name, int index = NoIndex) const;
    FormPicture *picture(const QString &name, int index = NoIndex) const;
    FormTimer *timer(const QString &name) const;

    // Every control the window was built with, back to front.
    QList<QWidget *> all() const;

private:
    template<typename Control>
    Control *find(const QString &name, int index) const;

    const QWidget *window_;
};

DesignedControls controlsOf(const QWidget &window);

// What a label or a button shows: its caption; nothing for other controls.
QString captionOf(const QWidget *control);

// The name a screen reader says for a widget.
QString spokenName(QWidget *widget);
