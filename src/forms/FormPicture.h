#pragma once

#include <QPixmap>
#include <QWidget>

// A picture box or an image control of a window design: its picture is drawn
// unscaled at the top-left corner. A picture box fills its background; an
// image control is transparent around its picture.
class FormPicture final : public QWidget
{
    Q_OBJECT

public:
    explicit FormPicture(QWidget *parent);
    Q_DISABLE_COPY_MOVE(FormPicture)

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

    void setFillsBackground(bool fills);

Q_SIGNALS:
    void mouseMoved();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
};
