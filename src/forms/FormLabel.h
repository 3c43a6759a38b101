#pragma once

#include <QColor>
#include <QWidget>

// A label of a window design: a word-wrapped caption drawn from the top, left,
// right or centred, on its own background, with an optional single-line frame
// and a flat or 3D look. The caption is kept exactly as assigned; a carriage
// return in it is shown as a line break. Labels take no focus, unless a
// window makes them stops for a screen reader's Tab.
class FormLabel final : public QWidget
{
    Q_OBJECT

public:
    explicit FormLabel(QWidget *parent);
    Q_DISABLE_COPY_MOVE(FormLabel)

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    bool isFramed() const { return framed_; }
    void setFramed(bool framed);

    // The single-line frame is drawn in this colour, the caption in the
    // palette's window text; without one, both in the window text.
    QColor frameColour() const;
    void setFrameColour(const QColor &colour);

    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

    // The lines the caption takes in the current font and width.
    QStringList shownLines() const;

    // What a screen reader says for the label: its accessible name where one
    // is set, else the caption as shown, with its line breaks.
    QString spokenText() const;

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QRect textRect() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QColor frameColour_;
    bool framed_ = false;
    bool flat_ = true;
    bool pressed_ = false;
};
