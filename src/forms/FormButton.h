#pragma once

#include <QPushButton>

// A push button of a window design. Besides clicks it reports every pointer
// movement over it, which the launcher's logo swap listens to.
class FormButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit FormButton(QWidget *parent);
    Q_DISABLE_COPY_MOVE(FormButton)

Q_SIGNALS:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};
