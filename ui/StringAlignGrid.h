#pragma once

#include <QColor>
#include <QTableWidget>

// A string grid with one fixed row and column, centred texts, one highlighted column and row,
// and a single current cell painted yellow with red text. It never edits and never scrolls.
class TStringAlignGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TStringAlignGrid(int columns, int rows, QWidget* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    void setColorCol(int column, const QColor& color);
    void setColorRow(int row, const QColor& color);
    QColor colorCol(int column) const { return column == m_colorColumn ? m_columnColor : QColor(); }
    QColor colorRow(int row) const { return row == m_colorRow ? m_rowColor : QColor(); }

    // The background a cell is painted with, from the fixed, highlight and selection rules.
    QColor cellBackground(int column, int row) const;
    QColor cellForeground(int column, int row) const;

    // Widths and heights of the cells alone; each grid line adds one pixel.
    void setColumnWidths(int width);
    void setRowHeights(int height);

    static const QColor FixedColor;
    static const QColor SelectedColor;
    static const QColor SelectedFontColor;

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_colorColumn = -1;
    QColor m_columnColor;
    int m_colorRow = -1;
    QColor m_rowColor;
};
