#include "TextGrid.h"

void TextGrid::setRowCount(int rows)
{
    resize(rows, m_columns);
}

void TextGrid::setColumnCount(int columns)
{
    resize(m_rows, columns);
}

void TextGrid::resize(int rows, int columns)
{
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    std::vector<Cell> cells(size_t(rows) * size_t(columns));
    for (int r = 0; r < std::min(rows, m_rows); ++r) {
        for (int c = 0; c < std::min(columns, m_columns); ++c)
            cells[size_t(r) * size_t(columns) + size_t(c)] = std::move(*cellAt(r, c));
    }
    m_cells = std::move(cells);
    m_rows = rows;
    m_columns = columns;
}

bool TextGrid::contains(int row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < m_columns;
}

const TextGrid::Cell &TextGrid::cell(int row, int column) const
{
    static const Cell empty;
    if (!contains(row, column))
        return empty;
    return m_cells[size_t(row) * size_t(m_columns) + size_t(column)];
}

TextGrid::Cell *TextGrid::cellAt(int row, int column)
{
    if (!contains(row, column))
        return nullptr;
    return &m_cells[size_t(row) * size_t(m_columns) + size_t(column)];
}

void TextGrid::setFore(int row, int column, const QString &text)
{
    if (Cell *c = cellAt(row, column))
        c->fore = text;
}

void TextGrid::setBack(int row, int column, const QString &text)
{
    if (Cell *c = cellAt(row, column))
        c->back = text;
}

void TextGrid::setReadOnly(int row, int column, bool readOnly)
{
    if (Cell *c = cellAt(row, column))
        c->readOnly = readOnly;
}
