#pragma once

#include <QPushButton>

// A push button of a window design. A caption too wide for the button wraps
// onto further lines, centred, as the design's buttons do ("CONSON- ANTS").
// Besides clicks it reports every pointer movement over it, which the
// launcher's logo swap listens to. Return presses a focused button, as the
// space bar does. While a modal window blocks the button's window, no press
// gets through, from whatever source it comes.
class FormButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit FormButton(QWidget *parent);
    Q_DISABLE_COPY_MOVE(FormButton)

    // The caption's lines as drawn in the button's current font and size.
    QStringList shownLines() const;

Q_SIGNALS:
    void mouseMoved();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
};
