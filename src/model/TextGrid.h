#pragma once

#include <QString>

#include <vector>

// Rows and columns of text cells, numbered like the grid that shows them:
// each cell has a shown fore text, a hidden back text and a read-only flag.
class TextGrid
{
public:
    struct Cell
    {
        QString fore;
        QString back;
        bool readOnly = true;
    };

    TextGrid() = default;
    TextGrid(int rows, int columns) { resize(rows, columns); }

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    // Shrinking drops rows; growing adds empty read-only rows.
    void setRowCount(int rows);
    void setColumnCount(int columns);
    void resize(int rows, int columns);

    bool contains(int row, int column) const;
    // Out-of-range cells read as empty and ignore writes.
    const Cell &cell(int row, int column) const;
    Cell *cellAt(int row, int column);

    QString fore(int row, int column) const { return cell(row, column).fore; }
    QString back(int row, int column) const { return cell(row, column).back; }
    bool isReadOnly(int row, int column) const { return cell(row, column).readOnly; }
    void setFore(int row, int column, const QString &text);
    void setBack(int row, int column, const QString &text);
    void setReadOnly(int row, int column, bool readOnly);

private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<Cell> m_cells;
};
