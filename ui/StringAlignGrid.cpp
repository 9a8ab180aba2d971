#include "StringAlignGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Paints every cell itself, so the highlight rules hold whatever the style does.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(TStringAlignGrid* grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const int column = index.column();
        const int row = index.row();
        painter->fillRect(option.rect, m_grid->cellBackground(column, row));
        painter->setPen(m_grid->cellForeground(column, row));
        painter->setFont(option.font);
        painter->drawText(option.rect, Qt::AlignCenter, index.data().toString());
    }

private:
    TStringAlignGrid* m_grid;
};

} // namespace

const QColor TStringAlignGrid::FixedColor(0xC0, 0xC0, 0xC0);
const QColor TStringAlignGrid::SelectedColor(0xFF, 0xFF, 0x00);
const QColor TStringAlignGrid::SelectedFontColor(0xFF, 0x00, 0x00);

TStringAlignGrid::TStringAlignGrid(int columns, int rows, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setFocusPolicy(Qt::ClickFocus);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setItemDelegate(new CellDelegate(this));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | (r > 0 && c > 0 ? Qt::ItemIsSelectable : Qt::NoItemFlags));
            setItem(r, c, item);
        }
    }
    connect(this, &QTableWidget::cellClicked, this, [this] { emit clicked(); });
}

QString TStringAlignGrid::cell(int column, int row) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void TStringAlignGrid::setCell(int column, int row, const QString& text)
{
    if (QTableWidgetItem* it = item(row, column))
        it->setText(text);
}

void TStringAlignGrid::setColorCol(int column, const QColor& color)
{
    m_colorColumn = column;
    m_columnColor = color;
    viewport()->update();
}

void TStringAlignGrid::setColorRow(int row, const QColor& color)
{
    m_colorRow = row;
    m_rowColor = color;
    viewport()->update();
}

QColor TStringAlignGrid::cellBackground(int column, int row) const
{
    if (column == 0 || row == 0)
        return FixedColor;
    if (column == currentColumn() && row == currentRow())
        return SelectedColor;
    if (column == m_colorColumn && m_columnColor.isValid())
        return m_columnColor;
    if (row == m_colorRow && m_rowColor.isValid())
        return m_rowColor;
    return Qt::white;
}

QColor TStringAlignGrid::cellForeground(int column, int row) const
{
    const bool selected = column > 0 && row > 0 && column == currentColumn() && row == currentRow();
    return selected ? SelectedFontColor : QColor(Qt::black);
}

void TStringAlignGrid::setColumnWidths(int width)
{
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, width + 1);
}

void TStringAlignGrid::setRowHeights(int height)
{
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, height + 1);
}

void TStringAlignGrid::keyPressEvent(QKeyEvent* event)
{
    // Arrow keys would move the current cell away from the table's marked cell.
    event->ignore();
}
