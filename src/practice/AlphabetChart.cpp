#include "AlphabetChart.h"

#include "LetterCell.h"
#include "PracticeCaptions.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Keying::ChartCell;
using Keying::ChartLine;
using Keying::Section;

namespace {

// Cells a row holds before the line wraps: a row of consonants (five) fits,
// and the vowels take two rows.
constexpr int RowLength = 7;

int nextFreeRow(const QGridLayout &grid)
{
    int next = 0;
    for (int i = 0; i < grid.count(); ++i) {
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        next = std::max(next, row + rowSpan);
    }
    return next;
}

} // namespace

AlphabetChart::AlphabetChart(const PracticeCaptions &captions, QWidget *parent)
    : QWidget(parent)
    , captions_(captions)
    , layout_(new QVBoxLayout(this))
{
    setObjectName(u"alphabetChart"_s);
}

std::vector<LetterCell *> AlphabetChart::cells() const
{
    std::vector<LetterCell *> all;
    for (const auto &row : rows_)
        all.insert(all.end(), row.begin(), row.end());
    return all;
}

void AlphabetChart::clear()
{
    while (QLayoutItem *item = layout_->takeAt(0)) {
        if (QLayout *grid = item->layout()) {
            while (QLayoutItem *inner = grid->takeAt(0)) {
                delete inner->widget();
                delete inner;
            }
        }
        delete item->widget();
        delete item;
    }
    rows_.clear();
    pairRows_.clear();
    pairGrid_ = nullptr;
    pairHeading_ = nullptr;
    tabStop_ = nullptr;
}

void AlphabetChart::showScript(LegacyFont script, const QFont &letterFont)
{
    const bool hadFocus = isAncestorOf(focusWidget());
    clear();
    script_ = script;
    letterFont_ = letterFont;

    const std::vector<ChartLine> lines = Keying::alphabet(script);
    const auto linesOf = [&](Section section) {
        std::vector<const ChartLine *> out;
        for (const ChartLine &line : lines)
            if (line.section == section)
                out.push_back(&line);
        return out;
    };
    addSection(captions_.vowels, linesOf(Section::Vowels));
    addSection(captions_.consonants, linesOf(Section::Consonants));
    pairRowsAt_ = rows_.size();
    pairGrid_ = addGrid({}, &pairHeading_);
    addSection(captions_.signs, linesOf(Section::Signs));
    layout_->addStretch();

    // k, the consonant of the pages' examples, shows first with every vowel.
    for (const ChartLine *line : linesOf(Section::Consonants))
        for (const ChartCell &cell : line->cells)
            if (cell.keys.value(0) == u"k"_s)
                pairWithEveryVowel(cell);
    makeTabStop(rows_.front().front());
    chainFocus();
    if (hadFocus)
        tabStop_->setFocus(Qt::OtherFocusReason);
}

// New cells come last in the window's focus chain; they are put back after
// the control that the chart follows.
void AlphabetChart::chainFocus()
{
    QWidget *previous = before_;
    if (!previous)
        return;
    for (LetterCell *cell : cells()) {
        setTabOrder(previous, cell);
        previous = cell;
    }
}

void AlphabetChart::addSection(const QString &heading, const std::vector<const ChartLine *> &lines)
{
    QGridLayout *grid = addGrid(heading);
    for (const ChartLine *line : lines)
        fillGrid(*grid, line->cells, rows_);
}

QGridLayout *AlphabetChart::addGrid(const QString &heading, QLabel **headingLabel)
{
    auto *label = new QLabel(heading, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout_->addWidget(label);
    if (headingLabel)
        *headingLabel = label;
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    grid->setAlignment(Qt::AlignLeft);
    layout_->addLayout(grid);
    return grid;
}

void AlphabetChart::fillGrid(QGridLayout &grid, const std::vector<ChartCell> &cells, Rows &rows)
{
    int gridRow = nextFreeRow(grid) - 1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i % RowLength == 0) {
            rows.emplace_back();
            ++gridRow;
        }
        LetterCell *cell = makeCell(cells[i]);
        grid.addWidget(cell, gridRow, int(i % RowLength));
        rows.back().push_back(cell);
    }
}

