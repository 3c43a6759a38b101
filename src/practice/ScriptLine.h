#pragma once

#include <QWidget>

// One line of script text that changes with every key: the same keys in one
// of the four scripts. It keeps the height of one line of its font whatever
// it shows, so a new text is only drawn again, never laid out with the
// window; where it is longer than the line, its end shows. A screen reader
// reads it as its name and its text ("Bengali: কা").
class ScriptLine final : public QWidget
{
    Q_OBJECT

public:
    explicit ScriptLine(QWidget *parent);
    Q_DISABLE_COPY_MOVE(ScriptLine)

    void setText(const QString &text);
    const QString &text() const { return text_; }

    // What it is the text of, for a listener: the script's name.
    void setName(const QString &name);
    QString spokenText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString text_;
    QString name_;
};
