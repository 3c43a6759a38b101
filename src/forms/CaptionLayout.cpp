#include "CaptionLayout.h"

#include <QCache>
#include <QCoreApplication>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QHashFunctions>

#include <algorithm>

namespace CaptionLayout {

namespace {

class LineBreaker
{
public:
    LineBreaker(const QFontMetricsF &metrics, qreal width)
        : metrics_(metrics)
        , width_(width)
        , blank_(metrics.horizontalAdvance(QStringLiteral(" ")))
    {
    }

    void addParagraph(const QString &paragraph)
    {
        current_.clear();
        currentWidth_ = 0;
        endsWithWord_ = false;
        qsizetype i = 0;
        while (i < paragraph.size()) {
            if (paragraph.at(i) == u' ') {
                addBlank();
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < paragraph.size() && paragraph.at(end) != u' ')
                ++end;
            addWord(paragraph.mid(i, end - i));
            i = end;
        }
        lines_.append(current_);
    }

    QStringList lines() const { return lines_; }

private:
    qreal advance(const QString &text) const { return metrics_.horizontalAdvance(text); }

    void newLine()
    {
        lines_.append(current_);
        current_.clear();
        currentWidth_ = 0;
        endsWithWord_ = false;
    }

    void addBlank()
    {
        if (currentWidth_ + blank_ > width_ && !current_.isEmpty()) {
            const bool breakAfterWord = endsWithWord_;
            newLine();
            if (breakAfterWord)
                return; // this blank is the line break itself
        }
        current_ += u' ';
        currentWidth_ += blank_;
        endsWithWord_ = false;
    }

    void addWord(const QString &word)
    {
        const qreal wordWidth = advance(word);
        if (currentWidth_ + wordWidth > width_ && !current_.isEmpty())
            newLine();
        append(word, wordWidth);
    }

    void append(const QString &text, qreal width)
    {
        current_ += text;
        currentWidth_ += width;
        endsWithWord_ = true;
    }

    const QFontMetricsF &metrics_;
    qreal width_;
    qreal blank_;
    QStringList lines_;
    QString current_;
    qreal currentWidth_ = 0;
    bool endsWithWord_ = false;
};

} // namespace

QStringList wrap(const QString &caption, const QFontMetricsF &metrics, qreal width)
{
    LineBreaker breaker(metrics, width);
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    const QStringList paragraphs = text.split(u'\n');
    for (const QString &paragraph : paragraphs)
        breaker.addParagraph(paragraph);
    return breaker.lines();
}

namespace {

struct LayoutKey {
    QString font;
    qreal width;
    QString caption;
    friend bool operator==(const LayoutKey &, const LayoutKey &) = default;
    friend size_t qHash(const LayoutKey &key, size_t seed = 0) { return qHashMulti(seed, key.font, key.width, key.caption); }
};

// A few hundred captions cover every window and page of the program. The
// shaped glyphs hold on to font engines, which must go before the font
// database does at the application's end.
QCache<LayoutKey, Lines> &recentLayouts()
{
    static QCache<LayoutKey, Lines> recent(512);
    static bool clearedAtExit = false;
    if (!clearedAtExit && QCoreApplication::instance()) {
        qAddPostRoutine([] {
            recentLayouts().clear();
            clearedAtExit = false;
        });
        clearedAtExit = true;
    }
    return recent;
}

QList<QGlyphRun> shaped(const QString &line, const QFont &font)
{
    QTextLayout layout(line, font);
    layout.beginLayout();
    const QTextLine textLine = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun &run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position.ry() -= textLine.ascent();
        run.setPositions(positions);
    }
    return runs;
}

// The run's own bounding rectangle is the line's, set by the layout; the
// ink is in the glyphs' rectangles.
qreal inkAscent(const QList<QGlyphRun> &runs)
{
    qreal ascent = 0;
    for (const QGlyphRun &run : runs) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            ascent = std::max(ascent, -run.rawFont().boundingRect(indexes.at(i)).translated(positions.at(i)).top());
    }
    return ascent;
}

} // namespace

Lines laidOut(const QString &caption, const QFont &font, qreal width)
{
    QCache<LayoutKey, Lines> &recent = recentLayouts();
    LayoutKey key{font.key(), width, caption};
    if (const Lines *known = recent.object(key))
        return *known;

    const QFontMetricsF metrics(font);
    auto lines = new Lines{wrap(caption, metrics, width), {}, {}};
    lines->widths.reserve(lines->text.size());
    lines->glyphs.reserve(lines->text.size());
    for (const QString &line : std::as_const(lines->text)) {
        lines->widths.append(metrics.horizontalAdvance(line));
        lines->glyphs.append(shaped(line, font));
    }
    if (!lines->glyphs.isEmpty())
        lines->firstInkAscent = inkAscent(lines->glyphs.first());
    const Lines result = *lines;
    recent.insert(std::move(key), lines);
    return result;
}

void drawLine(QPainter &painter, const Lines &lines, qsizetype line, QPointF origin)
{
    for (const QGlyphRun &run : lines.glyphs.at(line))
        painter.drawGlyphRun(origin, run);
}

QString withoutAccessKeys(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i; // "&&" leaves one "&", "&x" leaves "x"
        }
        shown += caption.at(i);
    }
    return shown;
}

} // namespace CaptionLayout