LetterCell *AlphabetChart::makeCell(const ChartCell &chartCell)
{
    auto *cell = new LetterCell(chartCell.letter, chartCell.sign, chartCell.keys, this);
    cell->setLetterFont(letterFont_);
    cell->show();
    cell->setFocusPolicy(Qt::ClickFocus);
    connect(cell, &LetterCell::clicked, this, [this, cell] {
        makeTabStop(cell);
        Q_EMIT keysChosen(cell->keys());
    });
    connect(cell, &LetterCell::moveRequested, this, [this, cell](int key) { moveFocus(*cell, key); });
    const bool consonant = chartCell.sign.isEmpty() && !chartCell.letter.contains(Keying::DottedCircle)
        && !chartCell.examples.empty() && chartCell.examples.front().keys.endsWith(u'a');
    if (consonant)
        connect(cell, &LetterCell::clicked, this, [this, chartCell] { pairWithEveryVowel(chartCell); });
    return cell;
}

// The pairs take the place of those shown before; the focus, where it was
// among them, stays at the same place.
void AlphabetChart::pairWithEveryVowel(const ChartCell &consonant)
{
    int focused = -1;
    int at = 0;
    for (const auto &row : pairRows_)
        for (LetterCell *cell : row) {
            if (cell->hasFocus())
                focused = at;
            ++at;
        }
    const auto first = rows_.begin() + std::ptrdiff_t(pairRowsAt_);
    rows_.erase(first, first + std::ptrdiff_t(pairRows_.size()));
    for (const auto &row : pairRows_)
        for (LetterCell *cell : row) {
            if (cell == tabStop_)
                tabStop_ = nullptr;
            cell->hide();
            cell->deleteLater();
            pairGrid_->removeWidget(cell);
        }
    pairRows_.clear();

    pairHeading_->setText(captions_.withEveryVowel.arg(consonant.letter));
    fillGrid(*pairGrid_, Keying::withEveryVowel(script_, consonant), pairRows_);
    rows_.insert(rows_.begin() + std::ptrdiff_t(pairRowsAt_), pairRows_.begin(), pairRows_.end());
    if (!tabStop_)
        makeTabStop(rows_.front().front());
    chainFocus();
    if (focused >= 0) {
        std::size_t first = 0;
        for (std::size_t r = 0; r < pairRowsAt_; ++r)
            first += rows_[r].size();
        const std::vector<LetterCell *> all = cells();
        LetterCell *again = all[std::min(first + std::size_t(focused), all.size() - 1)];
        makeTabStop(again);
        again->setFocus(Qt::OtherFocusReason);
    }
}

// Only one cell is a stop of the Tab key: the one last moved to.
void AlphabetChart::makeTabStop(LetterCell *cell)
{
    if (tabStop_ && tabStop_ != cell)
        tabStop_->setFocusPolicy(Qt::ClickFocus);
    tabStop_ = cell;
    if (cell)
        cell->setFocusPolicy(Qt::StrongFocus);
}

void AlphabetChart::moveFocus(LetterCell &from, int key)
{
    std::size_t row = 0;
    std::size_t column = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (const auto found = std::ranges::find(rows_[r], &from); found != rows_[r].end()) {
            row = r;
            column = std::size_t(found - rows_[r].begin());
        }
    const std::vector<LetterCell *> all = cells();
    const auto index = std::size_t(std::ranges::find(all, &from) - all.begin());
    LetterCell *to = &from;
    switch (key) {
    case Qt::Key_Left:
        to = all[index == 0 ? 0 : index - 1];
        break;
    case Qt::Key_Right:
        to = all[std::min(index + 1, all.size() - 1)];
        break;
    case Qt::Key_Up:
        if (row > 0)
            to = rows_[row - 1][std::min(column, rows_[row - 1].size() - 1)];
        break;
    case Qt::Key_Down:
        if (row + 1 < rows_.size())
            to = rows_[row + 1][std::min(column, rows_[row + 1].size() - 1)];
        break;
    case Qt::Key_Home:
        to = all.front();
        break;
    case Qt::Key_End:
        to = all.back();
        break;
    default:
        break;
    }
    makeTabStop(to);
    to->setFocus(Qt::OtherFocusReason);
}
