#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QStringList>

class QPainter;

// Word wrapping as the program's labels do it.
//
// A carriage return (or line feed) starts a new line. Otherwise lines break
// between words, and blanks keep their room: a run of blanks that reaches the
// right edge goes on at the start of the next line, so blanks can carry a text
// down a box. Only the one blank at which a line breaks after a word is
// dropped. A word wider than the box is never broken: it stands on a line of
// its own and is cut off at the edge.
namespace CaptionLayout {

QStringList wrap(const QString &caption, const QFontMetricsF &metrics, qreal width);

// A caption as laid out for painting: its lines, the advance of each, and
// each line shaped once, its glyphs placed from a baseline at y = 0; and how
// far the ink of the first line rises above its baseline, which the marks
// above an Indic headline can take beyond the font's ascent.
struct Lines {
    QStringList text;
    QList<qreal> widths;
    QList<QList<QGlyphRun>> glyphs;
    qreal firstInkAscent = 0;
};

// Draws a line of `lines` with its baseline starting at `origin`, as
// QPainter::drawText() draws it there, without shaping it again.
void drawLine(QPainter &painter, const Lines &lines, qsizetype line, QPointF origin);

// The same lines as wrap() in QFontMetricsF(font), with their advances. Labels
// and buttons repaint far more often than their captions, fonts or widths
// change, and measuring text is the costliest part of painting them, so the
// layouts of the captions met lately are kept, by font, width and text.
Lines laidOut(const QString &caption, const QFont &font, qreal width);

// The caption as drawn: "&x" marks an access key and is not shown, "&&" is a
// literal ampersand.
QString withoutAccessKeys(const QString &caption);

} // namespace CaptionLayout
