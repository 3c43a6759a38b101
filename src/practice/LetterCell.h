#pragma once

#include <QPushButton>

// One cell of the alphabet chart: a letter large in a font of its script,
// its keys small beneath it. Space, Return and a click activate it; the
// arrow keys ask the chart to move the focus on.
class LetterCell final : public QPushButton
{
    Q_OBJECT

public:
    // A vowel's cell shows its letter and its sign; other cells have no sign.
    LetterCell(const QString &letter, const QString &sign, const QStringList &keys, QWidget *parent);
    Q_DISABLE_COPY_MOVE(LetterCell)

    const QString &letter() const { return letter_; }
    // The keys that activating the cell types: the ones taught first.
    QString keys() const { return keys_.value(0); }

    void setLetterFont(const QFont &font);

    QSize sizeHint() const override;

Q_SIGNALS:
    void moveRequested(int key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QFont keysFont() const;

    QString letter_;
    QStringList keys_;
    QFont letterFont_;
};
