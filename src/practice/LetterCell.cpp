#include "LetterCell.h"

#include "keying/Alphabet.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

using namespace Qt::StringLiterals;

namespace {

// The keys are Latin text at the window's own size; the letter is larger.
constexpr int Padding = 6;

} // namespace

LetterCell::LetterCell(const QString &letter, const QString &sign, const QStringList &keys, QWidget *parent)
    : QPushButton(parent)
    , letter_(letter + sign)
    , keys_(keys)
{
    setObjectName(u"letterCell"_s);
    setAutoDefault(false);
    // A listener hears the letter and its keys, one key letter at a time so
    // that "kh" is not read as a word. The dotted circle under a sign is not
    // read; a vowel's sign is named apart from its letter, so that "आा" is
    // not heard as one sound.
    QString spokenLetter = QString(letter).remove(Keying::DottedCircle);
    if (!sign.isEmpty())
        spokenLetter += u", "_s + QString(sign).remove(Keying::DottedCircle);
    QString spokenKeys;
    for (const QString &run : keys)
        spokenKeys += (spokenKeys.isEmpty() ? QString() : u", "_s) + run.split(QString(), Qt::SkipEmptyParts).join(u' ');
    setAccessibleName(spokenLetter + u": "_s + spokenKeys);
}

void LetterCell::setLetterFont(const QFont &font)
{
    letterFont_ = font;
    updateGeometry();
    update();
}

QFont LetterCell::keysFont() const
{
    return font();
}

QSize LetterCell::sizeHint() const
{
    const QFontMetrics letterMetrics(letterFont_);
    const QFontMetrics keysMetrics(keysFont());
    const int width = std::max(letterMetrics.horizontalAdvance(letter_), keysMetrics.horizontalAdvance(keys_.join(u' ')));
    return {width + 4 * Padding, letterMetrics.height() + keysMetrics.height() + 2 * Padding};
}

void LetterCell::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect inside = rect().adjusted(Padding, Padding, -Padding, -Padding);
    const QFontMetrics keysMetrics(keysFont());
    const QRect keysBox(inside.left(), inside.bottom() - keysMetrics.height() + 1, inside.width(), keysMetrics.height());
    const QRect letterBox(inside.left(), inside.top(), inside.width(), keysBox.top() - inside.top());
    painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(letterFont_);
    painter.drawText(letterBox, Qt::AlignCenter, letter_);
    painter.setFont(keysFont());
    painter.drawText(keysBox, Qt::AlignCenter, keys_.join(u' '));

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void LetterCell::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        animateClick();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        Q_EMIT moveRequested(event->key());
        return;
    default:
        QPushButton::keyPressEvent(event);
    }
}
