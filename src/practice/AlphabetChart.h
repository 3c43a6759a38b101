#pragma once

#include "keying/Alphabet.h"

#include <QWidget>

#include <vector>

class LetterCell;
class QGridLayout;
class QLabel;
class QVBoxLayout;
struct PracticeCaptions;

// The alphabet of one script as a chart of cells, each a letter with its
// keys: the vowels, the consonants in the script's own order, one consonant
// with every vowel, the other signs. Activating a cell hands its keys on
// (keysChosen). The chart is one stop of the Tab key; the arrow keys, Home
// and End move within it.
class AlphabetChart final : public QWidget
{
    Q_OBJECT

public:
    AlphabetChart(const PracticeCaptions &captions, QWidget *parent);
    Q_DISABLE_COPY_MOVE(AlphabetChart)

    // Draws the script's alphabet, its letters in `letterFont`.
    void showScript(LegacyFont script, const QFont &letterFont);

    // Tab reaches the chart from this control, whenever its cells were made.
    void followInTabOrder(QWidget &before) { before_ = &before; }

    // The cells in reading order, for those who look at the chart.
    std::vector<LetterCell *> cells() const;

Q_SIGNALS:
    void keysChosen(const QString &keys);

private:
    // Rows of cells as they stand on screen; a line longer than a row wraps.
    using Rows = std::vector<std::vector<LetterCell *>>;

    void addSection(const QString &heading, const std::vector<const Keying::ChartLine *> &lines);
    QGridLayout *addGrid(const QString &heading, QLabel **headingLabel = nullptr);
    void fillGrid(QGridLayout &grid, const std::vector<Keying::ChartCell> &cells, Rows &rows);
    LetterCell *makeCell(const Keying::ChartCell &cell);
    void pairWithEveryVowel(const Keying::ChartCell &consonant);
    void moveFocus(LetterCell &from, int key);
    void makeTabStop(LetterCell *cell);
    void chainFocus();
    void clear();

    const PracticeCaptions &captions_;
    QVBoxLayout *layout_;
    LegacyFont script_ = LegacyFont::Devanagari;
    QFont letterFont_;
    Rows rows_;
    // The consonant shown with every vowel, and where.
    QGridLayout *pairGrid_ = nullptr;
    QLabel *pairHeading_ = nullptr;
    Rows pairRows_;
    std::size_t pairRowsAt_ = 0; // where pairRows_ stand among rows_
    LetterCell *tabStop_ = nullptr;
    QWidget *before_ = nullptr;
};
