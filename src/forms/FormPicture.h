#pragma once

#include <QPixmap>
#include <QWidget>

// A picture box or an image control of a window design: its picture is drawn
// unscaled at the top-left corner. A picture box fills its background; an
// image control is transparent around its picture. The picture file is read
// when the picture is first wanted, so a picture that is never shown (the
// launcher's second logo frame, until the pointer moves) costs nothing.
class FormPicture final : public QWidget
{
    Q_OBJECT

public:
    explicit FormPicture(QWidget *parent);
    Q_DISABLE_COPY_MOVE(FormPicture)

    QPixmap picture() const;
    void setPictureFile(const QString &path);

    void setFillsBackground(bool fills);

Q_SIGNALS:
    void mouseMoved();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString file_;
    mutable QPixmap picture_;
    mutable bool read_ = true;
};
